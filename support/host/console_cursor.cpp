// The main window's console as the converter and the reports reach it: the cursor and the plain write.
#include "host/main_window.h"
#include "host/text_screen.h"
#include "statements/error_trap.h"

std::int32_t CursorRow() { return RequireWindow(0).screen.cursor_row(); }

void PlaceCursor(std::int32_t column, std::int32_t row) {
  TextScreen& screen = RequireWindow(0).screen;
  if (column < 0 || column >= TextScreen::kColumns || row < 0 || row >= TextScreen::kRows) {
    RaiseError(error::kBadArgument);
  }
  screen.MoveCursor(column, row);
}

void WriteConsoleText(const std::uint8_t* bytes, std::size_t length) { RequireWindow(0).screen.Write(bytes, length); }
