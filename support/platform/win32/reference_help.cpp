// WinHelpA on the help file in the registry's install directory.
#include "platform/win32/reference_help.h"

#include <string>

#include "platform/win32/install_directory.h"
#include "values/run_context.h"

namespace platform::win32 {
namespace {
constexpr const char* kHelpFileName = "K7V2REF.HLP";
}  // namespace

DWORD HelpContextOf(std::uint16_t error) { return error >= 1000 && error <= 1019 ? error + 99000u : error; }

void ReferenceHelp(HWND owner, HelpCommand command) {
  std::string folder;
  if (!RegistryInstallDirectory(folder)) return;
  const std::string path = folder + kHelpFileName;
  if (command == HelpCommand::Close) {
    WinHelpA(owner, path.c_str(), HELP_QUIT, 0);
    return;
  }
  const RuntimeErrorNumber error = Errors().number;
  if (error == 0) return;
  WinHelpA(owner, path.c_str(), HELP_CONTEXT, HelpContextOf(error));
}

}  // namespace platform::win32
