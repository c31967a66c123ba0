// Matching file names against search patterns, character by character.
#include "platform/posix/name_pattern.h"

#include <cstdint>

#include "texts/shift_jis.h"

namespace platform {
namespace {

// The text of one character of cp932 at an offset.
std::string_view CharacterAt(std::string_view text, std::size_t offset) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return text.substr(offset, NextCharacter(bytes, text.size(), offset) - offset);
}

// The usual wildcard walk: on a mismatch after a "*", that "*" takes one more character of the name and the rest
// of the pattern is tried again from there.
bool Glob(std::string_view pattern, std::string_view name) {
  std::size_t at_pattern = 0;
  std::size_t at_name = 0;
  std::size_t after_star = std::string_view::npos;
  std::size_t star_name = 0;
  while (at_name < name.size()) {
    const std::string_view wanted = at_pattern < pattern.size() ? CharacterAt(pattern, at_pattern) : "";
    const std::string_view character = CharacterAt(name, at_name);
    if (wanted == "*") {
      after_star = ++at_pattern;
      star_name = at_name;
    } else if (!wanted.empty() && (wanted == "?" || wanted == character)) {
      at_pattern += wanted.size();
      at_name += character.size();
    } else if (after_star != std::string_view::npos) {
      at_pattern = after_star;
      star_name += CharacterAt(name, star_name).size();
      at_name = star_name;
    } else {
      return false;
    }
  }
  while (at_pattern < pattern.size() && pattern[at_pattern] == '*') ++at_pattern;
  return at_pattern == pattern.size();
}

// Whether the pattern's last two characters are "." and "*".
bool EndsWithAnyExtension(std::string_view pattern) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(pattern.data());
  std::size_t before_last = std::string_view::npos;
  std::size_t last = std::string_view::npos;
  for (std::size_t offset = 0; offset < pattern.size(); offset = NextCharacter(bytes, pattern.size(), offset)) {
    before_last = last;
    last = offset;
  }
  return before_last != std::string_view::npos && pattern.substr(before_last) == ".*";
}

}  // namespace

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  if (Glob(pattern, name)) return true;
  return EndsWithAnyExtension(pattern) && Glob(pattern.substr(0, pattern.size() - 2), name);
}

}  // namespace platform
