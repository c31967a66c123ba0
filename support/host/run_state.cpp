// The course of the run as the host follows it.
#include "run_state.h"

#include "error_numbers.h"

namespace {
RunState run;
}  // namespace

RunState& HostRun() { return run; }

void ResetHostRun() { run = RunState{}; }

int QuitStatus() {
  switch (run.close_cause) {
    case platform::CloseCause::HangUp: return exit_status::kHangUp;
    case platform::CloseCause::Terminate: return exit_status::kTerminate;
    case platform::CloseCause::User: break;
  }
  return run.error_reported ? exit_status::kUntrappedError : 0;
}

void EndIfQuit() {
  if (!run.quit) return;
  run.ending = true;
  throw RunEnded{QuitStatus()};
}

// Channel output that the files layer holds back is to be flushed here.
void BeforeHostSpeaks() {}
