// The console as a transcript on standard output.
#include "platform/posix/transcript_window.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/posix/console_io.h"
#include "platform/posix/display_text.h"

namespace platform::posix {

namespace {

constexpr std::size_t kScreenColumns = kConsoleColumns;
constexpr std::int32_t kScreenRows = kConsoleRows;
constexpr std::string_view kEraseToEnd = "\x1b[K";

using Row = std::array<Cell, kScreenColumns>;

class TranscriptWindow final : public Window {
 public:
  explicit TranscriptWindow(TranscriptOutput output)
      : written_out_(output != TranscriptOutput::None),
        live_(output == TranscriptOutput::LinesAndLiveRow),
        in_place_(live_ || output == TranscriptOutput::LinesOverProgress) {
    Row blank;
    blank.fill({' ', 7, 4, ByteRole::Single});
    screen_.fill(blank);
  }

  ~TranscriptWindow() override {
    std::int32_t last = kScreenRows - 1;
    while (last >= written_ && RowText(last).empty()) --last;
    while (written_ <= last) WriteRow(written_++);
    if (live_ && !shown_live_.empty()) {
      out_ += '\r';
      out_ += kEraseToEnd;
    }
    Flush();
  }

  // The mirror of the screen: each drawn row is taken whole.
  void DrawCells(const CellRun& run) override {
    if (run.y < 0 || run.y >= kScreenRows) return;
    Row& row = screen_[static_cast<std::size_t>(run.y)];
    std::copy_n(run.row.begin(), std::min(run.row.size(), row.size()), row.begin());
  }

  void ScrollUp(std::int32_t, std::int32_t) override {
    if (written_ == 0) {
      WriteRow(0);
    } else {
      --written_;
    }
    std::move(screen_.begin() + 1, screen_.end(), screen_.begin());
  }

  void Update() override {}
  void HideCaret() override {}

  // The cursor has left the rows above it: they are finished.
  void ShowCaretAt(std::int32_t, std::int32_t y) override {
    while (written_ < y && written_ < kScreenRows) WriteRow(written_++);
    caret_row_ = y;
  }

  void Invalidate() override {}

  void Poll(WindowEvents& events) override {
    DeliverSignals(events);
    if (look_.Due()) Flush();
  }

  // A transcript is a batch run's console: nobody is there to answer a prompt.
  bool WaitForKey(WindowEvents&) override {
    Flush();
    return false;
  }

  void ShowMessageBox(std::string_view text, std::string_view caption, BoxIcon) override {
    Flush();
    WriteAll(STDERR_FILENO, encoder_.Text(std::string(caption) + ": " + std::string(text)) + "\n");
  }

  bool SetClipboardText(std::string_view) override { return false; }
  void Beep() override {}

  void EchoReport(std::string_view text) override {
    Flush();
    WriteAll(STDERR_FILENO, encoder_.Text(WithoutLeadingLineEnds(text)) + "\n");
  }

 private:
  std::string RowText(std::int32_t row) {
    const Row& cells = screen_[static_cast<std::size_t>(row)];
    std::size_t end = cells.size();
    while (end > 0 && cells[end - 1].character == ' ' && cells[end - 1].role == ByteRole::Single) --end;
    std::string text;
    encoder_.AppendCells(text, cells, 0, end, Layout::Line);
    return text;
  }

  void WriteRow(std::int32_t row) {
    if (in_place_) out_ += "\r";
    out_ += RowText(row);
    if (in_place_) out_ += kEraseToEnd;
    out_ += "\n";
    shown_live_.clear();
  }

  // On a terminal the row the cursor is on is shown as it stands, in place.
  void ShowLiveRow() {
    if (!live_ || caret_row_ < written_ || caret_row_ >= kScreenRows) return;
    const std::string text = RowText(caret_row_);
    if (text == shown_live_) return;
    out_ += '\r';
    out_ += text;
    out_ += kEraseToEnd;
    shown_live_ = text;
  }

  void Flush() {
    ShowLiveRow();
    if (written_out_) WriteAll(STDOUT_FILENO, out_);
    out_.clear();
  }

  bool written_out_;
  bool live_;
  bool in_place_;  // a row starts at the line's start and erases what stood there
  std::array<Row, kScreenRows> screen_;
  std::int32_t written_ = 0;  // rows above this one are in the transcript
  std::int32_t caret_row_ = 0;
  DisplayEncoder encoder_;
  LookTimer look_;
  std::string out_;
  std::string shown_live_;
};

}  // namespace

std::unique_ptr<Window> OpenTranscriptWindow(TranscriptOutput output) {
  return std::make_unique<TranscriptWindow>(output);
}

}  // namespace platform::posix
