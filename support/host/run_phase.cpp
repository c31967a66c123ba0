// The run phase and the shutdown.
#include "host/run_phase.h"

#include "files/channels.h"
#include "host/error_report.h"
#include "host/main_window.h"
#include "host/message_poll.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/runtime_options.h"
#include "statements/error_trap.h"
#include "statements/statement_hook.h"
#include "texts.h"

namespace {

// No poll runs while the run is taken down; the window goes first, then the channels and the program's storage.
void Shutdown() {
  HostRun().terminating = true;
  SetPollHook(nullptr);
  ReleaseRuntime();
}

// The main window's picture behind its cells. Without it the run goes on, the cells drawn over the plain
// background.
void CreateBackingPicture() {
  HostWindow* host = MainWindow();
  if (host == nullptr || kRuntimeOptions.no_backing_picture == 1) return;
  if (!host->window.CreateBackingPicture()) {
    host->window.ShowMessageBox(texts::StartFailure5, BoxCaption(), platform::BoxIcon::Hand);
  }
}

}  // namespace

int RunPhase(const ProgramEntry& program) {
  SetPollHook(PollHost);
  SetErrorReportHook(ReportError);
  CreateBackingPicture();
  int status = 0;
  try {
    status = program();
  } catch (const RunEnded& ended) {
    status = ended.exit_code;
  } catch (const RuntimeErrorSignal&) {
    // Raised while a report was under way: ignored, the report's status stands.
    status = exit_status::kUntrappedError;
  }
  HostRun().ending = true;
  Shutdown();
  return status;
}

void EndRun(std::uint16_t exit_code) {
  HostRun().ending = true;
  throw RunEnded{exit_code};
}
