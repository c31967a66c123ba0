// The boxes the window shows of its own: the caption is the program title (the window's caption) with ".EXE".
#pragma once

#include <windows.h>

namespace platform::win32 {

void ShowOutOfMemory(HWND window);
void ShowClipboardFailure(HWND window);
// The system runs short of memory (WM_COMPACTING).
void ShowSystemFailure(HWND window);

}  // namespace platform::win32
