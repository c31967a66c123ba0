// The program's one console window while it exists: the platform window, its text screen and its keyboard ring.
#pragma once

#include "keyboard_ring.h"
#include "text_screen.h"
#include "window.h"

struct HostWindow {
  explicit HostWindow(platform::Window& platform_window) : window(platform_window), screen(platform_window) {}

  platform::Window& window;
  TextScreen screen;
  KeyboardRing keys;
};

// Null when there is no main window (not yet made, or closed at the end of the run).
HostWindow* MainWindow();
void SetMainWindow(HostWindow* window);
// Error 1000 unless window is 0 and the main window exists.
HostWindow& RequireWindow(std::int32_t window);
