// The progress of a batch run on a terminal's standard error: one line, rewritten in place about five times a
// second while a mailbox is converted, with the mailbox, the part of it read, the mails so far, the speed and the
// time left. Any other line on standard error clears it first.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "converter/converter.h"

class ProgressLine {
 public:
  explicit ProgressLine(std::size_t mailboxes);

  // Mailbox index (from 0), named as given, starts now.
  void Start(std::size_t index, std::string name);
  // At every poll of the host: the clock is read only now and then, the line drawn only when its text changes.
  void Polled() {
    if (--polls_left_ == 0) [[unlikely]] Look();
  }
  // Takes the line away; the next look draws it again.
  void Clear();

 private:
  using Clock = std::chrono::steady_clock;

  void Look();
  std::string Text(const ConversionProgress& progress, Clock::duration elapsed) const;

  std::size_t mailboxes_;
  std::size_t index_ = 0;
  std::string name_;
  Clock::time_point started_{};
  Clock::time_point next_look_{};
  std::uint32_t polls_left_ = 1;
  std::string shown_;
};
