// The whole program with the host's dialogs. Its values live for the whole run: the shutdown still releases the
// arrays they hold.
#include "converter/converter.h"
#include "files/file_dialogs.h"
#include "statements/expressions.h"

namespace {
Converter values;
}  // namespace

int RunConverter(platform::FileDialogs& dialogs, const EarlierOutput* earlier) {
  SetFileDialogs(&dialogs);
  if (earlier != nullptr) {
    Let(values.out_path, std::string_view(earlier->path));
    Let(values.out_dir, std::string_view(earlier->folder));
  }
  const Routine<Converter> program = MainProgram();
  const int status = RunMain(program, values);
  SetFileDialogs(nullptr);
  return status;
}

ConversionProgress CurrentConversion() {
  ConversionProgress progress{static_cast<std::uint32_t>(values.mail_count), false, {}};
  progress.reading = ReadingProgressOf(kMailboxChannel, progress.mailbox);
  return progress;
}
