// The system calls a test under Wine cannot see, recorded instead of made while an object of RecordedCalls lives:
// message boxes (answered with OK at once), the help program, and window creation when a test makes it fail.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/system_calls.h"

struct RecordedBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};

struct RecordedHelp {
  HWND owner;
  std::string file;
  UINT command;
  ULONG_PTR data;
};

class RecordedCalls {
 public:
  RecordedCalls() : saved_(platform::win32::Calls()) {
    current_ = this;
    platform::win32::Calls().message_box = RecordBox;
    platform::win32::Calls().win_help = RecordHelp;
  }
  RecordedCalls(const RecordedCalls&) = delete;
  RecordedCalls& operator=(const RecordedCalls&) = delete;
  ~RecordedCalls() {
    platform::win32::Calls() = saved_;
    current_ = nullptr;
  }

  void FailWindowCreation() { platform::win32::Calls().create_window = RefuseWindow; }

  std::vector<RecordedBox> boxes;
  std::vector<RecordedHelp> helps;

 private:
  static int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    current_->boxes.push_back({owner, text, caption, style});
    return IDOK;
  }
  static BOOL WINAPI RecordHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR data) {
    current_->helps.push_back({owner, file, command, data});
    return TRUE;
  }
  static HWND WINAPI RefuseWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }

  platform::win32::SystemCalls saved_;
  static inline RecordedCalls* current_ = nullptr;
};
