// The console's text screen: the screen write, the cursor, the view origin, painting and the copy as text.
#include "host/text_screen.h"

#include <algorithm>

#include "texts/shift_jis.h"

using platform::ByteRole;
using platform::Cell;

namespace {

constexpr std::uint8_t kCarriageReturn = 13;
constexpr std::uint8_t kLineFeed = 10;

bool SameLook(const Cell& a, const Cell& b) { return a.colour == b.colour && a.attribute == b.attribute; }

}  // namespace

TextScreen::TextScreen(platform::Window& window) : window_(window) {
  for (Row& row : cells_) row.fill(Blank());
}

Cell TextScreen::Blank() const { return {' ', kForeground, kAttribute, ByteRole::Single}; }

void TextScreen::Write(const std::uint8_t* bytes, std::size_t length) {
  window_.HideCaret();
  const bool joins = pending_lead_ != 0 && length > 0 && cursor_column_ == pending_column_ &&
                     cursor_row_ == pending_row_ && bytes[0] != kCarriageReturn && bytes[0] != kLineFeed;
  std::size_t run_start = 0;
  if (joins) {
    const std::uint8_t pair[2] = {pending_lead_, bytes[0]};
    pending_lead_ = 0;
    WriteRun(pair, 2, false);
    run_start = 1;
  }
  pending_lead_ = 0;
  for (std::size_t index = run_start; index < length; ++index) {
    if (bytes[index] != kCarriageReturn && bytes[index] != kLineFeed) continue;
    WriteRun(bytes + run_start, index - run_start, false);
    if (bytes[index] == kCarriageReturn) {
      cursor_column_ = 0;
    } else {
      NewLine();
    }
    run_start = index + 1;
  }
  WriteRun(bytes + run_start, length - run_start, true);
  FollowCursor();
  PlaceCaret();
}

// Fills the row from the cursor on and moves to the next row whenever one is full. A lead byte that would take
// the last cell leaves a blank there and starts the next row; a lead byte that ends the write waits for its pair.
void TextScreen::WriteRun(const std::uint8_t* bytes, std::size_t length, bool ends_write) {
  bool expect_trail = false;
  std::size_t index = 0;
  while (index < length) {
    Row& row = cells_[static_cast<std::size_t>(cursor_row_)];
    const std::int32_t first = cursor_column_;
    std::int32_t column = first;
    bool waits = false;
    while (index < length && column < kColumns) {
      const std::uint8_t byte = bytes[index];
      const ByteRole role = expect_trail ? ByteRole::Trail : IsLeadByte(byte) ? ByteRole::Lead : ByteRole::Single;
      if (role == ByteRole::Lead && index + 1 == length && ends_write) {
        row[static_cast<std::size_t>(column)] = Blank();
        pending_lead_ = byte;
        pending_column_ = column;
        pending_row_ = cursor_row_;
        waits = true;
        ++index;
        break;
      }
      if (role == ByteRole::Lead && column == kColumns - 1) {
        row[static_cast<std::size_t>(column++)] = Blank();
        break;
      }
      row[static_cast<std::size_t>(column++)] = {byte, kForeground, kAttribute, role};
      expect_trail = role == ByteRole::Lead;
      ++index;
    }
    Draw(cursor_row_, first, column - first + (waits ? 1 : 0));
    cursor_column_ = column;
    if (cursor_column_ == kColumns) NewLine();
  }
}

void TextScreen::NewLine() {
  cursor_column_ = 0;
  if (cursor_row_ + 1 < kRows) {
    ++cursor_row_;
  } else {
    Scroll();
  }
}

// Rows leaving the top are gone: the console keeps only the rows on screen.
void TextScreen::Scroll() {
  window_.ScrollUp(-view_row_, kRows);
  std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
  cells_.back().fill(Blank());
  Draw(kRows - 1, 0, kColumns);
  window_.Update();
}

void TextScreen::Draw(std::int32_t row, std::int32_t first, std::int32_t count) {
  if (count <= 0) return;
  window_.DrawCells({cells_[static_cast<std::size_t>(row)], first, count, first - view_column_, row - view_row_});
}

void TextScreen::PlaceCaret() {
  if (cursor_shown_) window_.ShowCaretAt(cursor_column_ - view_column_, cursor_row_ - view_row_);
}

void TextScreen::MoveCursor(std::int32_t column, std::int32_t row) {
  window_.HideCaret();
  cursor_column_ = column;
  cursor_row_ = row;
  FollowCursor();
  PlaceCaret();
}

// A window smaller than the screen shows the part where output goes, or what a dialog asks.
void TextScreen::ShowCell(std::int32_t column_wanted, std::int32_t row_wanted) {
  const auto follow = [](std::int32_t origin, std::int32_t at, std::int32_t visible) {
    if (at < origin) return at;
    return at >= origin + visible ? at - visible + 1 : origin;
  };
  const std::int32_t column = follow(view_column_, column_wanted, visible_columns_);
  const std::int32_t row = follow(view_row_, row_wanted, visible_rows_);
  if (column == view_column_ && row == view_row_) return;
  view_column_ = column;
  view_row_ = row;
  window_.Invalidate();
}

void TextScreen::SetCursorShown(bool shown) {
  cursor_shown_ = shown;
  if (shown) {
    PlaceCaret();
  } else {
    window_.HideCaret();
  }
}

// The origin moves back only as far as needed; a window at most one cell short of the screen keeps origin 0.
void TextScreen::SetVisibleSize(std::int32_t columns, std::int32_t rows) {
  const auto keep = [](std::int32_t origin, std::int32_t cells, std::int32_t visible) {
    if (origin >= cells - visible) origin = cells - visible - 1;
    return std::max(origin, 0);
  };
  visible_columns_ = std::max(columns, 1);
  visible_rows_ = std::max(rows, 1);
  view_column_ = keep(view_column_, kColumns, visible_columns_);
  view_row_ = keep(view_row_, kRows, visible_rows_);
  FollowCursor();
  window_.Invalidate();
}

void TextScreen::Restore(const Contents& contents) {
  for (std::int32_t row = 0; row < kRows; ++row) PutRow(row, contents.cells[static_cast<std::size_t>(row)]);
  MoveCursor(contents.cursor_column, contents.cursor_row);
  SetCursorShown(contents.cursor_shown);
}

void TextScreen::PutRow(std::int32_t row, const Row& cells) {
  Row& kept = cells_[static_cast<std::size_t>(row)];
  const auto same = [](const Cell& a, const Cell& b) {
    return a.character == b.character && SameLook(a, b) && a.role == b.role;
  };
  if (std::equal(kept.begin(), kept.end(), cells.begin(), same)) return;
  window_.HideCaret();
  kept = cells;
  DrawRow(row);
  PlaceCaret();
}

void TextScreen::Paint() {
  window_.HideCaret();
  for (std::int32_t row = view_row_; row < kRows; ++row) DrawRow(row);
  PlaceCaret();
}

// The whole row, as runs of equal colour and attribute.
void TextScreen::DrawRow(std::int32_t row) {
  const Row& cells = cells_[static_cast<std::size_t>(row)];
  std::int32_t first = 0;
  for (std::int32_t column = 1; column <= kColumns; ++column) {
    const bool same = column < kColumns &&
                      SameLook(cells[static_cast<std::size_t>(column)], cells[static_cast<std::size_t>(first)]);
    if (same) continue;
    Draw(row, first, column - first);
    first = column;
  }
}

std::string TextScreen::CopyText() const {
  std::string text;
  text.reserve((kColumns + 2) * kRows + 2);
  for (const Row& row : cells_) {
    std::int32_t end = kColumns;
    while (end > 0 && row[static_cast<std::size_t>(end - 1)].character == ' ') --end;
    if (end == 0) continue;
    for (std::int32_t column = 0; column < end; ++column) {
      text.push_back(static_cast<char>(row[static_cast<std::size_t>(column)].character));
    }
    text += "\r\n";
  }
  return text;
}
