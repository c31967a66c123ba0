// Program entry: the command line decides between the interactive program and a batch run; the host then runs the
// converter and returns the run's status.
#include <unistd.h>

#include <clocale>
#include <cstdio>

#include "batch_dialogs.h"
#include "command_line.h"
#include "console_file_dialog.h"
#include "converter.h"
#include "host.h"

namespace {
constexpr int kBadCommandLine = 2;
}  // namespace

int main(int argc, char** argv) {
  // Names on the command line and on the terminal are in the locale's encoding.
  std::setlocale(LC_CTYPE, "");
  const Command command = ParseCommandLine(argc, argv, isatty(STDIN_FILENO) && isatty(STDOUT_FILENO));
  switch (command.kind) {
    case CommandKind::Help:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case CommandKind::Version:
      std::puts("qelvorin 0.31");
      return 0;
    case CommandKind::Refused:
      std::fprintf(stderr, "qelvorin: %s\n%s", command.reason.c_str(), UsageText().c_str());
      return kBadCommandLine;
    case CommandKind::BadOperand:
      std::fprintf(stderr, "qelvorin: %s\n", command.reason.c_str());
      return kBadCommandLine;
    case CommandKind::Batch: {
      BatchDialogs dialogs(command.mailboxes, command.output);
      return RunHost(argc, argv, [&dialogs] { return RunConverter(dialogs); }, {platform::ConsoleKind::Transcript});
    }
    case CommandKind::Interactive:
      break;
  }
  ConsoleFileDialog dialogs;
  return RunHost(argc, argv, [&dialogs] { return RunConverter(dialogs); });
}
