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
  // Set by SIGINT, SIGHUP or SIGTERM and never taken: the run is about to end.
  volatile std::sig_atomic_t stop = 0;
};

extern SignalFlags signal_flags;

// SIGINT, SIGHUP, SIGTERM and SIGWINCH set their flags, unless the caller had them ignored (nohup, a background
// job): those stay ignored. SIGPIPE and SIGXFSZ are ignored, so that a closed pipe or the file-size limit is a
// failed write. Interrupted calls are not restarted.
void CatchSignals();
// Whether the signal was set to be ignored, by this program or before it started.
bool Ignored(int number);
// A stop signal has arrived: a write that blocks is given up.
bool StopRequested();
// Readable while a signal has arrived since the last DrainWakePipe.
int WakeDescriptor();
void DrainWakePipe();
// Reads and clears a flag.
bool Take(volatile std::sig_atomic_t& flag);

}  // namespace platform::posix
