// The console's drawing: runs of cells in the stock fixed font over the backing picture, the scroll of the rows,
// and the caret at the cursor.
#include <string>

#include "platform/win32/cell_colours.h"
#include "platform/win32/console_window.h"
#include "platform/win32/system_calls.h"

namespace platform::win32 {

void ConsoleWindow::FocusGained() {
  focused_ = true;
  CreateCaret(window_, nullptr, 2, cell_height_);
  caret_visible_ = false;
  PlaceCaret();
}

void ConsoleWindow::FocusLost() {
  if (caret_visible_) ::HideCaret(window_);
  caret_visible_ = false;
  focused_ = false;
  DestroyCaret();
}

HDC ConsoleWindow::DrawingContext() {
  if (picture_context_ != nullptr) return picture_context_;
  const HDC context = paint_context_ != nullptr ? paint_context_ : GetDC(window_);
  SelectPalette(context, palette_, FALSE);
  RealizePalette(context);
  return context;
}

void ConsoleWindow::ReleaseDrawingContext(HDC context) {
  if (context != paint_context_ && context != picture_context_) ReleaseDC(window_, context);
}

bool ConsoleWindow::CreateBackingPicture() {
  if (window_ == nullptr) return false;
  const RECT whole{0, 0, kColumns * cell_width_, kRows * cell_height_};
  const HDC window_context = GetDC(window_);
  const HDC memory = CreateCompatibleDC(window_context);
  const HBITMAP picture =
      memory != nullptr ? Calls().create_bitmap(window_context, whole.right, whole.bottom) : nullptr;
  ReleaseDC(window_, window_context);
  if (picture == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    return false;
  }
  backing_previous_ = SelectObject(memory, picture);
  const HBRUSH background = CreateSolidBrush(BackgroundColour());
  FillRect(memory, &whole, background);
  DeleteObject(background);
  backing_context_ = memory;
  backing_picture_ = picture;
  return true;
}

void ConsoleWindow::ReleasePictures() {
  if (backing_context_ != nullptr) {
    SelectObject(backing_context_, backing_previous_);
    DeleteDC(backing_context_);
    DeleteObject(backing_picture_);
  }
  backing_context_ = nullptr;
  backing_picture_ = nullptr;
  if (palette_ != nullptr) DeleteObject(palette_);
  palette_ = nullptr;
}

// What the cells showed before goes: the backing picture under them is put back, or the plain background without
// one.
void ConsoleWindow::ClearCells(HDC context, const RECT& cells, std::int32_t column, std::int32_t row) {
  if (backing_context_ != nullptr) {
    BitBlt(context, cells.left, cells.top, cells.right - cells.left, cells.bottom - cells.top, backing_context_,
           column * cell_width_, row * cell_height_, SRCCOPY);
    return;
  }
  const HBRUSH background = CreateSolidBrush(BackgroundColour());
  FillRect(context, &cells, background);
  DeleteObject(background);
}

// The cells are cleared and the run drawn over them, normal text transparently, reverse text opaquely; a
// double-byte character the run cuts is drawn whole.
void ConsoleWindow::DrawCells(const CellRun& run) {
  if (window_ == nullptr || (picture_context_ == nullptr && IsIconic(window_))) return;
  std::int32_t first = run.first;
  std::int32_t end = run.first + run.count;
  const auto size = static_cast<std::int32_t>(run.row.size());
  if (first > 0 && run.row[static_cast<std::size_t>(first - 1)].role == ByteRole::Lead) --first;
  if (end < size && run.row[static_cast<std::size_t>(end)].role == ByteRole::Trail) ++end;
  if (first >= end) return;
  std::string text;
  for (std::int32_t index = first; index < end; ++index) {
    text.push_back(static_cast<char>(run.row[static_cast<std::size_t>(index)].character));
  }
  const Cell& look = run.row[static_cast<std::size_t>(run.first)];
  const CellColours colours = ColoursOf(look.colour, look.attribute);
  const std::int32_t column = run.x - (run.first - first);
  const std::int32_t x = (column - OriginColumn()) * cell_width_;
  const std::int32_t y = (run.y - OriginRow()) * cell_height_;
  const RECT cells{x, y, x + (end - first) * cell_width_, y + cell_height_};
  const HDC context = DrawingContext();
  const HGDIOBJ previous = SelectObject(context, font_);
  if (colours.opaque) {
    const HBRUSH background = CreateSolidBrush(colours.background);
    FillRect(context, &cells, background);
    DeleteObject(background);
  } else {
    ClearCells(context, cells, column, run.y);
  }
  SetTextColor(context, colours.text);
  SetBkColor(context, colours.background);
  SetBkMode(context, colours.opaque ? OPAQUE : TRANSPARENT);
  TabbedTextOutA(context, x, y, text.data(), static_cast<int>(text.size()), 0, nullptr, 0);
  SelectObject(context, previous);
  ReleaseDrawingContext(context);
}

// The rows below the top one move up by a cell; the freed row is drawn by the host right after, so it is not left
// to a repaint.
void ConsoleWindow::ScrollUp(std::int32_t top, std::int32_t rows) {
  if (window_ == nullptr) return;
  const RECT area{-view_column_ * cell_width_, (top - view_row_) * cell_height_,
                  (kColumns - view_column_) * cell_width_, (top + rows - view_row_) * cell_height_};
  ScrollWindow(window_, 0, -cell_height_, &area, &area);
  const RECT freed{area.left, area.bottom - cell_height_, area.right, area.bottom};
  ValidateRect(window_, &freed);
}

void ConsoleWindow::Update() {
  if (window_ != nullptr) UpdateWindow(window_);
}

void ConsoleWindow::HideCaret() {
  caret_wanted_ = false;
  if (focused_ && caret_visible_) ::HideCaret(window_);
  caret_visible_ = false;
}

void ConsoleWindow::ShowCaretAt(std::int32_t x, std::int32_t y) {
  caret_wanted_ = true;
  caret_x_ = x;
  caret_y_ = y;
  PlaceCaret();
}

void ConsoleWindow::PlaceCaret() {
  if (!focused_ || !caret_wanted_ || window_ == nullptr) return;
  SetCaretPos((caret_x_ - view_column_) * cell_width_, (caret_y_ - view_row_) * cell_height_);
  if (!caret_visible_) ShowCaret(window_);
  caret_visible_ = true;
}

}  // namespace platform::win32
