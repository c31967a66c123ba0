// The program's one console window while it exists.
#include "host/main_window.h"

#include "statements/error_trap.h"

void OpenMainWindow(std::unique_ptr<platform::Window> platform_window) {
  host_state.window = std::make_unique<HostWindow>(std::move(platform_window));
}

void CloseMainWindow() { host_state.window.reset(); }

// Other window numbers name form objects, which this program never makes.
HostWindow& RequireWindow(std::int32_t number) {
  if (number != 0 || host_state.window == nullptr) RaiseError(error::kNoSuchWindow);
  return *host_state.window;
}
