// What a batch run tells on standard error beside its console: one summary line after each mailbox, and the
// run-time errors, date warnings and interrupts, each naming the mailbox they came from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/run_listener.h"

class BatchReport final : public RunListener {
 public:
  // The names as the command line gave them (locale encoding).
  BatchReport(std::vector<std::string> mailbox_names, std::string output_name);

  // The dialogs tell where the run is: the mailbox of this pass is opened, the mailbox before it is converted.
  void MailboxStarted(std::size_t index);
  // "qelvorin: MAILBOX: N mails -> OUTPUT".
  void MailboxFinished();

  void Polled() override {}
  void Noted(std::string_view text) override;
  void ErrorReported(std::string_view report) override;
  void Interrupted(std::string_view notice) override;

 private:
  // "qelvorin: MAILBOX: " before the cp932 text, whose line ends become blanks.
  void Tell(std::string_view prefix, std::string_view cp932);
  std::string Prefix() const;

  std::vector<std::string> mailbox_names_;
  std::string output_name_;
  std::size_t current_ = 0;
};
