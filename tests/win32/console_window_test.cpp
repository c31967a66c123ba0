// The console as a real window (under Wine on the test's virtual display): its class, size and system menu, the
// text screen drawn into it and copied to the clipboard, scroll bars when it is smaller, keys, a close and the end
// of the session; and the executable's exports and icon. Skipped where no window can be made (no display).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/channels.h"
#include "host/install_folder.h"
#include "host/main_window.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/text_screen.h"
#include "host/window_events.h"
#include "platform/win32/console_window.h"
#include "values/raise_error.h"
#include "values/string_values.h"
#include "win32/recorded_calls.h"
#include "texts.h"

namespace {

using platform::win32::ConsoleWindow;

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
  for (const char* companion : {"K7V2PictWndClass", "K7V2$ItemClass", "K7V2TimerClass", "K7V2MCIClass",
                                "K7V2BmpBClass", "K7V2PrinterClass", "VXTrapWndClass", "K7V2WCQelvorin"}) {
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
