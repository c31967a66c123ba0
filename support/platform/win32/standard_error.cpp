// Standard error on Win32: the handle the program was started with, if any. A GUI program has no terminal of its
// own there, so nothing is rewritten in place.
#include "platform/standard_error.h"

#include <windows.h>

namespace platform {

std::string ErrorStreamText(std::string_view cp932) { return std::string(cp932); }

void WriteStandardError(std::string_view bytes) {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(error, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool StandardErrorIsTerminal() { return false; }

}  // namespace platform
