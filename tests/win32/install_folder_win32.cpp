// The install folder through the registry value the host reads.
#include <windows.h>

#include "host/install_folder.h"

namespace {
constexpr const char* kEnvironmentKey = "Software\\TELQUAR\\VELBRIX\\V4.1\\Env";
}  // namespace

void SetInstallFolder(const std::string& folder) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kEnvironmentKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(key, "Velbrix", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>(folder.size() + 1));
  RegCloseKey(key);
}

void ForgetInstallFolder() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kEnvironmentKey, "Velbrix"); }
