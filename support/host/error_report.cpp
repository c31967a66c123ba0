// The report of a run-time error that no trap caught.
#include "host/error_report.h"

#include <array>
#include <string>

#include "host/main_window.h"
#include "host/message_poll.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "host/text_format.h"
#include "platform/message_library.h"
#include "texts.h"

namespace {

constexpr std::uint16_t kConsoleMessageSize = 260;
constexpr std::uint16_t kBoxMessageSize = 256;

std::string ReportLine(const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line) {
  const std::string_view name = module != nullptr ? module->name : std::string_view();
  return "\r\n" + FillPattern(texts::ReportLine, {name, std::to_string(line), std::to_string(number)});
}

void ReportOnConsole(HostWindow& host, const std::string& report, RuntimeErrorNumber number) {
  std::array<char, kConsoleMessageSize> message;
  std::string text = report;
  if (platform::LookUpErrorMessage(number, message.data(), kConsoleMessageSize)) {
    text += "\r\n";
    text += message.data();
  }
  host.screen.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (RunListener* listener = HostRun().listener) {
    listener->ErrorReported(text);
  } else {
    host.window.EchoReport(text);
  }
  KeyPrompt(PromptKind::AfterReport);
}

void ReportInBox(const std::string& report, RuntimeErrorNumber number) {
  std::array<char, kBoxMessageSize> message;
  std::string text = report;
  if (platform::LookUpErrorMessage(number, message.data(), kBoxMessageSize)) {
    text += "\n";
    text += message.data();
  }
  platform::ShowLoneMessageBox(text, BoxCaption(), platform::BoxIcon::ExclamationWithHelp);
}

}  // namespace

void ReportError(const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line) {
  RunState& run = HostRun();
  if (run.terminating) return;
  run.terminating = true;
  run.error_reported = true;
  BeforeHostSpeaks();
  const std::string report = ReportLine(module, number, line);
  if (HostWindow* host = MainWindow()) {
    ReportOnConsole(*host, report, number);
  } else {
    ReportInBox(report, number);
  }
  run.ending = true;
}
