// Runs the host probe as a child: on a pseudo-terminal, or with its output to pipes, and collects what it wrote.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace probe {

inline constexpr std::chrono::seconds kPatience{10};

// The environment of every probe run: its message library folder, and a UTF-8 terminal.
inline void PrepareChild(const std::string& velbrix) {
  setenv("VELBRIX", velbrix.c_str(), 1);
  setenv("LC_ALL", "C.UTF-8", 1);
}

[[noreturn]] inline void Exec(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

// The exit status, or 128 + the signal that ended the child.
inline int WaitForExit(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The probe on a pseudo-terminal of 80 × 24 (or the size given).
class TerminalChild {
 public:
  TerminalChild(const std::vector<std::string>& arguments, const std::string& velbrix, unsigned short columns = 80,
                unsigned short rows = 24) {
    winsize size{rows, columns, 0, 0};
    pid_ = forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ == 0) {
      PrepareChild(velbrix);
      Exec(arguments);
    }
  }
  ~TerminalChild() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      WaitForExit(pid_);
    }
    if (master_ >= 0) close(master_);
  }

  // Reads until the marker has been received at or after byte from of all received (true) or time runs out.
  bool ReadUntil(const std::string& marker, std::size_t from = 0) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (received_.find(marker, from) == std::string::npos) {
      if (std::chrono::steady_clock::now() > deadline || !ReadSome(100)) return false;
    }
    return true;
  }

  // Reads until the child closes the terminal, then returns its status; a child that outstays its time is killed.
  int Finish() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    bool open = true;
    while (open && std::chrono::steady_clock::now() < deadline) open = ReadSome(100);
    if (open) kill(pid_, SIGKILL);
    exited_ = true;
    return WaitForExit(pid_);
  }

  void Type(const std::string& keys) { [[maybe_unused]] const ssize_t n = write(master_, keys.data(), keys.size()); }
  // The terminal's settings as the child left them.
  bool Settings(termios& settings) const { return tcgetattr(master_, &settings) == 0; }
  void Signal(int number) { kill(pid_, number); }
  // The terminal takes the new size; the child hears of it by SIGWINCH.
  void Resize(unsigned short columns, unsigned short rows) {
    const winsize size{rows, columns, 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
  }
  const std::string& received() const { return received_; }

 private:
  // False once the terminal is closed by the child.
  bool ReadSome(int milliseconds) {
    pollfd watched{master_, POLLIN, 0};
    if (poll(&watched, 1, milliseconds) <= 0) return true;
    char bytes[4096];
    const ssize_t length = read(master_, bytes, sizeof bytes);
    if (length <= 0) return false;
    received_.append(bytes, static_cast<std::size_t>(length));
    return true;
  }

  pid_t pid_ = -1;
  int master_ = -1;
  bool exited_ = false;
  std::string received_;
};

// A child with standard input from /dev/null and its output to a pipe read only when asked, so that the test can
// signal it while it runs or stop reading; prepare runs in the child before exec (limits, ignored signals).
class BackgroundChild {
 public:
  BackgroundChild(const std::vector<std::string>& arguments, const std::string& velbrix,
                  const std::function<void()>& prepare = [] {}) {
    int output[2];
    if (pipe(output) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const int nothing = open("/dev/null", O_RDWR);
      dup2(nothing, STDIN_FILENO);
      dup2(output[1], STDOUT_FILENO);
      dup2(nothing, STDERR_FILENO);
      PrepareChild(velbrix);
      prepare();
      Exec(arguments);
    }
    close(output[1]);
    output_ = output[0];
  }
  ~BackgroundChild() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      WaitForExit(pid_);
    }
    if (output_ >= 0) close(output_);
  }

  bool ReadUntil(const std::string& marker) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (received_.find(marker) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      pollfd watched{output_, POLLIN, 0};
      if (poll(&watched, 1, 100) <= 0) continue;
      char bytes[4096];
      const ssize_t length = read(output_, bytes, sizeof bytes);
      if (length <= 0) return false;
      received_.append(bytes, static_cast<std::size_t>(length));
    }
    return received_.find(marker) != std::string::npos;
  }

  void Signal(int number) { kill(pid_, number); }

  // The status once the child has ended, waiting at most the time given (without reading its output); -1 while
  // it still runs.
  int ExitWithin(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    do {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      usleep(10000);
    } while (std::chrono::steady_clock::now() < deadline);
    return -1;
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  bool exited_ = false;
  std::string received_;
};

struct PipedRun {
  std::string output;
  std::string errors;
  int status;
};

// The probe with standard input from /dev/null and its output and errors to pipes; prepare runs in the child
// before exec.
inline PipedRun RunPiped(const std::vector<std::string>& arguments, const std::string& velbrix,
                         const std::function<void()>& prepare = [] {}) {
  int output[2];
  int errors[2];
  if (pipe(output) != 0 || pipe(errors) != 0) return {"", "", -1};
  const pid_t child = fork();
  if (child == 0) {
    const int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    dup2(errors[1], STDERR_FILENO);
    PrepareChild(velbrix);
    prepare();
    Exec(arguments);
  }
  close(output[1]);
  close(errors[1]);
  PipedRun run{"", "", 0};
  pollfd watched[2] = {{output[0], POLLIN, 0}, {errors[0], POLLIN, 0}};
  std::string* into[2] = {&run.output, &run.errors};
  int open_ends = 2;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (open_ends > 0 && std::chrono::steady_clock::now() < deadline) {
    if (poll(watched, 2, 100) <= 0) continue;
    for (int end = 0; end < 2; ++end) {
      if (watched[end].fd < 0 || watched[end].revents == 0) continue;
      char bytes[4096];
      const ssize_t length = read(watched[end].fd, bytes, sizeof bytes);
      if (length > 0) {
        into[end]->append(bytes, static_cast<std::size_t>(length));
      } else {
        close(watched[end].fd);
        watched[end].fd = -1;
        --open_ends;
      }
    }
  }
  if (open_ends > 0) kill(child, SIGKILL);
  run.status = WaitForExit(child);
  for (const pollfd& end : watched) {
    if (end.fd >= 0) close(end.fd);
  }
  return run;
}

}  // namespace probe
