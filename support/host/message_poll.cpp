// The statement hook's poll, the interrupt by the break key and the key prompt.
#include "host/message_poll.h"

#include <string>

#include "host/main_window.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "host/text_format.h"
#include "host/window_events.h"
#include "values/error_numbers.h"
#include "values/run_context.h"
#include "texts.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void WriteText(HostWindow& host, std::string_view text) {
  host.screen.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// The interrupt prompt around the key prompt given: "中断しました MODULE[LINE行] ...".
std::string InterruptText(std::string_view before, std::string_view press) {
  const RunContext& context = Context();
  const std::string_view module = context.module != nullptr ? context.module->name : std::string_view();
  const std::string interrupted = std::string(before) + std::string(texts::Interrupted);
  return FillPattern(texts::InterruptPrompt, {interrupted, module, std::to_string(context.line), press});
}

std::string PromptText(PromptKind kind) {
  const std::string press = std::string(kLineEnd) + std::string(texts::PressAnyKey);
  if (kind == PromptKind::AfterReport) return press;
  return InterruptText(kLineEnd, press);
}

[[noreturn]] void Interrupt() {
  if (RunListener* listener = HostRun().listener) {
    std::string notice = InterruptText({}, {});
    notice.pop_back();  // the blank before the missing key prompt
    listener->Interrupted(notice);
  }
  KeyPrompt(PromptKind::Interrupt);
  HostRun().ending = true;
  throw RunEnded{exit_status::kBreak};
}

}  // namespace

void PollHost() {
  HostWindow* host = MainWindow();
  if (host == nullptr) return;
  host->window.Poll(MainWindowEvents());
  EndIfQuit();
  RunState& run = HostRun();
  if (run.listener != nullptr) run.listener->Polled();
  if (run.break_enabled && run.break_pending) {
    run.break_pending = false;
    Interrupt();
  }
}

void KeyPrompt(PromptKind kind) {
  RunState& run = HostRun();
  struct Depth {
    Depth(RunState& state, PromptKind kind) : run(state) {
      ++run.report_depth;
      run.help_on_f1 = kind == PromptKind::AfterReport;
    }
    ~Depth() {
      --run.report_depth;
      run.help_on_f1 = false;
    }
    RunState& run;
  } depth(run, kind);
  BeforeHostSpeaks();
  const std::string text = PromptText(kind);
  HostWindow* host = MainWindow();
  if (host == nullptr) {
    platform::ShowLoneMessageBox(text, BoxCaption(), platform::BoxIcon::Exclamation);
    return;
  }
  const bool was_disabled = host->window.EnableForPrompt();
  WriteText(*host, text);
  host->keys.Clear();
  host->window.Invalidate();
  const bool cursor_shown = host->screen.cursor_shown();
  host->screen.SetCursorShown(true);
  while (!host->keys.HasKey() && !run.quit && host->window.WaitForKey(MainWindowEvents())) {
  }
  EndIfQuit();
  if (was_disabled) host->window.DisableAfterPrompt();
  host->screen.SetCursorShown(cursor_shown);
  host->keys.Clear();
  WriteText(*host, kLineEnd);
  host->window.CloseHelp();
}
