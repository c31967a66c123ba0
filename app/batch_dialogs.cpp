// Dialog answers from the command line.
#include "app/batch_dialogs.h"

#include <cstdio>

#include "host/run_phase.h"
#include "platform/files.h"

namespace {

inline constexpr std::uint16_t kBadCommandLine = 2;

// The output cannot be opened: the program would ask for another name, which only a user can give.
[[noreturn]] void StopForOutput(const std::string& output) {
  std::string local;
  if (!platform::PathToLocal(output, local)) local = output;
  std::fprintf(stderr, "qelvorin: cannot create the output file %s\n", local.c_str());
  EndRun(kBadCommandLine);
}

}  // namespace

BatchDialogs::BatchDialogs(std::vector<std::string> mailboxes, std::string output)
    : mailboxes_(std::move(mailboxes)), output_(std::move(output)) {}

std::optional<std::string> BatchDialogs::Show(const platform::FileDialogRequest& request) {
  if (request.kind == platform::FileDialogKind::Open) {
    output_given_ = false;
    if (pass_ == mailboxes_.size()) return std::nullopt;
    return mailboxes_[pass_++];
  }
  if (output_given_) StopForOutput(output_);
  output_given_ = true;
  return output_;
}
