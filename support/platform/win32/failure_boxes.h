// The boxes the host shows: reports, prompts and failures, with the program title and ".EXE" as caption.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/window.h"

namespace platform::win32 {

// The style by icon: MB_ICONHAND, MB_ICONEXCLAMATION, or a report's MB_HELP | MB_ICONEXCLAMATION, whose Help button
// sends WM_HELP to the owner.
void ShowBox(HWND owner, std::string_view text, std::string_view caption, BoxIcon icon);
// A failure at start-up, before there is a main window to own the box.
void ShowStartFailure(std::string_view title, std::string_view text);

// Boxes of the window itself, captioned with its title.
void ShowOutOfMemory(HWND window);
void ShowClipboardFailure(HWND window);
// The system runs short of memory (WM_COMPACTING).
void ShowSystemFailure(HWND window);

}  // namespace platform::win32
