// The system calls whose effect a test under Wine cannot see or cannot make fail: a box waits for a user, the help
// program is not there, a class is registered once per process, the program carries no form resource, and
// creating a window, a palette or a picture does not fail on demand. They are made through this table, which tests
// fill with recorders and then restore.
#pragma once

#include <windows.h>

namespace platform::win32 {

struct SystemCalls {
  decltype(&MessageBoxA) message_box = MessageBoxA;
  decltype(&WinHelpA) win_help = WinHelpA;
  decltype(&RegisterClassA) register_class = RegisterClassA;
  decltype(&FindResourceA) find_resource = FindResourceA;
  decltype(&CreateWindowExA) create_window = CreateWindowExA;
  decltype(&CreatePalette) create_palette = CreatePalette;
  decltype(&CreateCompatibleBitmap) create_bitmap = CreateCompatibleBitmap;
};

SystemCalls& Calls();

}  // namespace platform::win32
