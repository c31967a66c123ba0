// The host start-up, in its order.
#include "host/host.h"

#include <clocale>

#include "host/main_window.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "host/runtime_options.h"

int RunHost(int argc, char** argv, const ProgramEntry& program, HostSettings settings) {
  // Only the character type follows the locale: the console's display encoding. Numbers and program data never do.
  std::setlocale(LC_CTYPE, "");
  SetProgramTitle(TitleFromPath(argc > 0 && argv[0] != nullptr ? argv[0] : ""));
  HostRun().break_enabled = true;
  const platform::StartShow show =
      kRuntimeOptions.start_hidden == 1 ? platform::StartShow::Hidden : platform::StartShow::AsStarted;
  std::unique_ptr<platform::Window> window = platform::OpenConsoleWindow(ProgramTitle(), settings.console, show);
  // The platform has shown why.
  if (window == nullptr) return 0;
  OpenMainWindow(std::move(window));
  HostRun().listener = settings.listener;
  return RunPhase(program);
}
