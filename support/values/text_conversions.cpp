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

// Copies the text, changing single bytes in [from, from + 25] by 0x20; pairs are copied unchanged.
void ChangeCase(std::uint8_t from, int shift) {
  PoppedString s;
  ScratchBuffer scratch(s.length());
  std::uint8_t* out = scratch.data();
  for (std::size_t offset = 0; offset < s.length();) {
    const std::size_t next = NextCharacter(s.bytes(), s.length(), offset);
    std::memcpy(out + offset, s.bytes() + offset, next - offset);
    const std::uint8_t byte = s.bytes()[offset];
    if (next - offset == 1 && byte >= from && byte <= from + 25) out[offset] = static_cast<std::uint8_t>(byte + shift);
    offset = next;
  }
  s.Release();
  MakeTemporary(s.length(), out);
}

}  // namespace

void TrimLeft() {
  PoppedString s;
  const std::size_t skipped = LeadingSpaces(s.bytes(), s.length());
  PushPartOf(s, static_cast<std::uint32_t>(skipped), static_cast<std::uint32_t>(s.length() - skipped));
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

void UpperCase() { ChangeCase('a', -0x20); }
void LowerCase() { ChangeCase('A', 0x20); }
