// The system calls a test under Wine cannot see, recorded instead of made while an object of RecordedCalls lives:
// message boxes (answered with OK at once) and the help program; class registrations, resource lookups and
// palettes recorded on their way to the system; and window, palette and picture creation when a test makes them
// fail.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
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

struct RecordedLookup {
  std::string name;
  ULONG_PTR type;
};

class RecordedCalls {
 public:
  RecordedCalls() : saved_(platform::win32::Calls()) {
    current_ = this;
    platform::win32::Calls().message_box = RecordBox;
    platform::win32::Calls().win_help = RecordHelp;
    platform::win32::Calls().register_class = RecordClass;
    platform::win32::Calls().find_resource = RecordLookup;
    platform::win32::Calls().create_palette = RecordPalette;
  }
  RecordedCalls(const RecordedCalls&) = delete;
  RecordedCalls& operator=(const RecordedCalls&) = delete;
  ~RecordedCalls() {
    platform::win32::Calls() = saved_;
    current_ = nullptr;
  }

  void FailWindowCreation() { platform::win32::Calls().create_window = RefuseWindow; }
  void FailPalettes() { fail_palettes_ = true; }
  void FailPictures() { platform::win32::Calls().create_bitmap = RefusePicture; }
  // The program is taken to carry a resource of this name.
  void CarryResource(std::string name) { carried_ = std::move(name); }

  std::vector<RecordedBox> boxes;
  std::vector<RecordedHelp> helps;
  std::vector<std::string> classes;
  std::vector<RecordedLookup> lookups;
  // The colours of each palette made, as COLORREF.
  std::vector<std::vector<COLORREF>> palettes;

 private:
  static int WINAPI RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    current_->boxes.push_back({owner, text, caption, style});
    return IDOK;
  }
  static BOOL WINAPI RecordHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR data) {
    current_->helps.push_back({owner, file, command, data});
    return TRUE;
  }
  static ATOM WINAPI RecordClass(const WNDCLASSA* window_class) {
    current_->classes.emplace_back(window_class->lpszClassName);
    return current_->saved_.register_class(window_class);
  }
  static HRSRC WINAPI RecordLookup(HMODULE module, LPCSTR name, LPCSTR type) {
    current_->lookups.push_back({IS_INTRESOURCE(name) ? "#" : name, reinterpret_cast<ULONG_PTR>(type)});
    if (!IS_INTRESOURCE(name) && current_->carried_ == name) return reinterpret_cast<HRSRC>(1);
    return current_->saved_.find_resource(module, name, type);
  }
  static HPALETTE WINAPI RecordPalette(const LOGPALETTE* palette) {
    std::vector<COLORREF> colours;
    for (WORD index = 0; index < palette->palNumEntries; ++index) {
      const PALETTEENTRY& entry = palette->palPalEntry[index];
      colours.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
    }
    current_->palettes.push_back(colours);
    return current_->fail_palettes_ ? nullptr : current_->saved_.create_palette(palette);
  }
  static HBITMAP WINAPI RefusePicture(HDC, int, int) { return nullptr; }
  static HWND WINAPI RefuseWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }

  platform::win32::SystemCalls saved_;
  bool fail_palettes_ = false;
  std::string carried_;
  static inline RecordedCalls* current_ = nullptr;
};
