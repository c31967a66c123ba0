// The course of the run as the host follows it.
#include "host/run_state.h"

#include "files/channels.h"
#include "values/error_numbers.h"


int QuitStatus() {
  switch (host_state.run.close_cause) {
    case platform::CloseCause::HangUp: return exit_status::kHangUp;
    case platform::CloseCause::Terminate: return exit_status::kTerminate;
    case platform::CloseCause::User: break;
  }
  return host_state.run.error_reported ? exit_status::kUntrappedError : 0;
}

void EndForQuit() {
  host_state.run.ending = true;
  throw RunEnded{QuitStatus()};
}

// A write that fails here is the run-time error of the statement under way, except while an error is reported:
// that report stands, and the shutdown tries the write once more when it closes the channels.
void BeforeHostSpeaks() {
  if (!host_state.run.terminating) {
    FlushChannels();
    return;
  }
  try {
    FlushChannels();
  } catch (const RuntimeErrorSignal&) {
  }
}

void CloseFilesAtOnce() {
  host_state.run.terminating = true;
  DropUnfinishedRecords();
  try {
    CloseChannels({});
  } catch (const RuntimeErrorSignal&) {
  }
}
