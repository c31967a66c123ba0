// The console window: its creation, the messages of its window procedure, the polls and waits, boxes, and the
// host's close.
#include "platform/win32/console_window.h"

#include <algorithm>

#include "platform/keys.h"
#include "platform/win32/cell_colours.h"
#include "platform/win32/failure_boxes.h"
#include "platform/win32/form_names.h"
#include "platform/win32/reference_help.h"
#include "platform/win32/system_calls.h"
#include "platform/win32/window_classes.h"

namespace platform::win32 {
namespace {

HWND main_window = nullptr;

constexpr DWORD kMainWindowStyle = 0x00FF0000;  // WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL

// Each message of the queue is handed on; false when the quit message came.
bool Drain() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

// Top-level windows of this process that have no owner, other than the main window, are asked to close.
void CloseOtherWindows(HWND main) {
  HWND window = GetWindow(main, GW_HWNDFIRST);
  while (window != nullptr) {
    const HWND next = GetWindow(window, GW_HWNDNEXT);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (window != main && GetWindow(window, GW_OWNER) == nullptr && process == GetCurrentProcessId()) {
      SendMessageA(window, WM_CLOSE, 1, 0);
    }
    window = next;
  }
}

// Cursor, editing and function keys reach the keyboard buffer as control codes, so that any key ends a prompt.
std::uint8_t ControlCodeOf(WPARAM key) {
  switch (key) {
    case VK_RIGHT: return platform::key::kRight;
    case VK_LEFT: return platform::key::kLeft;
    case VK_UP: return platform::key::kUp;
    case VK_DOWN: return platform::key::kDown;
    case VK_HOME: return platform::key::kHome;
    case VK_END: return platform::key::kEnd;
    case VK_PRIOR: return platform::key::kPageUp;
    case VK_NEXT: return platform::key::kPageDown;
    case VK_INSERT: return platform::key::kInsert;
    case VK_DELETE: return platform::key::kDelete;
    default: return key >= VK_F1 && key <= VK_F12 ? 0x01 : 0;
  }
}

}  // namespace

HWND MainWindowHandle() { return main_window; }

ConsoleWindow::ConsoleWindow(ConsoleKind kind)
    : kind_(kind), font_(static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT))) {}

ConsoleWindow::~ConsoleWindow() {
  closing_ = true;
  events_ = nullptr;
  if (window_ == nullptr) return;
  CloseOtherWindows(window_);
  Drain();
  if (window_ != nullptr) SendMessageA(window_, WM_CLOSE, 1, 0);
  Drain();
}

bool ConsoleWindow::Create(HINSTANCE instance, const std::string& title, int show_command) {
  SetHandleCount(255);
  // A main window stored as a form resource would be made from it; forms belong to a family this support does not
  // build, so a program carrying one cannot start. This program carries none.
  if (Calls().find_resource(instance, kMainFormName, RT_RCDATA) != nullptr) return false;
  const HWND window = Calls().create_window(0, kMainClassName, title.c_str(), kMainWindowStyle, CW_USEDEFAULT,
                                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                                            this);
  if (window == nullptr) return false;
  const RECT full = FullWindowRect();
  MoveWindow(window, 0, 0, full.right - full.left, full.bottom - full.top, TRUE);
  RegisterForm(kMainFormName, window);
  AddCopyMenu(window);
  main_window = window;
  ShowWindow(window, show_command);
  UpdateWindow(window);
  return true;
}

// WM_CREATE: the window is known by its handle from now on, and its cells by the stock fixed font. The class has no
// cursor: the window shows its own over the client area.
bool ConsoleWindow::Created(HWND window) {
  window_ = window;
  cursor_ = LoadCursorA(nullptr, IDC_ARROW);
  palette_ = CreateConsolePalette();
  if (palette_ == nullptr) return false;
  const HDC context = GetDC(window);
  const HGDIOBJ previous = SelectObject(context, font_);
  TEXTMETRICA metrics;
  if (GetTextMetricsA(context, &metrics)) {
    cell_width_ = std::max<std::int32_t>(metrics.tmAveCharWidth, 1);
    cell_height_ = std::max<std::int32_t>(metrics.tmHeight, 1);
  }
  SelectObject(context, previous);
  ReleaseDC(window, context);
  return true;
}

// The outer rectangle of a client area of exactly 80 × 24 cells, with its top-left corner at (0, 0).
RECT ConsoleWindow::FullWindowRect() const {
  RECT rect{0, 0, kColumns * cell_width_, kRows * cell_height_};
  AdjustWindowRectEx(&rect, kMainWindowStyle, FALSE, 0);
  OffsetRect(&rect, -rect.left, -rect.top);
  return rect;
}

bool ConsoleWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CREATE:
      if (!Created(window)) result = -1;
      return true;
    case WM_PAINT:
      Paint();
      return true;
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(window_, &rect);
      FillRect(reinterpret_cast<HDC>(wparam), &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      result = 1;
      return true;
    }
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) Sized(LOWORD(lparam), HIWORD(lparam));
      return true;
    case WM_HSCROLL:
      ScrollView(SB_HORZ, wparam);
      return true;
    case WM_VSCROLL:
      ScrollView(SB_VERT, wparam);
      return true;
    case WM_GETMINMAXINFO: {
      const RECT full = FullWindowRect();
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMaxTrackSize = {full.right - full.left, full.bottom - full.top};
      return true;
    }
    case WM_SETFOCUS:
      FocusGained();
      return true;
    case WM_KILLFOCUS:
      FocusLost();
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) return false;
      SetCursor(cursor_);
      result = TRUE;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) {
        SetFocus(window_);
        InvalidateRect(window_, nullptr, TRUE);
      }
      return false;
    case WM_CHAR:
      if (events_ != nullptr) events_->KeyTyped(static_cast<std::uint8_t>(wparam));
      return true;
    case WM_SYSKEYDOWN:
      if (wparam != VK_F10) return false;
      KeyDown(wparam, lparam);
      return true;
    case WM_KEYDOWN:
      KeyDown(wparam, lparam);
      return true;
    case WM_KEYUP:
      return true;
    case WM_SYSCOMMAND:
      if (wparam == kCopyText) {
        if (events_ != nullptr) events_->CopyTextRequested();
        return true;
      }
      if (wparam == kCopyPicture) {
        CopyPicture();
        return true;
      }
      return false;
    case WM_COPY:
      CopyPicture();
      return true;
    case WM_HELP:
      ShowReferenceHelp(events_ != nullptr ? events_->HelpTopic() : 0);
      result = TRUE;
      return true;
    case WM_COMPACTING:
      ShowSystemFailure(window_);
      return true;
    case WM_QUERYENDSESSION:
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      if (wparam != FALSE && events_ != nullptr) events_->SessionEnding();
      result = 0;
      return true;
    case WM_DESTROY:
      Destroyed();
      return true;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      return true;
    default:
      return false;
  }
}

void ConsoleWindow::Paint() {
  PAINTSTRUCT paint;
  paint_context_ = BeginPaint(window_, &paint);
  if (!IsIconic(window_) && events_ != nullptr) events_->PaintRequested();
  EndPaint(window_, &paint);
  paint_context_ = nullptr;
}

// The window goes, by the user's close or the host's: the run is told, unless it is the host that closes it.
void ConsoleWindow::Destroyed() {
  CloseReferenceHelp();
  if (caret_visible_ || focused_) DestroyCaret();
  focused_ = caret_visible_ = false;
  ReleasePictures();
  ForgetForm(window_);
  window_ = nullptr;
  if (main_window != nullptr) {
    main_window = nullptr;
    PostQuitMessage(0);
  }
  if (!closing_ && events_ != nullptr) events_->CloseRequested(CloseCause::User);
}

// Ctrl+Break is the break key of its own; held down, it repeats with the held bit (30) set, and only its first
// press breaks.
void ConsoleWindow::KeyDown(WPARAM key, LPARAM flags) {
  constexpr LPARAM kHeld = LPARAM{1} << 30;
  if (key == VK_CANCEL) {
    if ((flags & kHeld) == 0 && events_ != nullptr) events_->BreakPressed();
    return;
  }
  const std::uint8_t code = ControlCodeOf(key);
  if (code != 0 && events_ != nullptr) events_->KeyTyped(code);
}

void ConsoleWindow::Invalidate() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
}

void ConsoleWindow::Poll(WindowEvents& events) {
  events_ = &events;
  if (!Drain()) events.CloseRequested(CloseCause::User);
}

// A batch run has nobody at the keyboard: its prompts end at once. F1 held down at the prompt after an error report
// opens the help on the error instead of reaching the window; at other prompts it is a key like any other.
bool ConsoleWindow::WaitForKey(WindowEvents& events) {
  events_ = &events;
  if (kind_ != ConsoleKind::Window) return false;
  MSG message;
  if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
    events.CloseRequested(CloseCause::User);
    return true;
  }
  if (events.HelpOnF1() && GetKeyState(VK_F1) < 0) {
    ShowReferenceHelp(events.HelpTopic());
    return true;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}

bool ConsoleWindow::EnableForPrompt() {
  if (window_ == nullptr || IsWindowEnabled(window_)) return false;
  EnableWindow(window_, TRUE);
  SetFocus(window_);
  return true;
}

void ConsoleWindow::DisableAfterPrompt() {
  if (window_ != nullptr) EnableWindow(window_, FALSE);
}

void ConsoleWindow::CloseHelp() { CloseReferenceHelp(); }

void ConsoleWindow::ShowMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
  ShowBox(window_, text, caption, icon);
}

void ConsoleWindow::Beep() { MessageBeep(0); }

// A batch run's report goes to standard error as well, for whoever started it.
void ConsoleWindow::EchoReport(std::string_view text) {
  if (kind_ == ConsoleKind::Window) return;
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  const std::string line = std::string(text) + "\r\n";
  DWORD written = 0;
  ::WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace platform::win32
