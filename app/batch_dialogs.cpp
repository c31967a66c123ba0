// Dialog answers from the command line.
#include "app/batch_dialogs.h"

#include <cstdio>

#include "files/channels.h"
#include "host/run_phase.h"
#include "platform/files.h"

namespace {

inline constexpr std::uint16_t kBadCommandLine = 2;

std::string Local(const std::string& path) {
  std::string local;
  return platform::PathToLocal(path, local) ? local : path;
}

std::string ReasonText(platform::ErrorCode reason) {
  using namespace platform::win32_error;
  switch (reason) {
    case kPathNotFound: return "its folder cannot be reached";
    case kTooManyOpenFiles: return "too many open files";
    case kAccessDenied: return "permission denied";
    case kWriteProtect: return "the file system is read-only";
    case kSharingViolation: return "another run of the program has it open";
    case kDiskFull: return "no room left on the disk";
    case kNoUnicodeTranslation: return "the name cannot be converted";
    default: return "refused by the system (code " + std::to_string(reason) + ")";
  }
}

void TellCannotCreate(const std::string& output, const std::string& reason) {
  std::fprintf(stderr, "qelvorin: cannot create the output file %s%s\n", Local(output).c_str(), reason.c_str());
}

}  // namespace

BatchDialogs::BatchDialogs(std::vector<std::string> mailboxes, std::string output)
    : mailboxes_(std::move(mailboxes)), output_(std::move(output)) {
  // In a batch run only the output is opened to be written.
  WatchWriteOpenFailures(
      [this](std::string_view path, platform::ErrorCode reason) { OutputRefused(std::string(path), reason); });
}

BatchDialogs::~BatchDialogs() { WatchWriteOpenFailures(nullptr); }

void BatchDialogs::OutputRefused(const std::string& path, platform::ErrorCode reason) {
  if (refusal_told_) return;
  refusal_told_ = true;
  TellCannotCreate(path, ": " + ReasonText(reason));
}

std::optional<std::string> BatchDialogs::Show(const platform::FileDialogRequest& request) {
  if (request.kind == platform::FileDialogKind::Open) {
    output_given_ = false;
    if (pass_ == mailboxes_.size()) return std::nullopt;
    return mailboxes_[pass_++];
  }
  // The output was refused: the program would ask for another name, which only a user can give.
  if (output_given_) {
    if (!refusal_told_) TellCannotCreate(output_, "");
    EndRun(kBadCommandLine);
  }
  output_given_ = true;
  return output_;
}
