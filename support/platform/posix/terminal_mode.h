// Raw keyboard mode on standard input, and a terminal given back whatever the way out: on leaving, at exit, and on
// a fatal signal.
#pragma once

#include <string_view>

namespace platform::posix {

// Keys arrive one by one, unechoed, Ctrl+C as a byte. False when standard input is not a terminal.
bool EnterRawMode();
void LeaveRawMode();

// Bytes that put the terminal's screen back (written to standard output when the program ends abnormally);
// empty when the screen needs nothing.
void SetScreenRestore(std::string_view sequence);

}  // namespace platform::posix
