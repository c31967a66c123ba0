// The dialogs of a batch run, answered from the command line: pass k opens mailbox k and saves to the output;
// after the last mailbox the open dialog is cancelled, which ends the run.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"

// The output that cannot be created is told in one line on standard error, with the platform's reason, beside the
// run-time report that follows.
class BatchDialogs : public platform::FileDialogs {
 public:
  BatchDialogs(std::vector<std::string> mailboxes, std::string output);
  ~BatchDialogs() override;
  BatchDialogs(const BatchDialogs&) = delete;
  BatchDialogs& operator=(const BatchDialogs&) = delete;
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override;

 private:
  void OutputRefused(const std::string& path, platform::ErrorCode reason);

  std::vector<std::string> mailboxes_;
  std::string output_;
  std::size_t pass_ = 0;
  bool output_given_ = false;
  bool refusal_told_ = false;
};
