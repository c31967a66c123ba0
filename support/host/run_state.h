// The course of the run as the host follows it: the break event, the ways it ends and the process status.
#pragma once

#include <cstdint>

#include "host/run_listener.h"
#include "platform/window.h"

// Process statuses besides 0 and the end call's code.
namespace exit_status {
inline constexpr int kUntrappedError = 1;
inline constexpr int kHangUp = 129;
inline constexpr int kBreak = 130;
inline constexpr int kTerminate = 143;
}  // namespace exit_status

struct RunState {
  bool break_enabled = false;
  bool break_pending = false;
  bool ending = false;
  // Set when a report starts and again by the shutdown: run-time errors are then ignored.
  bool terminating = false;
  std::uint32_t report_depth = 0;
  bool error_reported = false;
  // The window asked the run to end.
  bool quit = false;
  platform::CloseCause close_cause = platform::CloseCause::User;
  // A batch run's listener, or null.
  RunListener* listener = nullptr;
};

// The poll reads the run state at every eleventh statement: inline, so that reading it costs no call.
namespace run_state {
inline RunState run;
}  // namespace run_state

inline RunState& HostRun() { return run_state::run; }
void ResetHostRun();

// The status of a run ended by the window: a close by the user keeps the status of the run so far.
int QuitStatus();
// Ends the run now if the window has asked for it.
[[noreturn]] void EndForQuit();
inline void EndIfQuit() {
  if (HostRun().quit) [[unlikely]] EndForQuit();
}

// Called before the host reports, prompts or interrupts, so that what the program wrote is out first.
void BeforeHostSpeaks();
