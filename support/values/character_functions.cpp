// The character functions: parts, search and counts of a text by character, a double-byte pair counting as one.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "texts/shift_jis.h"
#include "values/byte_search.h"
#include "values/operand_checks.h"
#include "values/raise_error.h"
#include "values/string_functions.h"
#include "values/string_values.h"

void LeftChars(std::int32_t count) {
  PoppedString s;
  RequireNotNegative(count);
  PushPartOf(s, 0, static_cast<std::uint32_t>(SkipCharacters(s.bytes(), s.length(), static_cast<std::size_t>(count))));
}

void MidChars(std::int32_t start, std::int32_t count) {
  PoppedString s;
  RequirePositive(start);
  RequireNotNegative(count);
  const std::size_t characters = CountCharacters(s.bytes(), s.length()).characters;
  const auto first = static_cast<std::size_t>(start);
  if (characters < first || count == 0) {
    PushPartOf(s, 0, 0);
    return;
  }
  const std::size_t taken = std::min(static_cast<std::size_t>(count), characters - first + 1);
  const std::size_t from = SkipCharacters(s.bytes(), s.length(), first - 1);
  const std::size_t to = from + SkipCharacters(s.bytes() + from, s.length() - from, taken);
  PushPartOf(s, static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(to - from));
}

// The sought bytes are found bytewise; a find that starts inside a double-byte character is passed over, and the
// character walk only goes as far as the finds.
std::int32_t FindCharsIn(std::int32_t start, std::string_view s, std::string_view t) {
  RequirePositive(start);
  if (s.empty()) return 0;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.data());
  std::size_t offset = SkipCharacters(bytes, s.size(), static_cast<std::size_t>(start) - 1);
  if (offset == s.size() || t.size() > s.size()) return 0;  // fewer characters than start
  if (t.empty()) return start;
  std::int32_t position = start;
  for (;;) {
    const std::size_t found = FindFrom(s, t, offset);
    if (found == std::string_view::npos) return 0;
    while (offset < found) {
      offset = NextCharacter(bytes, s.size(), offset);
      ++position;
    }
    if (offset == found) return position;
  }
}

std::int32_t FindChars(std::int32_t start) {
  PoppedString s;
  PoppedString t;
  return FindCharsIn(start, s.view(), t.view());
}

std::int32_t CharactersUpTo(std::string_view s, std::size_t limit) {
  if (limit >= s.size()) return CharactersIn(s);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.data());
  std::size_t characters = 0;
  // A lead byte that ends the text steps past the end: it still counts as one character.
  for (std::size_t offset = 0; offset < s.size() && characters < limit; ++characters) offset += kCharacterSize[bytes[offset]];
  return static_cast<std::int32_t>(characters);
}

std::int32_t CharactersIn(std::string_view s) {
  return static_cast<std::int32_t>(
      CountCharacters(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()).characters);
}

std::int32_t CountChars(std::int32_t kind) {
  PoppedString s;
  if (kind < 0 || kind > 2) RaiseError(error::kBadArgument);
  const CharacterCount count = CountCharacters(s.bytes(), s.length());
  if (kind == 1) return static_cast<std::int32_t>(count.characters - count.pairs);
  if (kind == 2) return static_cast<std::int32_t>(count.pairs);
  return static_cast<std::int32_t>(count.characters);
}

std::int32_t IsDoubleByteAt(std::int32_t position) {
  PoppedString s;
  const std::size_t characters = CountCharacters(s.bytes(), s.length()).characters;
  if (position < 1 || static_cast<std::size_t>(position) > characters) RaiseError(error::kBadArgument);
  const std::size_t offset = SkipCharacters(s.bytes(), s.length(), static_cast<std::size_t>(position) - 1);
  return IsLeadByte(s.bytes()[offset]) ? 1 : 0;
}
