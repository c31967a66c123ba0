// `$PbMainWndProc`: the exported window procedure of "K7V2CLASS". It hands its arguments to the main window
// procedure, which finds the console on the window's extra word 0 (hung there at WM_CREATE from the creation
// record) and lets DefWindowProcA answer what the console leaves.
#include "platform/win32/window_procedure.h"

#include "platform/win32/console_window.h"

namespace {

LRESULT MainWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* console = reinterpret_cast<platform::win32::ConsoleWindow*>(GetWindowLongPtrA(window, 0));
  LRESULT result = 0;
  if (console != nullptr && console->Handle(window, message, wparam, lparam, result)) return result;
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

extern "C" LRESULT CALLBACK $PbMainWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return MainWindowProcedure(window, message, wparam, lparam);
}

namespace platform::win32 {

WNDPROC MainWindowProcedureExport() { return $PbMainWndProc; }

}  // namespace platform::win32
