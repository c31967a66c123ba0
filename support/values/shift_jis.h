// The Shift-JIS (code page 932) character walk: a lead byte and the byte after it form one character.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr bool IsLeadByte(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The offset of the character after the one at offset; a lead byte that is the last byte stands alone.
constexpr std::size_t NextCharacter(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  return IsLeadByte(bytes[offset]) && offset + 1 < length ? offset + 2 : offset + 1;
}

struct CharacterCount {
  std::size_t characters = 0;
  std::size_t pairs = 0;  // complete double-byte characters
};

constexpr CharacterCount CountCharacters(const std::uint8_t* bytes, std::size_t length) {
  CharacterCount count;
  for (std::size_t offset = 0; offset < length;) {
    const std::size_t next = NextCharacter(bytes, length, offset);
    if (next - offset == 2) ++count.pairs;
    ++count.characters;
    offset = next;
  }
  return count;
}

// The byte offset reached after walking the given number of characters (or the end).
constexpr std::size_t SkipCharacters(const std::uint8_t* bytes, std::size_t length, std::size_t characters) {
  std::size_t offset = 0;
  for (; characters > 0 && offset < length; --characters) offset = NextCharacter(bytes, length, offset);
  return offset;
}
