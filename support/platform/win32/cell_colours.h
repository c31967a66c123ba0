// The colours of a cell: its colour number and display attribute looked up in the console's two palettes.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

struct CellColours {
  COLORREF text;
  COLORREF background;
  // Reverse attributes are drawn opaquely with the colours swapped; normal text is drawn over the background.
  bool opaque;
};

// The console's background colour number.
inline constexpr std::uint8_t kBackgroundColour = 0;

CellColours ColoursOf(std::uint8_t colour, std::uint8_t attribute);
COLORREF BackgroundColour();

// The window's palette: the console's sixteen colours, so that a display with a palette shows them as they are.
// Null when it cannot be made.
HPALETTE CreateConsolePalette();

}  // namespace platform::win32
