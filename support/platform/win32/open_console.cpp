// The console window of the Win32 host: the classes are registered and the main window made and shown with the
// start-up show command. Boxes without a window are owned by the active window, if any.
#include <windows.h>

#include <string>

#include "platform/win32/console_window.h"
#include "platform/win32/window_classes.h"

namespace platform {
namespace {

// The show command of the process's start-up information, else SW_SHOWDEFAULT.
int StartupShowCommand() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

std::unique_ptr<Window> OpenConsoleWindow(std::string_view title, ConsoleKind kind) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!win32::RegisterWindowClasses(instance)) return nullptr;
  auto window = std::make_unique<win32::ConsoleWindow>(kind);
  if (!window->Create(instance, std::string(title), StartupShowCommand())) return nullptr;
  return window;
}

void ShowLoneMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
  const HWND active = GetActiveWindow();
  const UINT style = icon == BoxIcon::Hand ? MB_ICONHAND : MB_HELP | MB_ICONEXCLAMATION;
  MessageBoxA(IsWindow(active) ? active : nullptr, std::string(text).c_str(), std::string(caption).c_str(), style);
}

}  // namespace platform
