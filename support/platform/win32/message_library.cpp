// The error-message library on Win32, loaded from the install directory for each lookup.
#include <windows.h>

#include <string>

#include "platform/message_library.h"
#include "platform/win32/install_directory.h"

namespace platform {

bool LookUpErrorMessage(std::uint16_t number, char* buffer, std::uint16_t size) {
  const std::string folder = win32::InstallDirectory();
  if (folder.empty() || size == 0) return false;
  // The file name is appended as it is: the folder carries its own separator.
  const HMODULE library = LoadLibraryA((folder + kMessageLibraryName).c_str());
  if (library == nullptr) return false;
  bool found = false;
  if (const FARPROC entry = GetProcAddress(library, kMessageEntryName); entry != nullptr) {
    buffer[0] = '\0';
    found = reinterpret_cast<MessageEntry>(reinterpret_cast<void*>(entry))(library, number, buffer, size) != 0;
    // The library is outside this program: its text is never trusted to be terminated.
    buffer[size - 1] = '\0';
  }
  FreeLibrary(library);
  return found;
}

}  // namespace platform
