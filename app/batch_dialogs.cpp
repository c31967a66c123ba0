// Dialog answers from the command line.
#include "app/batch_dialogs.h"

#include "host/run_phase.h"
#include "platform/files.h"

namespace {

inline constexpr std::uint16_t kBadCommandLine = 2;

// The output cannot be opened: the program would ask for another name, which only a user can give.
[[noreturn]] void StopForOutput(const std::string& output, BatchReport& report) {
  std::string local;
  if (!platform::PathToLocal(output, local)) local = output;
  report.Tell("qelvorin: cannot create the output file " + local + "\n");
  EndRun(kBadCommandLine);
}

}  // namespace

BatchDialogs::BatchDialogs(std::vector<std::string> mailboxes, std::string output, BatchReport& report)
    : mailboxes_(std::move(mailboxes)), output_(std::move(output)), report_(report) {}

std::optional<std::string> BatchDialogs::Show(const platform::FileDialogRequest& request) {
  if (request.kind == platform::FileDialogKind::Open) {
    // The pass before has closed its files: its card file is whole.
    if (output_given_) report_.MailboxFinished();
    output_given_ = false;
    if (pass_ == mailboxes_.size()) return std::nullopt;
    report_.MailboxStarted(pass_);
    return mailboxes_[pass_++];
  }
  if (output_given_) StopForOutput(output_, report_);
  output_given_ = true;
  return output_;
}
