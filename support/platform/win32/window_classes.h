// The window classes of the support: "K7V2CLASS" for the console and its companions.
#pragma once

#include <windows.h>

namespace platform::win32 {

inline constexpr const char* kMainClassName = "K7V2CLASS";

// Registers "K7V2CLASS" with the exported window procedure, then the companion classes; false when the main class
// cannot be registered. A second instance finds the classes registered already.
bool RegisterWindowClasses(HINSTANCE instance);

// The system-menu entry "コピー(&Y)" with its submenu: copy as text (0x67) and as text and graphics (0x68).
void AddCopyMenu(HWND window);

}  // namespace platform::win32
