// The install folder through $VELBRIX.
#include <cstdlib>

#include "host/install_folder.h"

void SetInstallFolder(const std::string& folder) { setenv("VELBRIX", folder.c_str(), 1); }

void ForgetInstallFolder() { unsetenv("VELBRIX"); }
