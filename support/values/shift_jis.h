// The Shift-JIS (code page 932) character walk: a lead byte and the byte after it form one character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

constexpr bool IsLeadByte(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The offset of the character after the one at offset; a lead byte that is the last byte stands alone.
constexpr std::size_t NextCharacter(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  return IsLeadByte(bytes[offset]) && offset + 1 < length ? offset + 2 : offset + 1;
}

// The number of bytes from offset on, at most 8, that are all below 0x80: each one is a character of its own.
inline std::size_t SingleByteRun(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  if (length - offset < 8) return 0;
  std::uint64_t word;
  std::memcpy(&word, bytes + offset, sizeof word);
  return (word & 0x8080808080808080u) == 0 ? 8 : 0;
}

struct CharacterCount {
  std::size_t characters = 0;
  std::size_t pairs = 0;  // complete double-byte characters
};

inline CharacterCount CountCharacters(const std::uint8_t* bytes, std::size_t length) {
  CharacterCount count;
  for (std::size_t offset = 0; offset < length;) {
    if (const std::size_t run = SingleByteRun(bytes, length, offset)) {
      count.characters += run;
      offset += run;
      continue;
    }
    const std::size_t next = NextCharacter(bytes, length, offset);
    if (next - offset == 2) ++count.pairs;
    ++count.characters;
    offset = next;
  }
  return count;
}

// The byte offset reached after walking the given number of characters (or the end).
inline std::size_t SkipCharacters(const std::uint8_t* bytes, std::size_t length, std::size_t characters) {
  std::size_t offset = 0;
  while (characters > 0 && offset < length) {
    const std::size_t run = characters >= 8 ? SingleByteRun(bytes, length, offset) : 0;
    if (run != 0) {
      characters -= run;
      offset += run;
    } else {
      offset = NextCharacter(bytes, length, offset);
      --characters;
    }
  }
  return offset;
}
