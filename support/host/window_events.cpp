// The host's answers to its main window.
#include "host/window_events.h"

#include "host/main_window.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "values/raise_error.h"
#include "texts.h"

namespace {

class MainEvents final : public platform::WindowEvents {
 public:
  void KeyTyped(std::uint8_t key) override {
    HostWindow* host = MainWindow();
    if (host == nullptr) return;
    if (!host->keys.Store(key)) host->window.Beep();
    if (key == kBreakKey) BreakPressed();
  }

  void BreakPressed() override { HostRun().break_pending = true; }

  void PaintRequested() override {
    if (HostWindow* host = MainWindow()) host->screen.Paint();
  }

  void Resized(std::int32_t visible_columns, std::int32_t visible_rows) override {
    if (HostWindow* host = MainWindow()) host->screen.SetVisibleSize(visible_columns, visible_rows);
  }

  void CopyTextRequested() override {
    HostWindow* host = MainWindow();
    if (host == nullptr) return;
    if (!host->window.SetClipboardText(host->screen.CopyText())) {
      host->window.ShowMessageBox(texts::ClipboardFailure, BoxCaption(), platform::BoxIcon::Hand);
    }
  }

  std::uint16_t HelpTopic() override { return ErrorNumber(); }

  bool HelpOnF1() override { return HostRun().help_on_f1; }

  void CloseRequested(platform::CloseCause cause) override {
    RunState& run = HostRun();
    if (run.quit) return;
    run.quit = true;
    run.close_cause = cause;
  }

  void SessionEnding() override {
    CloseRequested(platform::CloseCause::User);
    CloseFilesAtOnce();
  }
};

MainEvents events;

}  // namespace

platform::WindowEvents& MainWindowEvents() { return events; }
