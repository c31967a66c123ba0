// The host's part of the run's state: the course of the run, the main window with its text screen and keyboard
// ring, the program title and the output statement's spacing. One object, read inline at every poll; the
// runtime's one reset starts it afresh.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/keyboard_ring.h"
#include "host/run_listener.h"
#include "host/text_screen.h"
#include "platform/window.h"

struct RunState {
  bool break_enabled = false;
  bool break_pending = false;
  bool ending = false;
  // Set when a report starts and again by the shutdown: run-time errors are then ignored.
  bool terminating = false;
  std::uint32_t report_depth = 0;
  // The prompt after an error report waits: F1 there opens the reference help.
  bool help_on_f1 = false;
  bool error_reported = false;
  // The window asked the run to end.
  bool quit = false;
  platform::CloseCause close_cause = platform::CloseCause::User;
  // A batch run's listener, or null.
  RunListener* listener = nullptr;
};

struct HostWindow {
  explicit HostWindow(std::unique_ptr<platform::Window> platform_window)
      : owned(std::move(platform_window)), window(*owned), screen(window) {}

  std::unique_ptr<platform::Window> owned;
  platform::Window& window;
  TextScreen screen;
  KeyboardRing keys;
};

struct HostState {
  RunState run;
  std::unique_ptr<HostWindow> window;
  std::string program_title;
  // Set while the item being printed is the blank string of PrintColumn.
  bool spacing = false;
};

inline HostState host_state;
