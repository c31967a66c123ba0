// The install directory: HKEY_CURRENT_USER "Software\TELQUAR\VELBRIX\V4.1\Env", value "Velbrix".
#include "platform/win32/install_directory.h"

#include <windows.h>

namespace platform::win32 {
namespace {

constexpr const char* kEnvironmentKey = "Software\\TELQUAR\\VELBRIX\\V4.1\\Env";
constexpr const char* kInstallValue = "Velbrix";
constexpr DWORD kInstallDirectorySize = 0x104;

}  // namespace

bool RegistryInstallDirectory(std::string& folder) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kEnvironmentKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  char buffer[kInstallDirectorySize + 1] = {};
  DWORD size = kInstallDirectorySize;
  DWORD type = 0;
  const LONG result = RegQueryValueExA(key, kInstallValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  folder = buffer;
  return true;
}

namespace {

std::string ExecutableFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  const std::string full(path, length);
  return full.substr(0, full.find_last_of("\\:") + 1);
}

}  // namespace

std::string InstallDirectory() {
  std::string folder;
  if (RegistryInstallDirectory(folder)) return folder;
  return ExecutableFolder();
}

}  // namespace platform::win32
