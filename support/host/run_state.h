// The course of the run as the host follows it: the break event, the ways it ends and the process status.
#pragma once

#include <cstdint>

#include "host/host_state.h"

// Process statuses besides 0 and the end call's code.
namespace exit_status {
inline constexpr int kUntrappedError = 1;
inline constexpr int kHangUp = 129;
inline constexpr int kBreak = 130;
inline constexpr int kTerminate = 143;
}  // namespace exit_status

// The poll reads the run state at every eleventh statement: inline, so that reading it costs no call.
inline RunState& HostRun() { return host_state.run; }

// The status of a run ended by the window: a close by the user keeps the status of the run so far.
int QuitStatus();
// Ends the run now if the window has asked for it.
[[noreturn]] void EndForQuit();
inline void EndIfQuit() {
  if (HostRun().quit) [[unlikely]] EndForQuit();
}

// Called before the host reports, prompts or interrupts, so that what the program wrote is out first.
void BeforeHostSpeaks();
// The process is about to be ended from outside: every channel is closed now, as the shutdown would close it (the
// record under way dropped, the mark written), and later run-time errors are ignored.
void CloseFilesAtOnce();
