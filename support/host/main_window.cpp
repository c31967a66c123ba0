// The program's one console window while it exists.
#include "main_window.h"

#include "error_trap.h"

namespace {
HostWindow* main_window = nullptr;
}  // namespace

HostWindow* MainWindow() { return main_window; }

void SetMainWindow(HostWindow* window) { main_window = window; }

// Other window numbers name form objects, which this program never makes.
HostWindow& RequireWindow(std::int32_t window) {
  if (window != 0 || main_window == nullptr) RaiseError(error::kNoSuchWindow);
  return *main_window;
}
