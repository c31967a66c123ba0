// The host's answers to its main window: keys into the ring (Ctrl+C also fires the break event), paints, size
// changes, the copy as text and a close.
#pragma once

#include "platform/window.h"

inline constexpr std::uint8_t kBreakKey = 3;

platform::WindowEvents& MainWindowEvents();
