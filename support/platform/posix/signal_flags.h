// Signals as flags: the handlers only set a flag and wake a sleeping wait through a pipe; the console reads the
// flags when it is polled, so a poll costs no system call.
#pragma once

#include <csignal>

namespace platform::posix {

struct SignalFlags {
  volatile std::sig_atomic_t any = 0;
  volatile std::sig_atomic_t interrupt = 0;
  volatile std::sig_atomic_t hang_up = 0;
  volatile std::sig_atomic_t terminate = 0;
  volatile std::sig_atomic_t resized = 0;
};

extern SignalFlags signal_flags;

// SIGINT, SIGHUP, SIGTERM and SIGWINCH set their flags; SIGPIPE is ignored (a closed pipe is a failed write).
void CatchSignals();
// Readable while a signal has arrived since the last DrainWakePipe.
int WakeDescriptor();
void DrainWakePipe();
// Reads and clears a flag.
bool Take(volatile std::sig_atomic_t& flag);

}  // namespace platform::posix
