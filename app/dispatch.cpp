// The one dispatch of both programs.
#include "app/dispatch.h"

#include "app/batch_dialogs.h"
#include "app/batch_report.h"
#include "converter/converter.h"
#include "host/host.h"
#include "platform/standard_error.h"

namespace {
constexpr int kBadCommandLine = 2;

int RunBatch(const Command& command, const ProgramEntryPoint& entry) {
  // Progress is for someone watching a terminal, and a quiet run shows none.
  const bool progress = !command.quiet && platform::StandardErrorIsTerminal();
  BatchReport report(command.mailbox_names, command.output_name,
                     progress ? BatchReport::Progress::Shown : BatchReport::Progress::Hidden);
  BatchDialogs dialogs(command.mailboxes, command.output, report);
  const EarlierOutput earlier{command.card_file, command.card_folder};
  const EarlierOutput* appended_to = command.append ? &earlier : nullptr;
  HostSettings settings{platform::ConsoleKind::Transcript, &report};
  if (command.quiet) settings.console = platform::ConsoleKind::QuietTranscript;
  if (progress) settings.console = platform::ConsoleKind::TranscriptBesideProgress;
  return RunHost(entry.argc, entry.argv, [&] { return RunConverter(dialogs, appended_to); }, settings);
}

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
      entry.tell_error("qelvorin: " + command.reason + "\nTry 'qelvorin --help' for more information.\n");
      return kBadCommandLine;
    case CommandKind::BadOperand:
      entry.tell_error("qelvorin: " + command.reason + "\n");
      return kBadCommandLine;
    case CommandKind::Batch:
      return RunBatch(command, entry);
    case CommandKind::Interactive:
      break;
  }
  platform::FileDialogs& dialogs = entry.interactive_dialogs;
  return RunHost(entry.argc, entry.argv, [&dialogs] { return RunConverter(dialogs); });
}
