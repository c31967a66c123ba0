// Program entry on Linux: names on the command line and on the terminal are in the locale's encoding; the
// interactive program asks its questions on the console.
#include <unistd.h>

#include <clocale>
#include <cstdio>

#include "app/dispatch.h"
#include "host/console_file_dialog.h"

int main(int argc, char** argv) {
  std::setlocale(LC_CTYPE, "");
  const Command command = ParseCommandLine(argc, argv, isatty(STDIN_FILENO) && isatty(STDOUT_FILENO));
  ConsoleFileDialog dialogs;
  return Dispatch(command, {argc, argv, [](const std::string& text) { std::fputs(text.c_str(), stdout); },
                            [](const std::string& text) { std::fputs(text.c_str(), stderr); }, dialogs});
}
