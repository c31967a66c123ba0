// The console window of the Win32 host: the classes are registered and the main window made and shown with the
// start-up show command, or hidden. Boxes without a window are owned by the active window, if any.
#include <windows.h>

#include <string>

#include "platform/win32/console_window.h"
#include "platform/win32/failure_boxes.h"
#include "platform/win32/window_classes.h"
#include "texts.h"

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

std::unique_ptr<Window> OpenConsoleWindow(std::string_view title, ConsoleKind kind, StartShow show) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!win32::RegisterWindowClasses(instance)) {
    win32::ShowStartFailure(title, texts::StartFailure3);
    return nullptr;
  }
  auto window = std::make_unique<win32::ConsoleWindow>(kind);
  if (!window->Create(instance, std::string(title), show == StartShow::Hidden ? SW_HIDE : StartupShowCommand())) {
    win32::ShowStartFailure(title, texts::StartFailure1);
    return nullptr;
  }
  return window;
}

void ShowLoneMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
  const HWND active = GetActiveWindow();
  win32::ShowBox(IsWindow(active) ? active : nullptr, text, caption, icon);
}

}  // namespace platform
