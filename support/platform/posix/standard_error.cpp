// Standard error on POSIX.
#include "platform/standard_error.h"

#include <unistd.h>

#include "platform/posix/console_io.h"
#include "platform/posix/display_text.h"

namespace platform {

std::string ErrorStreamText(std::string_view cp932) {
  posix::DisplayEncoder encoder;
  return encoder.Text(cp932);
}

void WriteStandardError(std::string_view bytes) { posix::WriteAll(STDERR_FILENO, bytes); }

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

}  // namespace platform
