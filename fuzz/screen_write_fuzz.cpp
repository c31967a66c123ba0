// Any bytes, in any pieces, written to the text screen: the cursor stays on the screen and no double-byte
// character is split over two rows.
#include <cstdlib>

#include "fuzz/quiet_window.h"
#include "host/text_screen.h"

// A 0xFF byte ends one write and starts the next.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietWindow window;
  TextScreen screen(window);
  std::size_t start = 0;
  for (std::size_t index = 0; index <= size; ++index) {
    if (index < size && data[index] != 0xFF) continue;
    screen.Write(data + start, index - start);
    start = index + 1;
    if (screen.cursor_column() >= TextScreen::kColumns || screen.cursor_row() >= TextScreen::kRows) std::abort();
  }
  for (std::int32_t row = 0; row < TextScreen::kRows; ++row) {
    const TextScreen::Row& cells = screen.row(row);
    if (cells.back().role == platform::ByteRole::Lead || cells.front().role == platform::ByteRole::Trail) std::abort();
  }
  return 0;
}
