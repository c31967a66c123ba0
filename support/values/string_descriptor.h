// The description of one string value: kind, length and where its bytes are stored.
#pragma once

#include <cstdint>

enum class StringKind : std::uint8_t {
  Unassigned = 0x00,  // a variable never assigned; reads as the empty string
  Variable = 0x10,    // owns its stored bytes
  FixedView = 0x11,   // a pushed view of a fixed-length string
  Fixed = 0x12,       // fixed-length variables: assignment refuses them
  FixedPadded = 0x13,
  Temporary = 0x20,   // an intermediate result, owned by its string stack slot until consumed
};

struct StringDescriptor {
  StringKind kind;
  std::uint32_t length;
  std::uint8_t* data;  // null whenever length is 0
};

inline bool IsTemporary(const StringDescriptor& string) { return string.kind == StringKind::Temporary; }
