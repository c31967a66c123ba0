// The output statement on the console and on a file channel: separators, zones, the width rule, tabs, numbers and
// column moves.
#include <gtest/gtest.h>

#include "files/channel_table.h"
#include "files/file_fixture.h"
#include "files/output_buffer.h"
#include "host/console_output.h"
#include "host/print_format.h"
#include "recording_window.h"

namespace {

void PrintText(std::string_view text, Separator separator) {
  Push(text);
  PrintString(separator);
}

class ConsoleOutput : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    SelectConsoleOutput(0);
  }
};

TEST_F(ConsoleOutput, SeparatorsEndTheLineMoveToTheNextZoneOrDoNothing) {
  PrintText("", Separator::LineEnd);
  PrintText("ab", Separator::Zone);
  PrintText("cd", Separator::None);
  PrintText("e", Separator::LineEnd);
  EndPrint();
  EXPECT_EQ(RowText(screen(), 0), "");
  EXPECT_EQ(RowText(screen(), 1), "ab            cde");
  EXPECT_EQ(screen().cursor_row(), 2);
  EXPECT_EQ(screen().cursor_column(), 0);
}

// The console window and the screen devices print on the console, with its zones, as the console itself does.
TEST_F(ConsoleOutput, TheConsoleDevicesPrintOnTheConsole) {
  Open("con", 2, file_mode::kOutput);
  Open("CONOUT$", 3, file_mode::kAppend);
  SelectOutputChannel(2);
  PrintText("window", Separator::Zone);
  SelectOutputChannel(3);
  PrintText("screen", Separator::LineEnd);
  EXPECT_EQ(RowText(screen(), 0), "window        screen");
  const std::array<std::int32_t, 2> channels{2, 3};
  CloseChannels(channels);
  EXPECT_EQ(RowText(screen(), 1), "") << "closing a device writes no end-of-file mark";
}

TEST_F(ConsoleOutput, AZoneThatWouldNotLeaveAWholeZoneEndsTheLine) {
  PrintText(std::string(70, 'x'), Separator::Zone);
  EXPECT_EQ(screen().cursor_row(), 1);
  EXPECT_EQ(screen().cursor_column(), 0);
  PrintText(std::string(56, 'y'), Separator::Zone);
  EXPECT_EQ(screen().cursor_column(), 0) << "56 + 14 leaves 10 columns, less than a zone";
  PrintText(std::string(50, 'z'), Separator::Zone);
  EXPECT_EQ(screen().cursor_column(), 56);
}

TEST_F(ConsoleOutput, AFullRowFollowedByALineEndLeavesABlankRow) {
  PrintText(std::string(80, 'a'), Separator::LineEnd);
  EXPECT_EQ(RowText(screen(), 1), "");
  EXPECT_EQ(screen().cursor_row(), 2);
}

TEST_F(ConsoleOutput, AnItemThatDoesNotFitStartsOnANewLineAndWraps) {
  PrintText("abc", Separator::None);
  PrintText(std::string(100, 'q'), Separator::None);
  EXPECT_EQ(RowText(screen(), 0), "abc");
  EXPECT_EQ(RowText(screen(), 1), std::string(80, 'q'));
  EXPECT_EQ(RowText(screen(), 2), std::string(20, 'q'));
}

TEST_F(ConsoleOutput, NumbersHaveASignPlaceAndATrailingBlank) {
  PrintNumber(12.0f, Separator::None);
  PrintNumber(-3.0f, Separator::None);
  PrintText("|", Separator::None);
  EXPECT_EQ(RowText(screen(), 0), " 12 -3 |");
}

TEST_F(ConsoleOutput, TabsBecomeBlanksToTheNextMultipleOfEight) {
  PrintText("abc\tz\tw", Separator::None);
  EXPECT_EQ(RowText(screen(), 0), "abc     z       w");
  PlaceCursor(76, 1);
  PrintText("\tk", Separator::None);
  // The expanded item will start a new line, so its tab counts from column 0.
  EXPECT_EQ(RowText(screen(), 2), "        k");
}

TEST_F(ConsoleOutput, PrintColumnIndentsOrEndsTheLineFirst) {
  PushStringConstant("abcdef");
  PrintString(Separator::None);
  PrintColumn(10);
  PrintString(Separator::None);
  PrintText("x", Separator::None);
  EXPECT_EQ(RowText(screen(), 0), "abcdef    x");
  PrintColumn(3);
  PrintString(Separator::None);
  PrintText("y", Separator::None);
  EXPECT_EQ(RowText(screen(), 1), "   y");
  EXPECT_EQ(ErrorOf([] { PrintColumn(256); }), error::kBadArgument);
  // Beyond the width the column wraps round it.
  PlaceCursor(0, 5);
  PrintColumn(85);
  PrintString(Separator::None);
  EXPECT_EQ(screen().cursor_column(), 5);
}

TEST_F(ConsoleOutput, TheBlanksOfPrintColumnAreNotMovedToANewLine) {
  PlaceCursor(75, 0);
  PrintColumn(75);
  Push(std::string(10, ' '));
  Concatenate();
  PrintString(Separator::None);
  EXPECT_EQ(screen().cursor_row(), 1) << "the blanks wrapped on the screen instead";
  EXPECT_EQ(screen().cursor_column(), 5);
}

TEST_F(ConsoleOutput, ErrorsOfTheTargetAndTheWorkBuffer) {
  EXPECT_EQ(ErrorOf([] { SelectConsoleOutput(1); }), error::kNoSuchWindow);
  Push(std::string(5000, 'a'));
  memory::RefuseAbove(8192);
  EXPECT_EQ(ErrorOf([] { PrintString(Separator::None); }), error::kNoPrintBuffer);
  memory::StopRefusing();
  EXPECT_EQ(string_stack::Depth(), 0);
  CloseMainWindow();
  EXPECT_EQ(ErrorOf([] { PrintText("a", Separator::None); }), error::kDeviceFault);
  EXPECT_EQ(ErrorOf([] { SelectConsoleOutput(0); }), error::kNoSuchWindow);
}

std::string Formatted(std::string_view item, std::uint32_t column, std::uint32_t width, Separator separator) {
  std::array<std::uint8_t, 64> room;
  WorkBuffer out(room, 0);
  FormatItem(reinterpret_cast<const std::uint8_t*>(item.data()), item.size(), {OutputKind::Channel, column, width},
             false, separator, out);
  return {reinterpret_cast<const char*>(out.data()), out.size()};
}

TEST_F(ConsoleOutput, AFileWithAWidthHasItsItemsCutWithoutSplittingAPair) {
  EXPECT_EQ(Formatted("abcdefghijkl", 0, 5, Separator::None), "abcde\r\nfghij\r\nkl");
  EXPECT_EQ(Formatted("abcdefghij", 0, 5, Separator::None), "abcde\r\nfghij\r\n");
  EXPECT_EQ(Formatted("abcd\x82\xA0xyz", 2, 5, Separator::LineEnd), "\r\nabcd\r\n\x82\xA0xyz\r\n\r\n");
  // Long pieces as well as a zone that no longer fits end the line.
  EXPECT_EQ(Formatted("abcdefg", 0, 20, Separator::Zone), "abcdefg\r\n");
  EXPECT_EQ(Formatted("abc", 0, 0, Separator::Zone), "abc" + std::string(11, ' '));
}

class ChannelOutput : public FileTest {
 protected:
  // Opens channel 3 on PATH and prints a whole record and a line that leave three bytes of the output buffer free;
  // returns the bytes printed.
  std::string FillAllButThreeBytes(const std::string& path) {
    Open(path, 3, file_mode::kOutput);
    SelectOutputChannel(3);
    const std::string record(1000, 'a');
    PrintText(record, Separator::LineEnd);
    MarkRecordEnd(3);
    const std::string filler(kOutputBufferSize - (record.size() + 2) - 2 - 3, 'b');
    PrintText(filler, Separator::LineEnd);
    return record + "\r\n" + filler + "\r\n";
  }
};

TEST_F(ChannelOutput, FilesGetTheSameItemsWithoutWidthOrTabExpansion) {
  const std::string path = Path("out.ren");
  Open(path, 3, file_mode::kOutput);
  SelectOutputChannel(3);
  PrintText(std::string(200, 'L'), Separator::LineEnd);
  SelectOutputChannel(3);
  PrintText("a\tb", Separator::Zone);
  PrintNumber(7.0f, Separator::LineEnd);
  SelectOutputChannel(3);
  PrintColumn(2);
  PrintString(Separator::None);
  PrintText("c", Separator::LineEnd);
  Close(3);
  EXPECT_EQ(Read(path), std::string(200, 'L') + "\r\na\tb" + std::string(11, ' ') + " 7 \r\n  c\r\n\x1A");
}

// A string for a channel is formatted from its popped bytes; without room to format a long one it is error 89 as on
// the console, with nothing written and nothing left on the stack.
TEST_F(ChannelOutput, ALongItemWithoutAWorkBufferIs89) {
  const std::string path = Path("out.ren");
  Open(path, 3, file_mode::kOutput);
  SelectOutputChannel(3);
  Push(std::string(5000, 'a'));
  memory::RefuseAbove(8192);
  EXPECT_EQ(ErrorOf([] { PrintString(Separator::LineEnd); }), error::kNoPrintBuffer);
  memory::StopRefusing();
  EXPECT_EQ(string_stack::Depth(), 0);
  PrintText(std::string(5000, 'b'), Separator::LineEnd);
  Close(3);
  EXPECT_EQ(Read(path), std::string(5000, 'b') + "\r\n\x1A");
}

// Short items go straight into the file's buffer while it has room; the first that does not fit is formatted in
// full, which sends the whole records out first. Either way the column is kept for the next zone.
TEST_F(ChannelOutput, ItemsThatJustFitAndJustDoNotFitTheBuffer) {
  const std::string path = Path("edge.ren");
  const std::string printed = FillAllButThreeBytes(path);
  PrintText("x", Separator::LineEnd);
  EXPECT_EQ(Read(path), "") << "the buffer holds exactly all of it";
  PrintText("yz", Separator::None);
  EXPECT_EQ(Read(path), std::string(1000, 'a') + "\r\n");
  PrintText("w", Separator::Zone);
  Close(3);
  EXPECT_EQ(Read(path), printed + "x\r\nyzw" + std::string(11, ' ') + "\x1A");
}

TEST_F(ChannelOutput, TheColumnCountsFromTheLastLineFeedOfAnItem) {
  const std::string path = Path("column.ren");
  Open(path, 3, file_mode::kOutput);
  SelectOutputChannel(3);
  PrintText("ab\ncd\nef", Separator::None);
  PrintText("g", Separator::Zone);
  PrintText("q\n", Separator::None);
  PrintText("r", Separator::Zone);
  Close(3);
  EXPECT_EQ(Read(path), "ab\ncd\nefg" + std::string(11, ' ') + "q\nr" + std::string(13, ' ') + "\x1A");
}

// The column of items printed without a line end is counted before their bytes leave the buffer, whether a later
// item sends them out or the records are written between statements.
TEST_F(ChannelOutput, TheColumnOutlastsTheBufferGoingOut) {
  const std::string path = Path("later.ren");
  const std::string printed = FillAllButThreeBytes(path);
  PrintText("p\nq", Separator::None);
  PrintText("rs", Separator::Zone);
  MarkRecordEnd(3);
  PrintText("tu", Separator::None);
  FlushChannels();
  PrintText("v", Separator::Zone);
  Close(3);
  EXPECT_EQ(Read(path), printed + "p\nqrs" + std::string(11, ' ') + "tuv" + std::string(11, ' ') + "\x1A");
}

// Items of every length up to a few hundred bytes, printed in place and popped, with and without a line end: each
// arrives whole and in order, whatever part of sixteen bytes its length leaves over.
TEST_F(ChannelOutput, ItemsOfEveryLengthArriveWhole) {
  const std::string path = Path("lengths.ren");
  Open(path, 3, file_mode::kOutput);
  std::string expected;
  for (std::size_t length = 0; length <= 300; ++length) {
    std::string item(length, ' ');
    for (std::size_t at = 0; at < length; ++at) item[at] = static_cast<char>('a' + (at * 7 + length) % 26);
    const Separator separator = length % 3 == 0 ? Separator::None : Separator::LineEnd;
    SelectOutputChannel(3);
    // As an output statement prints it: in place when it can go straight into the buffer, else pushed.
    if (length % 2 != 0 || !PrintedStraight(item, separator)) PrintText(item, separator);
    expected += item + (separator == Separator::LineEnd ? "\r\n" : "");
  }
  Close(3);
  EXPECT_EQ(Read(path), expected + "\x1A");
}

// A channel given a width has every item formatted, and cut at the width.
TEST_F(ChannelOutput, AWidthOnTheChannelCutsItsItems) {
  const std::string path = Path("width.ren");
  Open(path, 3, file_mode::kOutput);
  const ChannelObject object = SelectOutputChannel(3);
  FileAt(object)->control->print_width = 5;
  PrintText("abcdefghijkl", Separator::LineEnd);
  PrintText("abc", Separator::None);
  PrintText("de", Separator::None);
  Close(3);
  EXPECT_EQ(Read(path), "abcde\r\nfghij\r\nkl\r\nabcde\x1A");
}

}  // namespace
