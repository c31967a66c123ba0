// The dialogs of a batch run, answered from the command line: pass k opens mailbox k and saves to the output;
// after the last mailbox the open dialog is cancelled, which ends the run. Each open dialog after the first also
// says that a mailbox is converted.
#pragma once

#include <string>
#include <vector>

#include "app/batch_report.h"
#include "platform/dialogs.h"
#include "platform/files.h"

// The output that cannot be created is told in one line on standard error, with the platform's reason, beside the
// run-time report that follows.
class BatchDialogs : public platform::FileDialogs {
 public:
  BatchDialogs(std::vector<std::string> mailboxes, std::string output, BatchReport& report);
  ~BatchDialogs() override;
  BatchDialogs(const BatchDialogs&) = delete;
  BatchDialogs& operator=(const BatchDialogs&) = delete;
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override;

 private:
  void OutputRefused(const std::string& path, platform::ErrorCode reason);

  std::vector<std::string> mailboxes_;
  std::string output_;
  BatchReport& report_;
  std::size_t pass_ = 0;
  bool output_given_ = false;
  bool refusal_told_ = false;
};
