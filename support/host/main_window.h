// The program's one console window while it exists: the platform window, its text screen and its keyboard ring.
#pragma once

#include <memory>

#include "host/keyboard_ring.h"
#include "host/text_screen.h"
#include "platform/window.h"

struct HostWindow {
  explicit HostWindow(std::unique_ptr<platform::Window> platform_window)
      : owned(std::move(platform_window)), window(*owned), screen(window) {}

  std::unique_ptr<platform::Window> owned;
  platform::Window& window;
  TextScreen screen;
  KeyboardRing keys;
};

void OpenMainWindow(std::unique_ptr<platform::Window> window);
// The window is destroyed: a terminal is given back, a transcript writes its last rows.
void CloseMainWindow();
namespace main_window_state {
inline std::unique_ptr<HostWindow> window;
}  // namespace main_window_state

// Null when there is no main window (not yet made, or closed at the end of the run). Inline: every poll asks.
inline HostWindow* MainWindow() { return main_window_state::window.get(); }
// Error 1000 unless window is 0 and the main window exists.
HostWindow& RequireWindow(std::int32_t window);
