// Standard error, where a batch run tells whoever started it how it went.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// A cp932 text in the encoding standard error is read in: the locale's on POSIX, as it is on Win32.
std::string ErrorStreamText(std::string_view cp932);
// Writes the bytes whole.
void WriteStandardError(std::string_view bytes);
// True when standard error is a terminal, which can rewrite a line in place.
bool StandardErrorIsTerminal();

}  // namespace platform
