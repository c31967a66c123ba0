// Trimming spaces and changing the case of a text, walking it character by character.
#include <cstring>

#include "texts/shift_jis.h"
#include "values/scratch_buffer.h"
#include "values/string_functions.h"
#include "values/string_values.h"

namespace {

// The length of the space at offset: 1 for 0x20, 2 for the full-width space 0x81 0x40, else 0.
std::size_t SpaceAt(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  if (bytes[offset] == 0x20) return 1;
  if (bytes[offset] == 0x81 && offset + 1 < length && bytes[offset + 1] == 0x40) return 2;
  return 0;
}

std::size_t LeadingSpaces(const std::uint8_t* bytes, std::size_t length) {
  std::size_t offset = 0;
  while (offset < length) {
    const std::size_t space = SpaceAt(bytes, length, offset);
    if (space == 0) break;
    offset += space;
  }
  return offset;
}

// The letters of either case differ only in bit 0x20.
constexpr std::uint8_t kCaseBit = 0x20;

// Which of eight bytes, all below 0x80, lie in [from, from + 25]: the case bit of each, in place. Adding to each byte
// never carries into the next.
std::uint64_t LettersOf(std::uint64_t word, std::uint8_t from) {
  constexpr std::uint64_t kEach = 0x0101010101010101u;
  const std::uint64_t at_least_from = word + kEach * (0x80 - from);
  const std::uint64_t beyond = word + kEach * (0x80 - from - 26);
  return ((at_least_from & ~beyond) & (kEach * 0x80)) >> 2;
}

// Copies the text, then flips the case bit of the single bytes in [from, from + 25]; pairs stay as they are. Runs of
// eight bytes below 0x80, which hold no pair, are done a word at a time.
void ChangeCase(std::uint8_t from) {
  PoppedString s;
  ScratchBuffer scratch(s.length());
  std::uint8_t* out = scratch.data();
  const std::uint8_t* bytes = s.bytes();
  const std::size_t length = s.length();
  if (length != 0) std::memcpy(out, bytes, length);
  // A lead byte that ends the text steps past the end, which ends the walk: it is no letter.
  for (std::size_t offset = 0; offset < length;) {
    const std::uint8_t byte = bytes[offset];
    if (byte < 0x80 && length - offset >= 8 && EightSingleBytes(bytes, offset)) {
      std::uint64_t word;
      std::memcpy(&word, bytes + offset, sizeof word);
      word ^= LettersOf(word, from);
      std::memcpy(out + offset, &word, sizeof word);
      offset += 8;
      continue;
    }
    if (static_cast<std::uint8_t>(byte - from) < 26) out[offset] = static_cast<std::uint8_t>(byte ^ kCaseBit);
    offset += kCharacterSize[byte];
  }
  s.Release();
  MakeTemporary(s.length(), out);
}

}  // namespace

std::string_view TrimmedLeft(std::string_view s) {
  return s.substr(LeadingSpaces(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()));
}

void TrimLeft() {
  PoppedString s;
  PushPartOf(s, TrimmedLeft(s.view()));
}

void TrimBoth() {
  PoppedString s;
  const std::size_t first = LeadingSpaces(s.bytes(), s.length());
  std::size_t end = s.length();
  bool run_open = false;
  for (std::size_t offset = first; offset < s.length();) {
    const std::size_t space = SpaceAt(s.bytes(), s.length(), offset);
    if (space != 0) {
      if (!run_open) end = offset;
      run_open = true;
      offset += space;
    } else {
      run_open = false;
      offset = NextCharacter(s.bytes(), s.length(), offset);
    }
  }
  if (!run_open) end = s.length();
  PushPartOf(s, static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end - first));
}

void UpperCase() { ChangeCase('a'); }
void LowerCase() { ChangeCase('A'); }
