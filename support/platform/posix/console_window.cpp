// The console on POSIX: the terminal when both standard input and output are terminals, else a transcript.
#include <unistd.h>

#include "platform/posix/console_io.h"
#include "platform/posix/display_text.h"
#include "platform/posix/signal_flags.h"
#include "platform/posix/terminal_window.h"
#include "platform/posix/transcript_window.h"

namespace platform {

// A terminal cannot hide the console it is: the start-hidden choice has no effect here.
std::unique_ptr<Window> OpenConsoleWindow(std::string_view title, ConsoleKind kind, StartShow) {
  posix::CatchSignals();
  const bool output_terminal = isatty(STDOUT_FILENO) != 0;
  if (kind == ConsoleKind::Window && output_terminal && isatty(STDIN_FILENO) != 0) {
    if (std::unique_ptr<Window> terminal = posix::OpenTerminalWindow(title)) return terminal;
  }
  if (kind == ConsoleKind::QuietTranscript) return posix::OpenTranscriptWindow(posix::TranscriptOutput::None);
  if (kind == ConsoleKind::TranscriptBesideProgress && output_terminal) {
    return posix::OpenTranscriptWindow(posix::TranscriptOutput::LinesOverProgress);
  }
  return posix::OpenTranscriptWindow(output_terminal ? posix::TranscriptOutput::LinesAndLiveRow
                                                     : posix::TranscriptOutput::Lines);
}

void ShowLoneMessageBox(std::string_view text, std::string_view caption, BoxIcon) {
  posix::DisplayEncoder encoder;
  posix::WriteAll(STDERR_FILENO, encoder.Text(std::string(caption) + ": " + std::string(text)) + "\n");
}

}  // namespace platform
