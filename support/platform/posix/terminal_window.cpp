// The console on an interactive terminal. Drawing goes to a buffer that is written when the terminal is looked at
// (every few milliseconds of polling), before a wait and at the end, so a busy program makes few system calls.
#include "platform/posix/terminal_window.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/posix/console_io.h"
#include "platform/posix/display_text.h"
#include "platform/posix/terminal_mode.h"
#include "texts/shift_jis.h"
#include "texts.h"

namespace platform::posix {

namespace {

constexpr std::int32_t kScreenColumns = kConsoleColumns;
constexpr std::int32_t kScreenRows = kConsoleRows;

constexpr std::string_view kEnter = "\x1b[22;0t\x1b[?1049h\x1b[0m\x1b[2J";
constexpr std::string_view kLeave = "\x1b[0m\x1b[?25h\x1b[?1049l\x1b[23;0t";
constexpr std::string_view kClear = "\x1b[0m\x1b[2J";
constexpr std::string_view kHideCursor = "\x1b[?25l";
constexpr std::string_view kShowCursor = "\x1b[?25h";

// Attributes 1 and 5 are the reverse ones.
bool Reverse(const Cell& cell) { return cell.attribute == 1 || cell.attribute == 5; }

void MoveTo(std::string& out, std::int32_t column, std::int32_t row) {
  out += "\x1b[" + std::to_string(row + 1) + ";" + std::to_string(column + 1) + "H";
}

class TerminalWindow final : public Window {
 public:
  explicit TerminalWindow(std::string_view title) {
    SetScreenRestore(kLeave);
    out_ += kEnter;
    out_ += "\x1b]0;" + encoder_.Text(title) + "\x07";
    Flush();
  }

  ~TerminalWindow() override {
    out_ += kLeave;
    WriteAll(STDOUT_FILENO, out_);
    SetScreenRestore({});
    LeaveRawMode();
    // What was reported vanished with the alternate screen: it is shown once more on standard error.
    if (!reports_.empty()) WriteAll(STDERR_FILENO, encoder_.Text(reports_) + "\n");
  }

  void DrawCells(const CellRun& run) override {
    if (run.y < 0 || run.y >= visible_rows_) return;
    HideCursor();
    const std::int32_t view_column = run.first - run.x;
    // A double-byte character the run cuts, or leaves without its other half, is drawn again too.
    auto first = static_cast<std::size_t>(run.first);
    auto end = static_cast<std::size_t>(run.first + run.count);
    if (first > 0 && run.row[first - 1].role == ByteRole::Lead) --first;
    if (end < run.row.size() && run.row[end].role == ByteRole::Trail) ++end;
    first = std::max<std::size_t>(first, static_cast<std::size_t>(std::max(view_column, 0)));
    end = std::min<std::size_t>(end, static_cast<std::size_t>(view_column + visible_columns_));
    if (first >= end) return;
    MoveTo(out_, static_cast<std::int32_t>(first) - view_column, run.y);
    // Reverse cells (a dialog's highlight) in reverse video; a double-byte character keeps its two cells together.
    while (first < end) {
      const bool reverse = Reverse(run.row[first]);
      std::size_t stop = first + 1;
      while (stop < end && (Reverse(run.row[stop]) == reverse || run.row[stop].role == ByteRole::Trail)) ++stop;
      if (reverse) out_ += "\x1b[7m";
      encoder_.AppendCells(out_, run.row, first, stop, Layout::Screen);
      if (reverse) out_ += "\x1b[27m";
      first = stop;
    }
  }

  // A full-size screen scrolls in the terminal; a partial view is drawn again.
  void ScrollUp(std::int32_t top, std::int32_t rows) override {
    if (top != 0 || rows != kScreenRows || visible_rows_ != kScreenRows) {
      repaint_pending_ = true;
      return;
    }
    HideCursor();
    out_ += "\x1b[1;24r";
    MoveTo(out_, 0, kScreenRows - 1);
    out_ += "\n\x1b[r";
  }

  void Update() override {}

  // The caret is placed when the drawing is written out, so a run of writes moves it once.
  void HideCaret() override { caret_wanted_ = false; }

  void ShowCaretAt(std::int32_t x, std::int32_t y) override {
    caret_wanted_ = x >= 0 && y >= 0 && x < visible_columns_ && y < visible_rows_;
    caret_x_ = x;
    caret_y_ = y;
  }

  void Invalidate() override { repaint_pending_ = true; }

  void Poll(WindowEvents& events) override {
    if (DeliverSignals(events)) resize_pending_ = true;
    if (!look_.Due()) return;
    keys_.ReadAvailable(events);
    Refresh(events);
  }

  bool WaitForKey(WindowEvents& events) override {
    Refresh(events);
    if (keys_.Wait(events)) resize_pending_ = true;
    Refresh(events);
    return true;
  }

  // A terminal has no boxes: the text is kept and shown on standard error when the screen is given back.
  void ShowMessageBox(std::string_view text, std::string_view caption, BoxIcon) override {
    reports_ += std::string(caption) + ": " + std::string(text) + "\r\n";
  }

  // The terminal's own selection copies text; the program has no copy command here.
  bool SetClipboardText(std::string_view) override { return false; }

  void Beep() override { out_ += "\a"; }

  void EchoReport(std::string_view text) override { reports_ += WithoutLeadingLineEnds(text); }

 private:
  void HideCursor() {
    if (cursor_visible_) out_ += kHideCursor;
    cursor_visible_ = false;
  }

  // Writes what was drawn and then places the caret; with nothing drawn the terminal is left alone.
  void Flush() {
    const bool caret_moved = caret_x_ != placed_x_ || caret_y_ != placed_y_;
    if (out_.empty() && caret_wanted_ == cursor_visible_ && (!caret_wanted_ || !caret_moved)) return;
    if (caret_wanted_) {
      MoveTo(out_, caret_x_, caret_y_);
      placed_x_ = caret_x_;
      placed_y_ = caret_y_;
      if (!cursor_visible_) out_ += kShowCursor;
      cursor_visible_ = true;
    } else {
      HideCursor();
    }
    WriteAll(STDOUT_FILENO, out_);
    out_.clear();
  }

  void Measure() {
    winsize size{};
    std::int32_t columns = kScreenColumns;
    std::int32_t rows = kScreenRows;
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
      columns = size.ws_col;
      rows = size.ws_row;
    }
    hint_ = columns < kScreenColumns || rows < kScreenRows;
    terminal_columns_ = columns;
    visible_columns_ = std::min(columns, kScreenColumns);
    visible_rows_ = std::min(hint_ ? std::max(rows - 1, 1) : rows, kScreenRows);
    hint_row_ = rows - 1;
  }

  // The hint on the terminal's last row, cut to its width.
  void DrawHint() {
    if (!hint_) return;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(texts::SmallTerminalHint.data());
    std::vector<Cell> cells;
    for (std::size_t index = 0; index < texts::SmallTerminalHint.size(); ++index) {
      const bool trail = !cells.empty() && cells.back().role == ByteRole::Lead;
      const ByteRole role = trail ? ByteRole::Trail : IsLeadByte(bytes[index]) ? ByteRole::Lead : ByteRole::Single;
      cells.push_back({bytes[index], 7, 0, role});
    }
    HideCursor();
    MoveTo(out_, 0, hint_row_);
    out_ += "\x1b[7m";
    encoder_.AppendCells(out_, cells, 0, std::min<std::size_t>(cells.size(), terminal_columns_), Layout::Screen);
    out_ += "\x1b[0m";
  }

  void Refresh(WindowEvents& events) {
    if (resize_pending_) {
      resize_pending_ = false;
      Measure();
      events.Resized(visible_columns_, visible_rows_);
      repaint_pending_ = true;
    }
    if (repaint_pending_) {
      repaint_pending_ = false;
      out_ += kClear;
      events.PaintRequested();
      DrawHint();
    }
    Flush();
  }

  DisplayEncoder encoder_;
  KeyReader keys_;
  LookTimer look_;
  std::string out_;
  std::string reports_;
  bool caret_wanted_ = false;
  std::int32_t caret_x_ = 0;
  std::int32_t caret_y_ = 0;
  bool cursor_visible_ = true;
  // Where the caret was last put on the terminal.
  std::int32_t placed_x_ = -1;
  std::int32_t placed_y_ = -1;
  bool resize_pending_ = true;
  bool repaint_pending_ = false;
  bool hint_ = false;
  std::int32_t terminal_columns_ = kScreenColumns;
  std::int32_t visible_columns_ = kScreenColumns;
  std::int32_t visible_rows_ = kScreenRows;
  std::int32_t hint_row_ = kScreenRows;
};

}  // namespace

std::unique_ptr<Window> OpenTerminalWindow(std::string_view title) {
  if (!EnterRawMode()) return nullptr;
  return std::make_unique<TerminalWindow>(title);
}

}  // namespace platform::posix
