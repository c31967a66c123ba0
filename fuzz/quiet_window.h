// A window that shows nothing and checks that every drawn run of cells lies within its row; no key ever comes.
#pragma once

#include <cstdlib>

#include "platform/window.h"

class QuietWindow final : public platform::Window {
 public:
  void DrawCells(const platform::CellRun& run) override {
    if (run.first < 0 || run.first + run.count > static_cast<std::int32_t>(run.row.size())) std::abort();
  }
  void ScrollUp(std::int32_t, std::int32_t) override {}
  void Update() override {}
  void HideCaret() override {}
  void ShowCaretAt(std::int32_t, std::int32_t) override {}
  void Invalidate() override {}
  void Poll(platform::WindowEvents&) override {}
  bool WaitForKey(platform::WindowEvents&) override { return false; }
  void ShowMessageBox(std::string_view, std::string_view, platform::BoxIcon) override {}
  bool SetClipboardText(std::string_view) override { return false; }
  void Beep() override {}
  void EchoReport(std::string_view) override {}
};
