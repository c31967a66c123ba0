// The program's one console window while it exists.
#include "main_window.h"

#include "error_trap.h"

namespace {
std::unique_ptr<HostWindow> main_window;
}  // namespace

void OpenMainWindow(std::unique_ptr<platform::Window> window) {
  main_window = std::make_unique<HostWindow>(std::move(window));
}

void CloseMainWindow() { main_window.reset(); }

HostWindow* MainWindow() { return main_window.get(); }

// Other window numbers name form objects, which this program never makes.
HostWindow& RequireWindow(std::int32_t window) {
  if (window != 0 || main_window == nullptr) RaiseError(error::kNoSuchWindow);
  return *main_window;
}
