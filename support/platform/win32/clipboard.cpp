// The console on the clipboard: the screen's text as CF_TEXT, or the window's picture as CF_BITMAP.
#include <algorithm>
#include <cstring>

#include "platform/win32/console_window.h"
#include "platform/win32/failure_boxes.h"

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

// What the client area shows of the screen, copied as it is drawn.
void ConsoleWindow::CopyPicture() {
  if (window_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  const HDC window_context = GetDC(window_);
  const HDC memory = CreateCompatibleDC(window_context);
  const HBITMAP picture = CreateCompatibleBitmap(window_context, client.right, client.bottom);
  if (memory == nullptr || picture == nullptr) {
    if (picture != nullptr) DeleteObject(picture);
    if (memory != nullptr) DeleteDC(memory);
    ReleaseDC(window_, window_context);
    ShowOutOfMemory(window_);
    return;
  }
  const HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, client.right, client.bottom, window_context, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(window_, window_context);
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
