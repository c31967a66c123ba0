// Boxes for memory and the clipboard refused.
#include "platform/win32/failure_boxes.h"

#include <string>
#include <string_view>

#include "texts.h"

namespace platform::win32 {
namespace {

void ShowFailure(HWND window, std::string_view text) {
  char title[128] = {};
  GetWindowTextA(window, title, sizeof title);
  const std::string caption = std::string(title) + ".EXE";
  MessageBoxA(window, std::string(text).c_str(), caption.c_str(), MB_ICONHAND);
}

}  // namespace

void ShowOutOfMemory(HWND window) { ShowFailure(window, texts::StartFailure1); }

void ShowClipboardFailure(HWND window) { ShowFailure(window, texts::ClipboardFailure); }

void ShowSystemFailure(HWND window) { ShowFailure(window, texts::StartFailure2); }

}  // namespace platform::win32
