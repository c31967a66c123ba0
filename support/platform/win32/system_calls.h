// The system calls whose effect a test under Wine cannot see: a box waits for a user, the help program is not
// there, and creating a window does not fail on demand. They are made through this table, which tests fill with
// recorders and then restore.
#pragma once

#include <windows.h>

namespace platform::win32 {

struct SystemCalls {
  decltype(&MessageBoxA) message_box = MessageBoxA;
  decltype(&WinHelpA) win_help = WinHelpA;
  decltype(&CreateWindowExA) create_window = CreateWindowExA;
};

SystemCalls& Calls();

}  // namespace platform::win32
