// Program entry on Win32: a GUI process. After the runtime library's start-up, the host's: failures of the file
// system never raise boxes of their own, the title comes from the module file name, and the command line decides
// between the interactive program with the common dialogs and a batch run answered from the command line.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/dispatch.h"
#include "app/wildcard_operands.h"
#include "host/program_title.h"
#include "platform/win32/common_dialogs.h"

namespace {

constexpr DWORD kModuleNameSize = 128;

// Where text for whoever started the program goes: the inherited standard handle (redirected, or a console
// program's), else the console of the command prompt it was started from; null when it has none (Explorer).
HANDLE StartingConsole(DWORD standard) {
  const HANDLE inherited = GetStdHandle(standard);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE) return inherited;
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return nullptr;
  const HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

// Lines end with CR LF, as Windows programs write them; with no console at all the text is shown in a box.
void Tell(DWORD standard, const std::string& text) {
  std::string lines;
  for (const char byte : text) lines += byte == '\n' ? "\r\n" : std::string(1, byte);
  DWORD written = 0;
  const HANDLE console = StartingConsole(standard);
  if (console != nullptr &&
      ::WriteFile(console, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr)) {
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
  const Command command = ParseCommandLine(__argc, __argv, true, ExpandWildcards);
  platform::win32::CommonDialogs dialogs;
  return Dispatch(command, {1, program_argv, [](const std::string& text) { Tell(STD_OUTPUT_HANDLE, text); },
                            [](const std::string& text) { Tell(STD_ERROR_HANDLE, text); }, dialogs});
}
