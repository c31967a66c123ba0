// A window that only records what the host asks of it, and a fixture that makes it the main window.
#pragma once

#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "host/main_window.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "platform/window.h"
#include "values/runtime_fixture.h"

// What the window was asked, and what it is to hand back; it outlives the window.
struct Recording {
  struct Draw {
    std::int32_t x;
    std::int32_t y;
    std::string bytes;
  };

  // The cell characters as drawn, row by row, so that they can be read after the window is gone.
  std::string Row(std::int32_t y) const {
    const std::string& row = screen[static_cast<std::size_t>(y)];
    return row.substr(0, row.find_last_not_of(' ') + 1);
  }

  std::vector<Draw> draws;
  std::vector<std::string> screen = std::vector<std::string>(24, std::string(80, ' '));
  int scrolls = 0;
  int invalidations = 0;
  int polls = 0;
  int waits = 0;
  int beeps = 0;
  bool caret_shown = false;
  std::int32_t caret_x = -1;
  std::int32_t caret_y = -1;
  std::vector<std::string> boxes;
  std::string clipboard;
  std::string echoed;
  bool closed = false;
  // The backing picture: whether it can be made, and how often it was.
  bool picture_possible = true;
  int pictures = 0;
  // A disabled window; whether each wait found it enabled; how often the reference help was closed.
  bool disabled = false;
  std::vector<bool> seen_enabled;
  int help_closes = 0;

  // Each poll hands over the next batch of keys, or a close when the batch is "close".
  std::deque<std::string> poll_keys;
  // A wait hands over this key, or a close when it is "close", or finds nobody at the keyboard when it is empty.
  std::string wait_answer = "k";
  // When not empty, each wait hands over the next batch instead; "resize WxH" makes the window that size.
  std::deque<std::string> wait_keys;
  // The screen and the caret's column as each wait found them.
  std::vector<std::vector<std::string>> seen;
  std::vector<std::int32_t> seen_caret_x;
};

class RecordingWindow : public platform::Window {
 public:
  explicit RecordingWindow(Recording& recording) : r_(recording) {}
  ~RecordingWindow() override { r_.closed = true; }

  void DrawCells(const platform::CellRun& run) override {
    std::string bytes;
    for (std::int32_t index = 0; index < run.count; ++index) {
      bytes.push_back(static_cast<char>(run.row[static_cast<std::size_t>(run.first + index)].character));
    }
    r_.draws.push_back({run.x, run.y, bytes});
    if (run.y >= 0 && run.y < 24 && run.x >= 0 && run.x < 80) {
      r_.screen[static_cast<std::size_t>(run.y)].replace(static_cast<std::size_t>(run.x), bytes.size(), bytes);
      r_.screen[static_cast<std::size_t>(run.y)].resize(80);
    }
  }
  void ScrollUp(std::int32_t, std::int32_t) override {
    ++r_.scrolls;
    r_.screen.erase(r_.screen.begin());
    r_.screen.push_back(std::string(80, ' '));
  }
  void Update() override {}
  void HideCaret() override { r_.caret_shown = false; }
  void ShowCaretAt(std::int32_t x, std::int32_t y) override {
    r_.caret_shown = true;
    r_.caret_x = x;
    r_.caret_y = y;
  }
  void Invalidate() override { ++r_.invalidations; }

  void Poll(platform::WindowEvents& events) override {
    ++r_.polls;
    if (r_.poll_keys.empty()) return;
    const std::string batch = r_.poll_keys.front();
    r_.poll_keys.pop_front();
    Hand(batch, events);
  }
  bool WaitForKey(platform::WindowEvents& events) override {
    ++r_.waits;
    r_.seen_enabled.push_back(!r_.disabled);
    r_.seen.push_back(r_.screen);
    r_.seen_caret_x.push_back(r_.caret_x);
    if (!r_.wait_keys.empty()) {
      const std::string batch = r_.wait_keys.front();
      r_.wait_keys.pop_front();
      Hand(batch, events);
      return true;
    }
    if (r_.wait_answer.empty()) return false;
    Hand(r_.wait_answer, events);
    return true;
  }

  void ShowMessageBox(std::string_view text, std::string_view caption, platform::BoxIcon) override {
    r_.boxes.push_back(std::string(caption) + "|" + std::string(text));
  }
  bool SetClipboardText(std::string_view text) override {
    r_.clipboard = text;
    return true;
  }
  void Beep() override { ++r_.beeps; }
  void EchoReport(std::string_view text) override { r_.echoed += text; }
  bool CreateBackingPicture() override {
    ++r_.pictures;
    return r_.picture_possible;
  }
  bool EnableForPrompt() override {
    const bool was_disabled = r_.disabled;
    r_.disabled = false;
    return was_disabled;
  }
  void DisableAfterPrompt() override { r_.disabled = true; }
  void CloseHelp() override { ++r_.help_closes; }

 private:
  static void Hand(const std::string& keys, platform::WindowEvents& events) {
    if (keys == "close") {
      events.CloseRequested(platform::CloseCause::User);
      return;
    }
    int columns = 0;
    int rows = 0;
    if (std::sscanf(keys.c_str(), "resize %dx%d", &columns, &rows) == 2) {
      events.Resized(columns, rows);
      events.PaintRequested();
      return;
    }
    for (const char key : keys) events.KeyTyped(static_cast<std::uint8_t>(key));
  }

  Recording& r_;
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
  void SetUp() override { OpenMainWindow(std::make_unique<RecordingWindow>(window)); }
  void TearDown() override {
    ReleaseRuntime();
    HostRun() = RunState{};  // the next test is a new run
    RuntimeTest::TearDown();
  }

  TextScreen& screen() { return MainWindow()->screen; }

  Recording window;
};
