// WinHelpA on the help file in the registry's install directory.
#include "platform/win32/reference_help.h"

#include <string>

#include "platform/win32/install_directory.h"

namespace platform::win32 {
namespace {
constexpr const char* kHelpFileName = "K7V2REF.HLP";

bool HelpFilePath(std::string& path) {
  std::string folder;
  if (!RegistryInstallDirectory(folder)) return false;
  path = folder + kHelpFileName;
  return true;
}
}  // namespace

DWORD HelpContextOf(std::uint16_t error) { return error >= 1000 && error <= 1019 ? error + 99000u : error; }

void ShowReferenceHelp(HWND owner, std::uint16_t error) {
  std::string path;
  if (error != 0 && HelpFilePath(path)) WinHelpA(owner, path.c_str(), HELP_CONTEXT, HelpContextOf(error));
}

void CloseReferenceHelp(HWND owner) {
  std::string path;
  if (HelpFilePath(path)) WinHelpA(owner, path.c_str(), HELP_QUIT, 0);
}

}  // namespace platform::win32
