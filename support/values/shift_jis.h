// The Shift-JIS (code page 932) character walk: a lead byte and the byte after it form one character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr bool IsLeadByte(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The offset of the character after the one at offset; a lead byte that is the last byte stands alone.
constexpr std::size_t NextCharacter(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  return IsLeadByte(bytes[offset]) && offset + 1 < length ? offset + 2 : offset + 1;
}

// The bytes a character takes, by its first byte, where a second byte follows.
inline constexpr std::array<std::uint8_t, 256> kCharacterSize = [] {
  std::array<std::uint8_t, 256> sizes{};
  for (std::size_t byte = 0; byte < sizes.size(); ++byte) sizes[byte] = IsLeadByte(static_cast<std::uint8_t>(byte)) ? 2 : 1;
  return sizes;
}();

// Whether the eight bytes from offset are all below 0x80: none of them is a lead byte.
inline bool EightSingleBytes(const std::uint8_t* bytes, std::size_t offset) {
  std::uint64_t word;
  std::memcpy(&word, bytes + offset, sizeof word);
  return (word & 0x8080808080808080u) == 0;
}

struct CharacterCount {
  std::size_t characters = 0;
  std::size_t pairs = 0;  // complete double-byte characters
};

// A byte begins a pair when it is a lead byte at the start of a character, and the byte after it never starts one.
// Followed byte by byte, that needs no jump on the text, and eight bytes below 0x80 are passed at once (after them
// a character always starts). A lead byte that ends the text stands alone.
inline CharacterCount CountCharacters(const std::uint8_t* bytes, std::size_t length) {
  std::size_t pairs = 0;
  unsigned at_start = 1;
  const auto step = [&](std::uint8_t byte) {
    const unsigned begins_pair = at_start & (kCharacterSize[byte] - 1u);
    pairs += begins_pair;
    at_start = begins_pair ^ 1u;
  };
  std::size_t offset = 0;
  while (length - offset >= 8) {
    if (EightSingleBytes(bytes, offset)) {
      at_start = 1;
      offset += 8;
      continue;
    }
    for (const std::size_t stop = offset + 8; offset < stop; ++offset) step(bytes[offset]);
  }
  for (; offset < length; ++offset) step(bytes[offset]);
  if (at_start == 0) --pairs;
  return {length - pairs, pairs};
}

// The byte offset reached after walking the given number of characters (or the end). Runs of single-byte characters
// are taken eight at a time; in between, eight bytes are stepped through a character at a time while a byte lies
// beyond them (so a lead byte always has its second byte), and the last few bytes one at a time.
inline std::size_t SkipCharacters(const std::uint8_t* bytes, std::size_t length, std::size_t characters) {
  std::size_t offset = 0;
  while (characters >= 8 && length - offset > 8) {
    if (EightSingleBytes(bytes, offset)) {
      characters -= 8;
      offset += 8;
      continue;
    }
    for (const std::size_t stop = offset + 8; offset < stop; --characters) offset += kCharacterSize[bytes[offset]];
  }
  for (; characters > 0 && offset < length; --characters) offset = NextCharacter(bytes, length, offset);
  return offset;
}
