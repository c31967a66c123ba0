// Full-width to half-width conversion: alphanumerics and signs become ASCII, katakana become half-width kana.
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "texts/shift_jis.h"
#include "values/scratch_buffer.h"
#include "values/string_functions.h"
#include "values/string_values.h"
#include "texts.h"

namespace {

struct HalfWidth {
  std::uint8_t bytes[2];
  std::uint8_t length;
};

// The 0-based index of the double-byte character (first, second) in a table of pairs; the first match wins.
std::optional<std::uint8_t> IndexIn(std::string_view table, std::uint8_t first, std::uint8_t second) {
  for (std::size_t offset = 0; offset + 1 < table.size(); offset += 2) {
    if (static_cast<std::uint8_t>(table[offset]) == first && static_cast<std::uint8_t>(table[offset + 1]) == second) {
      return static_cast<std::uint8_t>(offset / 2);
    }
  }
  return std::nullopt;
}

std::optional<std::uint8_t> Katakana(std::uint8_t first, std::uint8_t second) {
  const auto index = IndexIn(texts::HalfWidthKatakana, first, second);
  if (!index) return std::nullopt;
  return static_cast<std::uint8_t>(0xA0 + *index);
}

// A voiced kana is its unvoiced kana (second byte one less) and the voicing mark; a semi-voiced one is two less.
std::optional<HalfWidth> Convert(std::uint8_t first, std::uint8_t second) {
  if (const auto index = IndexIn(texts::HalfWidthAlphanumeric, first, second)) {
    return HalfWidth{{static_cast<std::uint8_t>(0x20 + *index), 0}, 1};
  }
  if (const auto kana = Katakana(first, second)) return HalfWidth{{*kana, 0}, 1};
  if (IndexIn(texts::HalfWidthVoiced, first, second)) {
    if (const auto kana = Katakana(first, static_cast<std::uint8_t>(second - 1))) return HalfWidth{{*kana, 0xDE}, 2};
  }
  if (IndexIn(texts::HalfWidthSemiVoiced, first, second)) {
    if (const auto kana = Katakana(first, static_cast<std::uint8_t>(second - 2))) return HalfWidth{{*kana, 0xDF}, 2};
  }
  return std::nullopt;
}

// What each double-byte character becomes, looked up in the tables the first time the character is met: its
// half-width form, or the pair itself when it stays as it is.
struct Memo {
  bool known;
  HalfWidth half;
};
std::array<Memo, 256 * 256> memo;

const HalfWidth& Lookup(std::uint8_t first, std::uint8_t second) {
  Memo& entry = memo[first * 256u + second];
  if (!entry.known) {
    entry.half = Convert(first, second).value_or(HalfWidth{{first, second}, 2});
    entry.known = true;
  }
  return entry.half;
}

}  // namespace

// Runs of eight bytes below 0x80, which hold no pair, are copied a word at a time.
void ToHalfWidth() {
  PoppedString s;
  ScratchBuffer scratch(s.length());
  std::uint8_t* out = scratch.data();
  const std::uint8_t* bytes = s.bytes();
  const std::size_t length = s.length();
  std::size_t written = 0;
  for (std::size_t offset = 0; offset < length;) {
    if (bytes[offset] < 0x80 && length - offset >= 8 && EightSingleBytes(bytes, offset)) {
      std::memcpy(out + written, bytes + offset, 8);
      written += 8;
      offset += 8;
    } else if (NextCharacter(bytes, length, offset) == offset + 2) {
      // Both bytes are written whatever the length: the result never runs ahead of the text.
      const HalfWidth& converted = Lookup(bytes[offset], bytes[offset + 1]);
      std::memcpy(out + written, converted.bytes, 2);
      written += converted.length;
      offset += 2;
    } else {
      out[written++] = bytes[offset++];
    }
  }
  s.Release();
  MakeTemporary(static_cast<std::uint32_t>(written), out);
}
