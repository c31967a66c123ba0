// The console on an interactive terminal: the 80 × 24 screen on the terminal's alternate screen, keys in raw mode.
#pragma once

#include <memory>
#include <string_view>

#include "platform/window.h"

namespace platform::posix {

// Null when standard input cannot be put in raw mode.
std::unique_ptr<Window> OpenTerminalWindow(std::string_view title);

}  // namespace platform::posix
