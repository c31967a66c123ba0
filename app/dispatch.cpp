// The one dispatch of both programs.
#include "app/dispatch.h"

#include "app/batch_dialogs.h"
#include "converter/converter.h"
#include "host/host.h"

namespace {
constexpr int kBadCommandLine = 2;
}  // namespace

std::string VersionText() { return "qelvorin " QELVORIN_VERSION "\n"; }

int Dispatch(const Command& command, const ProgramEntryPoint& entry) {
  switch (command.kind) {
    case CommandKind::Help:
      entry.tell(UsageText());
      return 0;
    case CommandKind::Version:
      entry.tell(VersionText());
      return 0;
    case CommandKind::Refused:
      entry.tell_error("qelvorin: " + command.reason + "\n" + UsageText());
      return kBadCommandLine;
    case CommandKind::BadOperand:
      entry.tell_error("qelvorin: " + command.reason + "\n");
      return kBadCommandLine;
    case CommandKind::Batch: {
      BatchDialogs dialogs(command.mailboxes, command.output);
      return RunHost(entry.argc, entry.argv, [&dialogs] { return RunConverter(dialogs); },
                     {platform::ConsoleKind::Transcript});
    }
    case CommandKind::Interactive:
      break;
  }
  platform::FileDialogs& dialogs = entry.interactive_dialogs;
  return RunHost(entry.argc, entry.argv, [&dialogs] { return RunConverter(dialogs); });
}
