// What a batch run tells on standard error beside its console: one summary line after each mailbox, and the
// run-time errors, date warnings and interrupts, each naming the mailbox they came from. On a terminal a progress
// line goes with each mailbox, and the summary line takes its place.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/progress_line.h"
#include "host/run_listener.h"

class BatchReport final : public RunListener {
 public:
  enum class Progress : std::uint8_t { Hidden, Shown };

  // The names as the command line gave them (locale encoding).
  BatchReport(std::vector<std::string> mailbox_names, std::string output_name, Progress progress);
  // The progress line is not left behind, however the run ended.
  ~BatchReport();
  BatchReport(const BatchReport&) = delete;
  BatchReport& operator=(const BatchReport&) = delete;

  // The dialogs tell where the run is: the mailbox of this pass is opened, the mailbox before it is converted.
  void MailboxStarted(std::size_t index);
  // "qelvorin: MAILBOX: N mails -> OUTPUT".
  void MailboxFinished();
  // A line of the program's own (locale encoding), in the progress line's place if one is shown.
  void Tell(const std::string& line);

  void Polled() override {
    if (progress_) progress_->Polled();
  }
  void Noted(std::string_view text) override;
  void ErrorReported(std::string_view report) override;
  void Interrupted(std::string_view notice) override;

 private:
  // "qelvorin: MAILBOX: " and the prefix before the cp932 text, whose line ends become blanks.
  void TellAboutMailbox(std::string_view prefix, std::string_view cp932);
  std::string Prefix() const;

  std::vector<std::string> mailbox_names_;
  std::string output_name_;
  std::size_t current_ = 0;
  std::optional<ProgressLine> progress_;
};
