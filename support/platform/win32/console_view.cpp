// The console's view: which cells the client area shows when the window is smaller than the screen, and the
// scroll bars that move it.
#include <algorithm>

#include "platform/win32/console_window.h"

namespace platform::win32 {

// The view origin moves back only as far as the visible part needs. A direction gets its scroll bar only while the
// window is more than one cell smaller than its full size there; at full size the client area shows every cell.
void ConsoleWindow::Sized(std::int32_t width, std::int32_t height) {
  visible_columns_ = std::max(width / cell_width_, 0);
  visible_rows_ = std::max(height / cell_height_, 0);
  const auto keep = [](std::int32_t origin, std::int32_t cells, std::int32_t visible) {
    if (origin >= cells - visible) origin = cells - visible - 1;
    return std::max(origin, 0);
  };
  view_column_ = keep(view_column_, kColumns, visible_columns_);
  view_row_ = keep(view_row_, kRows, visible_rows_);
  RECT outer;
  GetWindowRect(window_, &outer);
  const RECT full = FullWindowRect();
  const bool narrow = (full.right - full.left) - (outer.right - outer.left) > cell_width_;
  const bool short_ = (full.bottom - full.top) - (outer.bottom - outer.top) > cell_height_;
  SetScrollRange(window_, SB_HORZ, 0, narrow ? std::max(kColumns - visible_columns_ - 1, 0) : 0, FALSE);
  SetScrollPos(window_, SB_HORZ, view_column_, TRUE);
  SetScrollRange(window_, SB_VERT, 0, short_ ? std::max(kRows - visible_rows_ - 1, 0) : 0, FALSE);
  SetScrollPos(window_, SB_VERT, view_row_, TRUE);
  InvalidateRect(window_, nullptr, TRUE);
}

// A drag of the thumb carries its position in the message.
void ConsoleWindow::ScrollView(int bar, WPARAM request) {
  const bool across = bar == SB_HORZ;
  std::int32_t& origin = across ? view_column_ : view_row_;
  const std::int32_t page = std::max(across ? visible_columns_ : visible_rows_, 1);
  int low = 0;
  int high = 0;
  GetScrollRange(window_, bar, &low, &high);
  std::int32_t wanted = origin;
  switch (LOWORD(request)) {
    case SB_LINEUP: wanted = origin - 1; break;
    case SB_LINEDOWN: wanted = origin + 1; break;
    case SB_PAGEUP: wanted = origin - page; break;
    case SB_PAGEDOWN: wanted = origin + page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: wanted = HIWORD(request); break;
    default: return;
  }
  wanted = std::clamp<std::int32_t>(wanted, low, high);
  if (wanted == origin) return;
  const std::int32_t moved = origin - wanted;
  origin = wanted;
  ScrollWindow(window_, across ? moved * cell_width_ : 0, across ? 0 : moved * cell_height_, nullptr, nullptr);
  SetScrollPos(window_, bar, origin, TRUE);
  PlaceCaret();
}

}  // namespace platform::win32
