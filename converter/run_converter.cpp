// The whole program with the host's dialogs. Its values live for the whole run: the shutdown still releases the
// arrays they hold.
#include "converter/converter.h"
#include "files/file_dialogs.h"

namespace {
Converter values;
}  // namespace

int RunConverter(platform::FileDialogs& dialogs) {
  SetFileDialogs(&dialogs);
  const Routine<Converter> program = MainProgram();
  const int status = RunMain(program, values);
  SetFileDialogs(nullptr);
  return status;
}
