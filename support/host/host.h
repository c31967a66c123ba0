// The host start-up: the program title, the break key, the console window, then the run phase.
#pragma once

#include "host/run_listener.h"
#include "host/run_phase.h"
#include "platform/window.h"

struct HostSettings {
  // Transcript: the console is written to standard output as plain lines even on a terminal (batch runs).
  platform::ConsoleKind console = platform::ConsoleKind::Window;
  // A batch run's listener: it is told the reports, warnings and interrupts, and called at every poll.
  RunListener* listener = nullptr;
};

// Runs the program on the host and returns the process status (see RunPhase). argv[0] names the executable.
int RunHost(int argc, char** argv, const ProgramEntry& program, HostSettings settings = {});
