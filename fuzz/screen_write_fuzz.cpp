// Any bytes, in any pieces, written to the text screen: the cursor stays on the screen and no double-byte
// character is split over two rows.
#include <cstdlib>

#include "host/text_screen.h"

namespace {

class NoWindow final : public platform::Window {
 public:
  void DrawCells(const platform::CellRun& run) override {
    if (run.first < 0 || run.first + run.count > static_cast<std::int32_t>(run.row.size())) std::abort();
  }
  void ScrollUp(std::int32_t, std::int32_t) override {}
  void Update() override {}
  void HideCaret() override {}
  void ShowCaretAt(std::int32_t, std::int32_t) override {}
  void Invalidate() override {}
  void Poll(platform::WindowEvents&) override {}
  bool WaitForKey(platform::WindowEvents&) override { return false; }
  void ShowMessageBox(std::string_view, std::string_view, platform::BoxIcon) override {}
  bool SetClipboardText(std::string_view) override { return false; }
  void Beep() override {}
  void EchoReport(std::string_view) override {}
};

}  // namespace

// A 0xFF byte ends one write and starts the next.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  NoWindow window;
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
