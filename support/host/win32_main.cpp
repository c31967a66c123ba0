// Program entry on Win32: a GUI process. After the runtime library's start-up, the host's: failures of the file
// system never raise boxes of their own, the title comes from the module file name, and the command line decides
// between the interactive program with the common dialogs and a batch run answered from the command line.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "batch_dialogs.h"
#include "command_line.h"
#include "common_dialogs.h"
#include "converter.h"
#include "host.h"
#include "program_title.h"

namespace {

constexpr int kBadCommandLine = 2;
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
  switch (command.kind) {
    case CommandKind::Help:
      Tell(UsageText());
      return 0;
    case CommandKind::Version:
      Tell("qelvorin 0.31\n");
      return 0;
    case CommandKind::Refused:
      Tell("qelvorin: " + command.reason + "\n" + UsageText());
      return kBadCommandLine;
    case CommandKind::BadOperand:
      Tell("qelvorin: " + command.reason + "\n");
      return kBadCommandLine;
    case CommandKind::Batch: {
      BatchDialogs dialogs(command.mailboxes, command.output);
      return RunHost(1, program_argv, [&dialogs] { return RunConverter(dialogs); },
                     {platform::ConsoleKind::Transcript});
    }
    case CommandKind::Interactive:
      break;
  }
  platform::win32::CommonDialogs dialogs;
  return RunHost(1, program_argv, [&dialogs] { return RunConverter(dialogs); });
}
