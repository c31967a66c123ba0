// The reference help "K7V2REF.HLP" of the support's maker, opened on the topic of the current run-time error.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

enum class HelpCommand : std::uint8_t { Close, ShowCurrentError };

// The help context of an error: the window errors 1000-1019 have theirs at 99000 and above.
DWORD HelpContextOf(std::uint16_t error);

// Nothing happens without the registry's install directory, or, for ShowCurrentError, without a current error.
void ReferenceHelp(HWND owner, HelpCommand command);

}  // namespace platform::win32
