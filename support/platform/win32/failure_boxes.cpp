// Message boxes through the table of system calls.
#include "platform/win32/failure_boxes.h"

#include <string>

#include "platform/win32/system_calls.h"
#include "texts.h"

namespace platform::win32 {
namespace {

UINT StyleOf(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Hand: return MB_ICONHAND;
    case BoxIcon::Exclamation: return MB_ICONEXCLAMATION;
    case BoxIcon::ExclamationWithHelp: return MB_HELP | MB_ICONEXCLAMATION;
  }
  return MB_ICONHAND;
}

void ShowFailure(HWND window, std::string_view text) {
  char title[128] = {};
  GetWindowTextA(window, title, sizeof title);
  ShowBox(window, text, std::string(title) + ".EXE", BoxIcon::Hand);
}

}  // namespace

void ShowBox(HWND owner, std::string_view text, std::string_view caption, BoxIcon icon) {
  Calls().message_box(owner, std::string(text).c_str(), std::string(caption).c_str(), StyleOf(icon));
}

void ShowStartFailure(std::string_view title, std::string_view text) {
  ShowBox(nullptr, text, std::string(title) + ".EXE", BoxIcon::Hand);
}

void ShowOutOfMemory(HWND window) { ShowFailure(window, texts::StartFailure1); }

void ShowClipboardFailure(HWND window) { ShowFailure(window, texts::ClipboardFailure); }

void ShowSystemFailure(HWND window) { ShowFailure(window, texts::StartFailure2); }

}  // namespace platform::win32
