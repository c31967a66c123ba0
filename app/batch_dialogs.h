// The dialogs of a batch run, answered from the command line: pass k opens mailbox k and saves to the output;
// after the last mailbox the open dialog is cancelled, which ends the run. Each open dialog after the first also
// says that a mailbox is converted.
#pragma once

#include <string>
#include <vector>

#include "app/batch_report.h"
#include "platform/dialogs.h"

class BatchDialogs : public platform::FileDialogs {
 public:
  BatchDialogs(std::vector<std::string> mailboxes, std::string output, BatchReport& report);
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override;

 private:
  std::vector<std::string> mailboxes_;
  std::string output_;
  BatchReport& report_;
  std::size_t pass_ = 0;
  bool output_given_ = false;
};
