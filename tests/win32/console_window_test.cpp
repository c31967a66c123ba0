// The console as a real window (under Wine on the test's virtual display): its class, size and system menu, the
// text screen drawn into it and copied to the clipboard, scroll bars when it is smaller, keys, a close and the end
// of the session; and the executable's exports and icon. Skipped where no window can be made (no display).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "files/channels.h"
#include "host/main_window.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/text_screen.h"
#include "host/window_events.h"
#include "platform/win32/console_window.h"
#include "texts.h"
#include "values/string_values.h"

namespace {

using platform::win32::ConsoleWindow;

class ConsoleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::unique_ptr<platform::Window> window = platform::OpenConsoleWindow("qelvorin", platform::ConsoleKind::Window);
    if (window == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
    OpenMainWindow(std::move(window));
    handle = platform::win32::MainWindowHandle();
    Poll();
  }
  void TearDown() override {
    ReleaseRuntime();
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

  HWND handle = nullptr;
};

TEST_F(ConsoleWindowTest, TheMainWindowIsTheWholeScreenAtTheTopLeftCorner) {
  char class_name[32] = {};
  GetClassNameA(handle, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "K7V2CLASS");
  EXPECT_EQ(GetClassLongPtrA(handle, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
  // Made with 0x00FF0000; at full size the scroll bars are taken away, and their style bits with them.
  EXPECT_EQ(GetWindowLongA(handle, GWL_STYLE) & 0x00FF0000, WS_OVERLAPPEDWINDOW);
  char title[32] = {};
  GetWindowTextA(handle, title, sizeof title);
  EXPECT_STREQ(title, "qelvorin");
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

}  // namespace
