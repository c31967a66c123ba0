// The reference help "K7V2REF.HLP" of the support's maker, opened on the topic of a run-time error.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

// The help context of an error: the window errors 1000-1019 have theirs at 99000 and above.
DWORD HelpContextOf(std::uint16_t error);

// Opens the help on the topic of a run-time error. Nothing happens without the registry's install directory or
// for error 0.
void ShowReferenceHelp(HWND owner, std::uint16_t error);
void CloseReferenceHelp(HWND owner);

}  // namespace platform::win32
