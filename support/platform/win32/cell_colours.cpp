// The text and background palettes of the console.
#include "platform/win32/cell_colours.h"

#include <array>

#include "platform/win32/system_calls.h"

namespace platform::win32 {
namespace {

constexpr std::array<COLORREF, 16> kTextPalette{
    RGB(0x80, 0x80, 0x80), RGB(0x00, 0x00, 0x80), RGB(0x80, 0x00, 0x00), RGB(0x80, 0x00, 0x80),
    RGB(0x00, 0x80, 0x00), RGB(0x00, 0x80, 0x80), RGB(0x80, 0x80, 0x00), RGB(0xC0, 0xC0, 0xC0),
    RGB(0x00, 0x00, 0x00), RGB(0x00, 0x00, 0xFF), RGB(0xFF, 0x00, 0x00), RGB(0xFF, 0x00, 0xFF),
    RGB(0x00, 0xFF, 0x00), RGB(0x00, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0x00), RGB(0xFF, 0xFF, 0xFF)};

constexpr std::array<COLORREF, 16> kBackgroundPalette{
    RGB(0x00, 0x00, 0x00), RGB(0x80, 0x80, 0x80), RGB(0x00, 0x00, 0x80), RGB(0x00, 0x00, 0xFF),
    RGB(0x80, 0x00, 0x00), RGB(0xFF, 0x00, 0x00), RGB(0x80, 0x00, 0x80), RGB(0xFF, 0x00, 0xFF),
    RGB(0x00, 0x80, 0x00), RGB(0x00, 0xFF, 0x00), RGB(0x00, 0x80, 0x80), RGB(0x00, 0xFF, 0xFF),
    RGB(0x80, 0x80, 0x00), RGB(0xFF, 0xFF, 0x00), RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0xFF, 0xFF)};

// Bright attributes lift a dim colour to its bright twin; normal ones bring a bright colour down.
std::size_t TextIndex(std::uint8_t colour, std::uint8_t attribute) {
  const bool bright = attribute == 4 || attribute == 5;
  const bool normal = attribute == 0 || attribute == 1;
  if (colour <= 7 && bright) return colour + 8u;
  if (colour > 7 && normal) return colour - 8u;
  return colour;
}

// A logical palette of the text palette's colours, which are also the background palette's, in another order.
struct ConsoleLogPalette {
  WORD version;
  WORD count;
  std::array<PALETTEENTRY, kTextPalette.size()> entries;
};

}  // namespace

HPALETTE CreateConsolePalette() {
  ConsoleLogPalette palette{0x300, static_cast<WORD>(kTextPalette.size()), {}};
  for (std::size_t index = 0; index < kTextPalette.size(); ++index) {
    const COLORREF colour = kTextPalette[index];
    palette.entries[index] = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
  }
  return Calls().create_palette(reinterpret_cast<const LOGPALETTE*>(&palette));
}

COLORREF BackgroundColour() { return kBackgroundPalette[kBackgroundColour]; }

CellColours ColoursOf(std::uint8_t colour, std::uint8_t attribute) {
  const COLORREF text = kTextPalette[TextIndex(colour, attribute) % kTextPalette.size()];
  if (attribute == 1 || attribute == 5) return {BackgroundColour(), text, true};
  return {text, BackgroundColour(), false};
}

}  // namespace platform::win32
