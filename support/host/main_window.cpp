// The program's one console window while it exists.
#include "host/main_window.h"

#include "statements/error_trap.h"

using main_window_state::window;

void OpenMainWindow(std::unique_ptr<platform::Window> platform_window) {
  window = std::make_unique<HostWindow>(std::move(platform_window));
}

void CloseMainWindow() { window.reset(); }

// Other window numbers name form objects, which this program never makes.
HostWindow& RequireWindow(std::int32_t number) {
  if (number != 0 || window == nullptr) RaiseError(error::kNoSuchWindow);
  return *window;
}
