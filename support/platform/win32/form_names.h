// The form layer's names of windows. The main window is known there as "MainForm", the name under which a program
// could also carry it as a resource.
#pragma once

#include <windows.h>

#include <string_view>

namespace platform::win32 {

inline constexpr const char* kMainFormName = "MainForm";

void RegisterForm(std::string_view name, HWND window);
// Null when no window has the name.
HWND FormWindow(std::string_view name);
// The window is destroyed: its name goes with it.
void ForgetForm(HWND window);

}  // namespace platform::win32
