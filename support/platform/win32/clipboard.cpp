// The console on the clipboard: the screen's text as CF_TEXT, or its picture as CF_BITMAP.
#include <algorithm>
#include <cstring>

#include "platform/win32/console_window.h"
#include "platform/win32/failure_boxes.h"
#include "platform/win32/system_calls.h"

namespace platform::win32 {
namespace {

// Room for every row with its line end, and the terminating zero.
constexpr std::size_t kTextBlockSize = (ConsoleWindow::kColumns + 2) * ConsoleWindow::kRows + 2;

}  // namespace

bool ConsoleWindow::SetClipboardText(std::string_view text) {
  if (!OpenClipboard(window_)) return false;
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, std::max(kTextBlockSize, text.size() + 1));
  char* bytes = block != nullptr ? static_cast<char*>(GlobalLock(block)) : nullptr;
  if (bytes == nullptr) {
    if (block != nullptr) GlobalFree(block);
    CloseClipboard();
    ShowOutOfMemory(window_);
    return true;
  }
  std::memcpy(bytes, text.data(), text.size());
  GlobalUnlock(block);
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
  return true;
}

// The whole screen, whatever part of it the window shows and whatever lies over the window: every cell drawn
// again, over the backing picture, into a picture of its own.
void ConsoleWindow::CopyPicture() {
  if (window_ == nullptr || events_ == nullptr) return;
  const HDC window_context = GetDC(window_);
  const HDC memory = CreateCompatibleDC(window_context);
  const HBITMAP picture =
      memory != nullptr ? Calls().create_bitmap(window_context, kColumns * cell_width_, kRows * cell_height_) : nullptr;
  ReleaseDC(window_, window_context);
  if (picture == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    ShowOutOfMemory(window_);
    return;
  }
  const HGDIOBJ previous = SelectObject(memory, picture);
  SelectPalette(memory, palette_, FALSE);
  RealizePalette(memory);
  picture_context_ = memory;
  events_->PaintRequested();
  picture_context_ = nullptr;
  SelectObject(memory, previous);
  DeleteDC(memory);
  if (!OpenClipboard(window_)) {
    DeleteObject(picture);
    ShowClipboardFailure(window_);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_BITMAP, picture) == nullptr) DeleteObject(picture);
  CloseClipboard();
}

}  // namespace platform::win32
