// cp932 cells and texts in the terminal's encoding (the locale's codeset; UTF-8 under the C or POSIX locale).
// Program data never passes here: this is only what the console shows.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace platform::posix {

// Screen: every character takes exactly as many terminal columns as it has bytes. Line: characters as they come.
enum class Layout : std::uint8_t { Screen, Line };

class DisplayEncoder {
 public:
  DisplayEncoder();
  ~DisplayEncoder();
  DisplayEncoder(const DisplayEncoder&) = delete;
  DisplayEncoder& operator=(const DisplayEncoder&) = delete;

  // Cells [first, end) of a row: a lead byte with its trail byte as one character, a half whose partner is not in
  // the range as a blank.
  void AppendCells(std::string& out, std::span<const Cell> row, std::size_t first, std::size_t end, Layout layout);
  // A cp932 text; CR LF and LF become "\n".
  std::string Text(std::string_view cp932);

 private:
  void AppendCharacter(std::string& out, const std::uint8_t* bytes, std::size_t length, Layout layout);
  int Columns(std::string_view converted) const;

  iconv_t converter_;
  bool measurable_;  // the locale can tell how wide a converted character is
};

}  // namespace platform::posix
