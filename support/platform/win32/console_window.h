// The console as a real window of class "K7V2CLASS": cells drawn with GDI in the stock fixed font, the caret, a
// view of the screen with scroll bars when the window is smaller, the clipboard, and the message polls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/window.h"

namespace platform::win32 {

class ConsoleWindow final : public Window {
 public:
  static constexpr std::int32_t kColumns = kConsoleColumns;
  static constexpr std::int32_t kRows = kConsoleRows;
  // The system-menu commands: copy the screen as text, or as a picture.
  static constexpr WPARAM kCopyText = 0x67;
  static constexpr WPARAM kCopyPicture = 0x68;

  explicit ConsoleWindow(ConsoleKind kind);
  // The host closes the window: every other top-level window of the process first, then this one.
  ~ConsoleWindow() override;

  // Creates the window with its title, sizes it to the whole screen, registers it as the main form and shows it;
  // false when it cannot be made.
  bool Create(HINSTANCE instance, const std::string& title, int show_command);

  // The window procedure's work for this window; false when the message is left to DefWindowProcA.
  bool Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

  void DrawCells(const CellRun& run) override;
  void ScrollUp(std::int32_t top, std::int32_t rows) override;
  void Update() override;
  void HideCaret() override;
  void ShowCaretAt(std::int32_t x, std::int32_t y) override;
  void Invalidate() override;
  void Poll(WindowEvents& events) override;
  bool WaitForKey(WindowEvents& events) override;
  void ShowMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) override;
  bool SetClipboardText(std::string_view text) override;
  void Beep() override;
  void EchoReport(std::string_view text) override;
  bool CreateBackingPicture() override;
  bool EnableForPrompt() override;
  void DisableAfterPrompt() override;
  void CloseHelp() override;

 private:
  // WM_CREATE; false when the window lacks what it needs and is not to be made.
  bool Created(HWND window);
  void Paint();
  void Destroyed();
  void Sized(std::int32_t width, std::int32_t height);
  void ScrollView(int bar, WPARAM request);
  void FocusGained();
  void FocusLost();
  void KeyDown(WPARAM key, LPARAM flags);
  void CopyPicture();
  RECT FullWindowRect() const;
  void PlaceCaret();
  HDC DrawingContext();
  void ReleaseDrawingContext(HDC context);
  // The cell at the top-left corner of what is drawn: the view's, or the screen's own while it is drawn as a
  // picture.
  std::int32_t OriginColumn() const { return picture_context_ != nullptr ? 0 : view_column_; }
  std::int32_t OriginRow() const { return picture_context_ != nullptr ? 0 : view_row_; }
  void ClearCells(HDC context, const RECT& cells, std::int32_t column, std::int32_t row);
  void ReleasePictures();

  ConsoleKind kind_;
  HWND window_ = nullptr;
  WindowEvents* events_ = nullptr;
  HFONT font_;
  // The mouse pointer over the client area.
  HCURSOR cursor_ = nullptr;
  HPALETTE palette_ = nullptr;
  // The picture behind the cells, the whole screen in the background colour, selected into its own context.
  HDC backing_context_ = nullptr;
  HBITMAP backing_picture_ = nullptr;
  HGDIOBJ backing_previous_ = nullptr;
  // Set while the whole screen is drawn into a picture of its own (the copy as picture).
  HDC picture_context_ = nullptr;
  std::int32_t cell_width_ = 8;
  std::int32_t cell_height_ = 16;
  // The cell at the client area's top-left corner, and how many cells the client area shows.
  std::int32_t view_column_ = 0;
  std::int32_t view_row_ = 0;
  std::int32_t visible_columns_ = kColumns;
  std::int32_t visible_rows_ = kRows;
  bool focused_ = false;
  bool caret_wanted_ = false;
  bool caret_visible_ = false;
  std::int32_t caret_x_ = 0;
  std::int32_t caret_y_ = 0;
  HDC paint_context_ = nullptr;
  bool closing_ = false;
};

// The main window's handle while it exists; the owner of the dialogs and boxes.
HWND MainWindowHandle();

}  // namespace platform::win32
