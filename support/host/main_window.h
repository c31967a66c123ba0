// The program's one console window while it exists: the platform window, its text screen and its keyboard ring.
#pragma once

#include <memory>

#include "host/host_state.h"
#include "platform/window.h"

void OpenMainWindow(std::unique_ptr<platform::Window> window);
// The window is destroyed: a terminal is given back, a transcript writes its last rows.
void CloseMainWindow();

// Null when there is no main window (not yet made, or closed at the end of the run). Inline: every poll asks.
inline HostWindow* MainWindow() { return host_state.window.get(); }
// Error 1000 unless window is 0 and the main window exists.
HostWindow& RequireWindow(std::int32_t window);
