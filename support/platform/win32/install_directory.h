// Where the support's maker installed its error-message library and reference help.
#pragma once

#include <string>

namespace platform::win32 {

// The registry's install directory (ending with its own backslash), else the executable's folder; empty when
// neither can be read.
std::string InstallDirectory();
// The registry's install directory alone; false when the key or the value cannot be read.
bool RegistryInstallDirectory(std::string& folder);

}  // namespace platform::win32
