// Program entry on Win32: a GUI process. After the runtime library's start-up, the host's: failures of the file
// system never raise boxes of their own, the title comes from the module file name, and the command line decides
// between the interactive program with the common dialogs and a batch run answered from the command line.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/dispatch.h"
#include "host/program_title.h"
#include "platform/win32/common_dialogs.h"

namespace {

constexpr DWORD kModuleNameSize = 128;

// Text for whoever started the program: standard error when there is one, else a box.
void Tell(const std::string& text) {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  if (error != nullptr && error != INVALID_HANDLE_VALUE &&
      ::WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
    return;
  }
  MessageBoxA(nullptr, text.c_str(), BoxCaption().c_str(), MB_OK);
}

std::string ModuleFileName() {
  char path[kModuleNameSize] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, kModuleNameSize);
  return std::string(path, std::min(length, kModuleNameSize - 1));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  std::string module = ModuleFileName();
  char* program_argv[] = {module.data(), nullptr};
  SetProgramTitle(TitleFromPath(module));
  const Command command = ParseCommandLine(__argc, __argv, true);
  platform::win32::CommonDialogs dialogs;
  return Dispatch(command, {1, program_argv, Tell, Tell, dialogs});
}
