// Where the host looks for the error-message library during a test: $VELBRIX on POSIX, the registry's install
// directory on Win32. The folder ends with its separator.
#pragma once

#include <string>

void SetInstallFolder(const std::string& folder);
void ForgetInstallFolder();
