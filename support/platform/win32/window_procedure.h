// The exported window procedure of "K7V2CLASS".
#pragma once

#include <windows.h>

namespace platform::win32 {

// `$PbMainWndProc`, as the class registers it.
WNDPROC MainWindowProcedureExport();

}  // namespace platform::win32
