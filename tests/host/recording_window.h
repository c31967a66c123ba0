// A window that only records what the host asks of it, and a fixture that makes it the main window.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "main_window.h"
#include "values/runtime_fixture.h"
#include "window.h"

class RecordingWindow : public platform::Window {
 public:
  struct Draw {
    std::int32_t x;
    std::int32_t y;
    std::string bytes;
  };

  void DrawCells(const platform::CellRun& run) override {
    std::string bytes;
    for (std::int32_t index = 0; index < run.count; ++index) {
      bytes.push_back(static_cast<char>(run.row[static_cast<std::size_t>(run.first + index)].character));
    }
    draws.push_back({run.x, run.y, bytes});
  }
  void ScrollUp(std::int32_t, std::int32_t) override { ++scrolls; }
  void Update() override {}
  void HideCaret() override { caret_shown = false; }
  void ShowCaretAt(std::int32_t x, std::int32_t y) override {
    caret_shown = true;
    caret_x = x;
    caret_y = y;
  }
  void Invalidate() override { ++invalidations; }

  // Each poll hands over the next scripted batch of keys; an empty script hands over nothing.
  void Poll(platform::WindowEvents& events) override {
    ++polls;
    if (poll_keys.empty()) return;
    for (const char key : poll_keys.front()) events.KeyTyped(static_cast<std::uint8_t>(key));
    poll_keys.pop_front();
  }
  void WaitForKey(platform::WindowEvents& events) override {
    ++waits;
    if (close_while_waiting) {
      events.CloseRequested(platform::CloseCause::User);
      return;
    }
    events.KeyTyped('k');
  }

  void ShowMessageBox(std::string_view text, std::string_view caption, platform::BoxIcon) override {
    boxes.push_back(std::string(caption) + "|" + std::string(text));
  }
  bool SetClipboardText(std::string_view text) override {
    clipboard = text;
    return true;
  }
  void Beep() override { ++beeps; }
  void EchoReport(std::string_view text) override { echoed += text; }

  std::vector<Draw> draws;
  int scrolls = 0;
  int invalidations = 0;
  int polls = 0;
  int waits = 0;
  int beeps = 0;
  bool caret_shown = false;
  std::int32_t caret_x = -1;
  std::int32_t caret_y = -1;
  std::deque<std::string> poll_keys;
  bool close_while_waiting = false;
  std::vector<std::string> boxes;
  std::string clipboard;
  std::string echoed;
};

// The text of a screen row without its trailing blanks.
inline std::string RowText(const TextScreen& screen, std::int32_t row) {
  std::string text;
  for (const platform::Cell& cell : screen.row(row)) text.push_back(static_cast<char>(cell.character));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

inline void WriteText(TextScreen& screen, std::string_view bytes) {
  screen.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

class ConsoleTest : public RuntimeTest {
 protected:
  void SetUp() override { SetMainWindow(&host); }
  void TearDown() override {
    SetMainWindow(nullptr);
    RuntimeTest::TearDown();
  }

  TextScreen& screen() { return host.screen; }

  RecordingWindow window;
  HostWindow host{window};
};
