// The console as a real window (under Wine on the test's virtual display): its classes, palette, form name, size
// and system menu, the text screen drawn into it and copied to the clipboard as text and as a picture, scroll bars
// when it is smaller, keys, the prompt, a close and the end of the session; and the executable's exports and
// resources. Skipped where no window can be made (no display).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "files/channels.h"
#include "host/install_folder.h"
#include "host/main_window.h"
#include "host/message_poll.h"
#include "host/program_title.h"
#include "host/run_phase.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/text_screen.h"
#include "host/window_events.h"
#include "platform/win32/console_window.h"
#include "platform/win32/form_names.h"
#include "platform/win32/window_classes.h"
#include "values/raise_error.h"
#include "values/string_values.h"
#include "win32/recorded_calls.h"
#include "texts.h"

namespace {

using platform::win32::ConsoleWindow;

// The main class and its companions, in the order of their registration.
constexpr const char* kClasses[] = {"K7V2CLASS",    "K7V2PictWndClass", "K7V2$ItemClass",   "K7V2TimerClass",
                                    "K7V2MCIClass", "K7V2BmpBClass",    "K7V2PrinterClass", "VXTrapWndClass",
                                    "K7V2WCQelvorin"};

class ConsoleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::unique_ptr<platform::Window> window =
        platform::OpenConsoleWindow("qelvorin", platform::ConsoleKind::Window, show);
    if (window == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
    OpenMainWindow(std::move(window));
    handle = platform::win32::MainWindowHandle();
    Poll();
  }
  void TearDown() override {
    ReleaseRuntime();
    HostRun() = RunState{};  // the next test is a new run
  }

  static void Poll() { MainWindow()->window.Poll(MainWindowEvents()); }

  static void Write(const std::string& text) {
    MainWindow()->screen.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  }

  // The console's text as the copy command of its system menu puts it on the clipboard.
  std::string CopiedText() const {
    SendMessageA(handle, WM_SYSCOMMAND, ConsoleWindow::kCopyText, 0);
    std::string text;
    if (!OpenClipboard(nullptr)) return "(no clipboard)";
    if (const HANDLE block = GetClipboardData(CF_TEXT); block != nullptr) {
      text = static_cast<const char*>(GlobalLock(block));
      GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
  }

  // Shrinks the window by whole cells.
  void Shrink(int columns, int rows) const {
    RECT full;
    GetWindowRect(handle, &full);
    const SIZE cell = Cell();
    SetWindowPos(handle, nullptr, 0, 0, full.right - full.left - columns * cell.cx,
                 full.bottom - full.top - rows * cell.cy, SWP_NOZORDER | SWP_NOMOVE);
  }

  SIZE Cell() const {
    const HDC context = GetDC(handle);
    SelectObject(context, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA metrics;
    GetTextMetricsA(context, &metrics);
    ReleaseDC(handle, context);
    return {metrics.tmAveCharWidth, metrics.tmHeight};
  }

  platform::StartShow show = platform::StartShow::AsStarted;
  RecordedCalls calls;
  HWND handle = nullptr;
};

class HiddenConsoleWindowTest : public ConsoleWindowTest {
 protected:
  HiddenConsoleWindowTest() { show = platform::StartShow::Hidden; }
};

// Whether any pixel of the cell (column, row) is lit: text was drawn there over the black background.
bool CellLit(HDC context, SIZE cell, int column, int row) {
  for (int y = row * cell.cy; y < (row + 1) * cell.cy; ++y) {
    for (int x = column * cell.cx; x < (column + 1) * cell.cx; ++x) {
      const COLORREF pixel = GetPixel(context, x, y);
      if (pixel != CLR_INVALID && pixel != RGB(0, 0, 0)) return true;
    }
  }
  return false;
}

void HoldF1(bool held) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_F1] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

TEST_F(ConsoleWindowTest, TheMainWindowIsTheWholeScreenAtTheTopLeftCorner) {
  char class_name[32] = {};
  GetClassNameA(handle, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "K7V2CLASS");
  EXPECT_EQ(GetClassLongPtrA(handle, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
  for (const char* companion : kClasses) {
    WNDCLASSA registered;
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), companion, &registered)) << companion;
  }
  // Made with 0x00FF0000; at full size the scroll bars are taken away, and their style bits with them.
  EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & 0x00FF0000, WS_OVERLAPPEDWINDOW);
  char title[32] = {};
  GetWindowTextA(handle, title, sizeof title);
  EXPECT_STREQ(title, "qelvorin");
  EXPECT_TRUE(IsWindowVisible(handle));
  RECT outer;
  GetWindowRect(handle, &outer);
  EXPECT_EQ(outer.left, 0);
  EXPECT_EQ(outer.top, 0);
  RECT client;
  GetClientRect(handle, &client);
  const SIZE cell = Cell();
  EXPECT_EQ(client.right, 80 * cell.cx);
  EXPECT_EQ(client.bottom, 24 * cell.cy);
  int low = 0, high = 0;
  GetScrollRange(handle, SB_HORZ, &low, &high);
  EXPECT_EQ(high, 0) << "no scroll bar at full size";
}

TEST_F(ConsoleWindowTest, TheWindowHasTheConsolesPaletteAndIsTheMainForm) {
  ASSERT_EQ(calls.palettes.size(), 1u);
  const std::vector<COLORREF>& palette = calls.palettes[0];
  ASSERT_EQ(palette.size(), 16u);
  for (const COLORREF colour : {RGB(0, 0, 0), RGB(0x80, 0x80, 0x80), RGB(0xC0, 0xC0, 0xC0), RGB(0xFF, 0xFF, 0xFF),
                                RGB(0, 0, 0x80), RGB(0, 0, 0xFF), RGB(0x80, 0x80, 0), RGB(0xFF, 0xFF, 0)}) {
    EXPECT_NE(std::find(palette.begin(), palette.end(), colour), palette.end()) << std::hex << colour;
  }
  EXPECT_EQ(std::set<COLORREF>(palette.begin(), palette.end()).size(), 16u) << "no colour twice";
  // The main window is looked for among the resources first; the program carries none, so it is the default one.
  ASSERT_EQ(calls.lookups.size(), 1u);
  EXPECT_EQ(calls.lookups[0].name, "MainForm");
  EXPECT_EQ(calls.lookups[0].type, 10u);  // RT_RCDATA
  EXPECT_EQ(platform::win32::FormWindow("MainForm"), handle);
  PostMessageA(handle, WM_CLOSE, 0, 0);
  Poll();
  EXPECT_EQ(platform::win32::FormWindow("MainForm"), nullptr);
}

TEST_F(ConsoleWindowTest, TheSystemMenuCopiesAsTextOrPicture) {
  const HMENU system = GetSystemMenu(handle, FALSE);
  const int last = GetMenuItemCount(system) - 1;
  char entry[64] = {};
  GetMenuStringA(system, last, entry, sizeof entry, MF_BYPOSITION);
  EXPECT_EQ(std::string(entry), texts::CopyMenuEntry);
  const HMENU copy = GetSubMenu(system, last);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(GetMenuItemID(copy, 0), ConsoleWindow::kCopyText);
  EXPECT_EQ(GetMenuItemID(copy, 1), ConsoleWindow::kCopyPicture);
  SendMessageA(handle, WM_SYSCOMMAND, ConsoleWindow::kCopyPicture, 0);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(ConsoleWindowTest, WhatIsWrittenIsCopiedRowByRowAndScrollsAfterTheLastRow) {
  Write("AB\nC");
  Write("\r\n\r\n\x93\xfa\x96\x7b");  // 日本, two rows lower
  EXPECT_EQ(CopiedText(), "AB\r\nC\r\n\x93\xfa\x96\x7b\r\n");
  for (int line = 0; line < 21; ++line) Write("\r\nline");
  Poll();
  std::string expected = "C\r\n\x93\xfa\x96\x7b\r\n";
  for (int line = 0; line < 21; ++line) expected += "line\r\n";
  EXPECT_EQ(CopiedText(), expected) << "the first row scrolled away";
}

TEST_F(ConsoleWindowTest, ASmallerWindowGetsScrollBarsAndNeverALargerOne) {
  RECT full;
  GetWindowRect(handle, &full);
  const SIZE cell = Cell();
  SetWindowPos(handle, nullptr, 0, 0, full.right - 10 * cell.cx, full.bottom - 5 * cell.cy,
               SWP_NOZORDER | SWP_NOMOVE);
  int low = 0, high = 0;
  GetScrollRange(handle, SB_HORZ, &low, &high);
  EXPECT_GT(high, 0);
  GetScrollRange(handle, SB_VERT, &low, &high);
  EXPECT_GT(high, 0);
  MINMAXINFO limits{};
  SendMessageA(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMaxTrackSize.x, full.right - full.left);
  EXPECT_EQ(limits.ptMaxTrackSize.y, full.bottom - full.top);
}

TEST_F(ConsoleWindowTest, KeysReachTheRingAndAUsersCloseEndsTheRun) {
  PostMessageA(handle, WM_CHAR, 'k', 0);
  PostMessageA(handle, WM_CHAR, 3, 0);
  Poll();
  ASSERT_TRUE(MainWindow()->keys.HasKey());
  EXPECT_EQ(MainWindow()->keys.Take(), 'k');
  EXPECT_TRUE(HostRun().break_pending);
  PostMessageA(handle, WM_CLOSE, 0, 0);
  Poll();
  EXPECT_TRUE(HostRun().quit);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(platform::win32::MainWindowHandle(), nullptr);
}

TEST_F(ConsoleWindowTest, TheArrowIsShownOverTheClientAreaThoughTheClassHasNoCursor) {
  EXPECT_EQ(GetClassLongPtrA(handle, GCLP_HCURSOR), 0u);
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ(SendMessageA(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(ConsoleWindowTest, F1OpensTheHelpOfTheErrorOnlyAtThePromptAfterAReport) {
  SetInstallFolder("C:\\velbrix\\");
  try {
    RaiseError(1003);
  } catch (const RuntimeErrorSignal&) {
  }
  HoldF1(true);
  HostRun().help_on_f1 = true;
  PostMessageA(handle, WM_CHAR, 'k', 0);
  EXPECT_TRUE(MainWindow()->window.WaitForKey(MainWindowEvents()));
  ASSERT_EQ(calls.helps.size(), 1u);
  EXPECT_EQ(calls.helps[0].owner, GetActiveWindow());
  EXPECT_EQ(calls.helps[0].file, "C:\\velbrix\\K7V2REF.HLP");
  EXPECT_EQ(calls.helps[0].command, static_cast<UINT>(HELP_CONTEXT));
  EXPECT_EQ(calls.helps[0].data, 100003u);
  EXPECT_FALSE(MainWindow()->keys.HasKey()) << "the help took the key's place";
  // The interrupt prompt: F1 held down is no help, the key reaches the ring.
  HostRun().help_on_f1 = false;
  PostMessageA(handle, WM_CHAR, 'k', 0);
  EXPECT_TRUE(MainWindow()->window.WaitForKey(MainWindowEvents()));
  EXPECT_EQ(calls.helps.size(), 1u);
  EXPECT_TRUE(MainWindow()->keys.HasKey());
  HoldF1(false);
  // The Help button of a report box.
  SendMessageA(handle, WM_HELP, 0, 0);
  ASSERT_EQ(calls.helps.size(), 2u);
  EXPECT_EQ(calls.helps[1].owner, GetActiveWindow());
  EXPECT_EQ(calls.helps[1].data, 100003u);
  ForgetInstallFolder();
}

// The picture is the whole screen drawn afresh: neither the window's smaller size nor a window over it shows in it.
TEST_F(ConsoleWindowTest, TheCopyAsPictureIsTheWholeScreenWhateverTheWindowShows) {
  Write("X");
  MainWindow()->screen.MoveCursor(78, 23);
  Write("Z");
  Shrink(60, 18);
  const HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  Poll();
  SendMessageA(handle, WM_SYSCOMMAND, ConsoleWindow::kCopyPicture, 0);
  DestroyWindow(cover);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const auto picture = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  CloseClipboard();
  ASSERT_NE(picture, nullptr);
  BITMAP size{};
  GetObjectA(picture, sizeof size, &size);
  const SIZE cell = Cell();
  EXPECT_EQ(size.bmWidth, 80 * cell.cx);
  EXPECT_EQ(size.bmHeight, 24 * cell.cy);
  const HDC memory = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(memory, picture);
  EXPECT_TRUE(CellLit(memory, cell, 0, 0));
  EXPECT_TRUE(CellLit(memory, cell, 78, 23)) << "a cell far outside the smaller window";
  EXPECT_FALSE(CellLit(memory, cell, 1, 0));
  EXPECT_FALSE(CellLit(memory, cell, 40, 12));
  SelectObject(memory, previous);
  DeleteDC(memory);
}

// The system's drag of a thumb sends its position with each move, and at the end.
TEST_F(ConsoleWindowTest, DraggingAScrollBarsThumbMovesTheViewThere) {
  MainWindow()->screen.MoveCursor(0, 5);
  Write("R");
  Shrink(10, 12);
  int low = 0, high = 0;
  GetScrollRange(handle, SB_VERT, &low, &high);
  ASSERT_GE(high, 5);
  const SIZE cell = Cell();
  const HDC context = GetDC(handle);
  UpdateWindow(handle);
  EXPECT_FALSE(CellLit(context, cell, 0, 0));
  SendMessageA(handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
  SendMessageA(handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
  UpdateWindow(handle);
  EXPECT_EQ(GetScrollPos(handle, SB_VERT), 5);
  EXPECT_TRUE(CellLit(context, cell, 0, 0)) << "row 5 is shown at the top";
  ReleaseDC(handle, context);
  SendMessageA(handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 99), 0);
  EXPECT_EQ(GetScrollPos(handle, SB_VERT), high) << "no further than the range";
  SendMessageA(handle, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 3), 0);
  EXPECT_EQ(GetScrollPos(handle, SB_HORZ), 3);
}

TEST_F(ConsoleWindowTest, CtrlBreakIsTheBreakKeyOnceWhileItIsHeld) {
  constexpr LPARAM kHeld = LPARAM{1} << 30;
  PostMessageA(handle, WM_KEYDOWN, VK_CANCEL, kHeld | 1);
  Poll();
  EXPECT_FALSE(HostRun().break_pending) << "a repeat of a key already held";
  PostMessageA(handle, WM_KEYDOWN, VK_CANCEL, 1);
  Poll();
  EXPECT_TRUE(HostRun().break_pending);
  EXPECT_FALSE(MainWindow()->keys.HasKey()) << "the key itself is no character";
}

TEST_F(ConsoleWindowTest, ThePromptEnablesADisabledWindowUntilItsKeyAndThenClosesTheHelp) {
  SetInstallFolder("C:\\velbrix\\");
  EnableWindow(handle, FALSE);
  static HWND prompt_window = nullptr;
  static BOOL enabled_while_waiting = FALSE;
  prompt_window = handle;
  SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    enabled_while_waiting = IsWindowEnabled(prompt_window);
    PostMessageA(prompt_window, WM_CHAR, 'k', 0);
  });
  KeyPrompt(PromptKind::AfterReport);
  EXPECT_TRUE(enabled_while_waiting);
  EXPECT_FALSE(IsWindowEnabled(handle)) << "disabled again after the key";
  ASSERT_EQ(calls.helps.size(), 1u);
  EXPECT_EQ(calls.helps[0].command, static_cast<UINT>(HELP_QUIT));
  EXPECT_EQ(calls.helps[0].file, "C:\\velbrix\\K7V2REF.HLP");
  EnableWindow(handle, TRUE);
  ForgetInstallFolder();
}

TEST_F(ConsoleWindowTest, ABackingPictureThatCannotBeMadeIsToldInABoxAndTheRunGoesOn) {
  SetProgramTitle("qelvorin");
  calls.FailPictures();
  bool ran = false;
  EXPECT_EQ(RunPhase([&] {
              ran = true;
              return 0;
            }),
            0);
  EXPECT_TRUE(ran);
  ASSERT_EQ(calls.boxes.size(), 1u);
  EXPECT_EQ(calls.boxes[0].owner, handle);
  EXPECT_EQ(calls.boxes[0].text, texts::StartFailure5);
  EXPECT_EQ(calls.boxes[0].caption, "qelvorin.EXE");
  EXPECT_EQ(calls.boxes[0].style, static_cast<UINT>(MB_ICONHAND));
}

TEST_F(HiddenConsoleWindowTest, TheStartHiddenWindowIsMadeNotShownAndStillHoldsTheConsole) {
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_FALSE(IsWindowVisible(handle));
  Write("hidden");
  EXPECT_NE(CopiedText().find("hidden"), std::string::npos);
}

TEST(ConsoleWindowStart, AWindowThatCannotBeCreatedIsToldAsMemoryShort) {
  RecordedCalls calls;
  calls.FailWindowCreation();
  EXPECT_EQ(platform::OpenConsoleWindow("qelvorin", platform::ConsoleKind::Window, platform::StartShow::AsStarted),
            nullptr);
  ASSERT_EQ(calls.boxes.size(), 1u);
  EXPECT_EQ(calls.boxes[0].owner, nullptr);
  EXPECT_EQ(calls.boxes[0].text, texts::StartFailure1);
  EXPECT_EQ(calls.boxes[0].caption, "qelvorin.EXE");
  EXPECT_EQ(calls.boxes[0].style, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(platform::win32::MainWindowHandle(), nullptr);
}

TEST(ConsoleWindowStart, AWindowWithoutItsPaletteOrWithAFormResourceIsNotMade) {
  for (const bool form_resource : {false, true}) {
    RecordedCalls calls;
    if (form_resource) {
      calls.CarryResource("MainForm");
    } else {
      calls.FailPalettes();
    }
    EXPECT_EQ(platform::OpenConsoleWindow("qelvorin", platform::ConsoleKind::Window, platform::StartShow::AsStarted),
              nullptr);
    ASSERT_EQ(calls.boxes.size(), 1u);
    EXPECT_EQ(calls.boxes[0].text, texts::StartFailure1);
    EXPECT_EQ(platform::win32::MainWindowHandle(), nullptr);
  }
}

// Classes belong to the process: a second start finds them registered and registers none again.
TEST(ConsoleWindowStart, ASecondInstanceRegistersNoClassAgain) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const char* name : kClasses) UnregisterClassA(name, instance);
  RecordedCalls calls;
  ASSERT_TRUE(platform::win32::RegisterWindowClasses(instance));
  EXPECT_EQ(calls.classes, std::vector<std::string>(std::begin(kClasses), std::end(kClasses)));
  calls.classes.clear();
  EXPECT_TRUE(platform::win32::RegisterWindowClasses(instance));
  EXPECT_TRUE(calls.classes.empty());
}

// The process may be ended as soon as the window has answered the end of the session: the card file is closed
// before that, with its whole records and its mark.
TEST_F(ConsoleWindowTest, TheEndOfTheSessionClosesTheFilesWithWholeRecords) {
  const std::string path = "session-end.ren";
  std::remove(path.c_str());
  PushStringConstant(path);
  OpenChannel(3, 0, file_mode::kOutput);
  const std::string record = "#S\r\n#E\r\n\r\n";
  const std::string unfinished = "#S\r\nhalf";
  WriteBytes(SelectOutputChannel(3), reinterpret_cast<const std::uint8_t*>(record.data()), record.size());
  MarkRecordEnd(3);
  WriteBytes(SelectOutputChannel(3), reinterpret_cast<const std::uint8_t*>(unfinished.data()), unfinished.size());
  Poll();
  SendMessageA(handle, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(HostRun().quit);
  std::ifstream file(path, std::ios::binary);
  const std::string held{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  EXPECT_EQ(held, record + "\x1A");
  file.close();
  std::remove(path.c_str());
}

TEST(Executable, ExportsItsWindowProcedureAndRoutinesAndCarriesItsIcon) {
  const HMODULE program = LoadLibraryExA(QELVORIN_EXECUTABLE, nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(program, nullptr);
  for (const char* name : {"$PbMainWndProc", "CUTS", "MDAY", "SEP", "UNQUOTE", "ZERONUM"}) {
    EXPECT_NE(GetProcAddress(program, name), nullptr) << name;
  }
  EXPECT_NE(FindResourceA(program, "MainIcon", MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
  EXPECT_EQ(FindResourceA(program, "MainForm", MAKEINTRESOURCEA(10)), nullptr);  // RT_RCDATA: no stored form
  FreeLibrary(program);
}

TEST(Executable, CarriesTheProductAndTheProjectVersion) {
  std::vector<char> block(GetFileVersionInfoSizeA(QELVORIN_EXECUTABLE, nullptr));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(QELVORIN_EXECUTABLE, 0, static_cast<DWORD>(block.size()), block.data()));
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\ProductName", &value, &length));
  EXPECT_STREQ(static_cast<const char*>(value), "Qelvorin");
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion", &value, &length));
  EXPECT_STREQ(static_cast<const char*>(value), QELVORIN_VERSION);
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)),
            QELVORIN_VERSION);
}

}  // namespace
