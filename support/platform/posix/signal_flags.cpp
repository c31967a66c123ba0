// Signals as flags and a wake-up pipe.
#include "platform/posix/signal_flags.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace platform::posix {

SignalFlags signal_flags;

namespace {

int wake_pipe[2] = {-1, -1};

void OnSignal(int number) {
  const int saved_errno = errno;
  switch (number) {
    case SIGINT: signal_flags.interrupt = 1; break;
    case SIGHUP: signal_flags.hang_up = 1; break;
    case SIGTERM: signal_flags.terminate = 1; break;
    case SIGWINCH: signal_flags.resized = 1; break;
    default: break;
  }
  if (number != SIGWINCH) signal_flags.stop = 1;
  signal_flags.any = 1;
  if (wake_pipe[1] >= 0) {
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(wake_pipe[1], &byte, 1);
  }
  errno = saved_errno;
}

}  // namespace

void CatchSignals() {
  if (wake_pipe[0] < 0 && pipe(wake_pipe) == 0) {
    for (const int end : wake_pipe) {
      fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
      fcntl(end, F_SETFD, FD_CLOEXEC);
    }
  }
  // No SA_RESTART: a write to standard output that blocks returns, so that a stop is acted on.
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  for (const int number : {SIGINT, SIGHUP, SIGTERM, SIGWINCH}) {
    if (!Ignored(number)) sigaction(number, &action, nullptr);
  }
  // A closed pipe and the file-size limit are failed writes, reported like a full disk.
  signal(SIGPIPE, SIG_IGN);
  signal(SIGXFSZ, SIG_IGN);
}

bool Ignored(int number) {
  struct sigaction current {};
  return sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

bool StopRequested() { return signal_flags.stop != 0; }

int WakeDescriptor() { return wake_pipe[0]; }

void DrainWakePipe() {
  char bytes[64];
  while (wake_pipe[0] >= 0 && read(wake_pipe[0], bytes, sizeof bytes) > 0) {
  }
}

bool Take(volatile std::sig_atomic_t& flag) {
  if (flag == 0) return false;
  flag = 0;
  return true;
}

}  // namespace platform::posix
