// The error-message library on POSIX. The installed program finds it in the library folder of its install, given
// at build time relative to the executable's folder; otherwise the install folder is $VELBRIX (ending with "/"),
// else the executable's folder.
#include "platform/message_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace platform {

namespace {

std::string ExecutableFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

void* OpenLibrary(const std::string& folder) {
  if (folder.empty()) return nullptr;
  // The file name is appended as it is: the folder carries its own separator.
  const std::string path = folder + kMessageLibraryName;
  return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* OpenInstalledLibrary() {
  const std::string executable_folder = ExecutableFolder();
  if (!executable_folder.empty()) {
    if (void* library = OpenLibrary(executable_folder + QELVORIN_INSTALLED_MESSAGE_FOLDER)) return library;
  }
  if (const char* folder = std::getenv("VELBRIX"); folder != nullptr) return OpenLibrary(folder);
  return OpenLibrary(executable_folder);
}

}  // namespace

bool LookUpErrorMessage(std::uint16_t number, char* buffer, std::uint16_t size) {
  if (size == 0) return false;
  void* library = OpenInstalledLibrary();
  if (library == nullptr) return false;
  bool found = false;
  if (void* entry = dlsym(library, kMessageEntryName); entry != nullptr) {
    buffer[0] = '\0';
    found = reinterpret_cast<MessageEntry>(entry)(library, number, buffer, size) != 0;
    // The library is outside this program: its text is never trusted to be terminated.
    buffer[size - 1] = '\0';
  }
  dlclose(library);
  return found;
}

}  // namespace platform
