// Raw keyboard mode and the terminal given back on every way out.
#include "platform/posix/terminal_mode.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace platform::posix {

namespace {

termios saved_settings;
volatile std::sig_atomic_t raw = 0;
char screen_restore[64];
volatile std::sig_atomic_t screen_restore_length = 0;

// Async-signal-safe: only write and tcsetattr.
void GiveBack() {
  if (screen_restore_length > 0) {
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, screen_restore, screen_restore_length);
    screen_restore_length = 0;
  }
  if (raw != 0) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_settings);
    raw = 0;
  }
}

void OnFatalSignal(int number) {
  GiveBack();
  raise(number);  // the handler was reset: the default action follows
}

// Every signal whose default action ends the process; the stop signals the program acts on itself, and those it
// ignores, are left as they are.
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS,    SIGFPE,  SIGILL,  SIGABRT, SIGQUIT,   SIGTRAP,
                                 SIGSYS,  SIGUSR1,   SIGUSR2, SIGALRM, SIGXCPU, SIGVTALRM, SIGPROF,
                                 SIGIO,   SIGSTKFLT, SIGPWR,  SIGINT,  SIGHUP,  SIGTERM,   SIGXFSZ, SIGPIPE};

// Only a signal still at its default action is taken over: an ignored one stays ignored, a caught one caught.
void GiveBackOn(int number, const struct sigaction& action) {
  struct sigaction current {};
  if (sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) sigaction(number, &action, nullptr);
}

void GuardExits() {
  static bool guarded = false;
  if (guarded) return;
  guarded = true;
  std::atexit(GiveBack);
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (const int number : kFatalSignals) GiveBackOn(number, action);
  for (int number = SIGRTMIN; number <= SIGRTMAX; ++number) GiveBackOn(number, action);
}

}  // namespace

bool EnterRawMode() {
  if (raw != 0) return true;
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved_settings) != 0) return false;
  GuardExits();
  termios settings = saved_settings;
  settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | ISIG | IEXTEN);
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR | BRKINT | INPCK | ISTRIP);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &settings) != 0) return false;
  raw = 1;
  return true;
}

void LeaveRawMode() {
  if (raw == 0) return;
  tcsetattr(STDIN_FILENO, TCSANOW, &saved_settings);
  raw = 0;
}

void SetScreenRestore(std::string_view sequence) {
  GuardExits();
  const std::size_t length = sequence.size() < sizeof screen_restore ? sequence.size() : 0;
  if (length > 0) std::memcpy(screen_restore, sequence.data(), length);
  screen_restore_length = static_cast<std::sig_atomic_t>(length);
}

}  // namespace platform::posix
