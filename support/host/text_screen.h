// The console's text screen: 80 × 24 cells with a cursor, written at the cursor with wrapping, scrolling and whole
// double-byte characters, and drawn through the window's operations.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/window.h"

class TextScreen {
 public:
  static constexpr std::int32_t kColumns = platform::kConsoleColumns;
  static constexpr std::int32_t kRows = platform::kConsoleRows;
  static constexpr std::uint8_t kForeground = 7;
  static constexpr std::uint8_t kAttribute = 4;

  using Row = std::array<platform::Cell, kColumns>;

  explicit TextScreen(platform::Window& window);

  // The screen write: CR, LF and the bytes between them, at the cursor.
  void Write(const std::uint8_t* bytes, std::size_t length);

  std::int32_t cursor_column() const { return cursor_column_; }
  std::int32_t cursor_row() const { return cursor_row_; }
  std::int32_t print_width() const { return kColumns; }
  void MoveCursor(std::int32_t column, std::int32_t row);
  bool cursor_shown() const { return cursor_shown_; }
  void SetCursorShown(bool shown);

  const Row& row(std::int32_t index) const { return cells_[static_cast<std::size_t>(index)]; }

  std::int32_t view_column() const { return view_column_; }
  std::int32_t view_row() const { return view_row_; }
  std::int32_t visible_columns() const { return visible_columns_; }
  std::int32_t visible_rows() const { return visible_rows_; }
  // The window shows this many cells now: the view origin is kept where the whole visible part lies on the screen,
  // and moves as little as needed to show the cursor. It follows the cursor from then on.
  void SetVisibleSize(std::int32_t columns, std::int32_t rows);

  // Moves the view origin as little as needed to show the cell (it shows the cursor this way).
  void ShowCell(std::int32_t column, std::int32_t row);

  // What the console holds, kept while a dialog takes over the screen.
  struct Contents {
    std::array<Row, kRows> cells;
    std::int32_t cursor_column;
    std::int32_t cursor_row;
    bool cursor_shown;
  };
  Contents Save() const { return {cells_, cursor_column_, cursor_row_, cursor_shown_}; }
  // Puts the contents back, drawing the rows that differ.
  void Restore(const Contents& contents);
  // Replaces a row's cells; the row is drawn only when it changes.
  void PutRow(std::int32_t row, const Row& cells);

  // Draws every row from the view row on, as runs of equal colour and attribute, then places the caret.
  void Paint();
  // The rows as cp932 text: each without its trailing blanks and ended by CR LF; wholly blank rows left out.
  std::string CopyText() const;

 private:
  void WriteRun(const std::uint8_t* bytes, std::size_t length, bool ends_write);
  void NewLine();
  void Scroll();
  void Draw(std::int32_t row, std::int32_t first, std::int32_t count);
  void DrawRow(std::int32_t row);
  void PlaceCaret();
  void FollowCursor() { ShowCell(cursor_column_, cursor_row_); }
  platform::Cell Blank() const;

  platform::Window& window_;
  std::array<Row, kRows> cells_;
  std::int32_t cursor_column_ = 0;
  std::int32_t cursor_row_ = 0;
  bool cursor_shown_ = true;
  std::int32_t view_column_ = 0;
  std::int32_t view_row_ = 0;
  std::int32_t visible_columns_ = kColumns;
  std::int32_t visible_rows_ = kRows;
  // A lead byte that ended the last write, waiting for its trail byte at the cursor position it left.
  std::uint8_t pending_lead_ = 0;
  std::int32_t pending_column_ = 0;
  std::int32_t pending_row_ = 0;
};

// The main window's console, as the converter and the reports reach it; error 1000 when the window is gone.
std::int32_t CursorRow();
// Column 0 ... 79, row 0 ... 23; error 5 outside.
void PlaceCursor(std::int32_t column, std::int32_t row);
void WriteConsoleText(const std::uint8_t* bytes, std::size_t length);
