// A warning printed on the console, copied for the batch run's listener.
#include "host/console_note.h"

#include <string_view>

#include "host/run_listener.h"
#include "host/run_state.h"

namespace {

std::string* open_note = nullptr;

// The console's columns and line ends around the words are not part of them.
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlank = " \r\n";
  const std::size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

}  // namespace

ConsoleNote::ConsoleNote() {
  if (HostRun().listener != nullptr) open_note = &text_;
}

ConsoleNote::~ConsoleNote() {
  if (open_note != &text_) return;
  open_note = nullptr;
  const std::string_view text = Trimmed(text_);
  if (!text.empty()) HostRun().listener->Noted(text);
}

void CopyToConsoleNote(const std::uint8_t* bytes, std::size_t length) {
  if (open_note != nullptr) open_note->append(reinterpret_cast<const char*>(bytes), length);
}
