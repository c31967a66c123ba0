// Output files receive whole records: what the file holds at every step while a run prints, flushes, closes,
// fails to write, or is killed.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "file_fixture.h"

namespace {

using ChannelBuffering = FileTest;

// A card record of exactly 1,000 bytes, ending as the converter ends one.
std::string Record(int number) {
  std::string head = "#S" + std::to_string(number) + "\r\n";
  const std::string end = "#E\r\n\r\n";
  return head + std::string(1000 - head.size() - end.size() - 2, 'b') + "\r\n" + end;
}

void PrintRecord(int number) {
  const std::string record = Record(number);
  // In printed items, as the converter prints them: a line's text, then its line end.
  for (std::size_t start = 0; start < record.size();) {
    const std::size_t end = record.find("\r\n", start);
    Print(3, record.substr(start, end - start));
    Print(3, "\r\n");
    start = end + 2;
  }
  MarkRecordEnd(3);
}

// Runs the steps in a child process, which ends without closing anything, as a killed run would; false when an
// expectation failed there.
bool InAnotherProcess(const std::function<void()>& steps) {
  const pid_t child = fork();
  if (child == 0) {
    try {
      steps();
    } catch (...) {
      _exit(2);
    }
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ChannelBuffering, TheFileReceivesWholeRecordsUntilTheProgramClosesIt) {
  const std::string path = Path("cards.ren");
  Open(path, 3, file_mode::kOutput);
  std::string printed;
  for (int number = 1; number <= 150; ++number) {
    PrintRecord(number);
    printed += Record(number);
    const std::string held = Read(path);
    ASSERT_EQ(held.size() % 1000, 0u) << "after record " << number;
    ASSERT_EQ(held, printed.substr(0, held.size()));
    ASSERT_GE(held.size() + 64 * 1024, printed.size()) << "at most 64 KiB wait";
  }
  EXPECT_GT(Read(path).size(), 0u);
  Print(3, "#S151\r\nhalf a rec");
  EXPECT_EQ(Read(path).size() % 1000, 0u);
  FlushChannels();
  EXPECT_EQ(Read(path), printed) << "a flush writes whole records only";
  Print(3, "ord\r\n");
  Close(3);
  EXPECT_EQ(Read(path), printed + "#S151\r\nhalf a record\r\n\x1A");
}

TEST_F(ChannelBuffering, RecordsLongerThanTheBufferGoInWholeLines) {
  const std::string path = Path("long.ren");
  const std::string line = std::string(98, 'l') + "\r\n";
  Open(path, 3, file_mode::kAppend);
  for (int count = 1; count <= 1000; ++count) {
    Print(3, line);
    ASSERT_EQ(Read(path).size() % line.size(), 0u) << "after line " << count;
  }
  EXPECT_GE(Read(path).size() + 64 * 1024, 1000 * line.size());
  const std::string longest(200000, 'x');
  Print(3, longest);
  Close(3);
  EXPECT_EQ(Read(path).size(), 1000 * line.size() + longest.size() + 1);
}

TEST_F(ChannelBuffering, AKilledRunLeavesOnlyWholeRecords) {
  const std::string path = Path("killed.ren");
  ASSERT_TRUE(InAnotherProcess([&] {
    Open(path, 3, file_mode::kOutput);
    for (int number = 1; number <= 100; ++number) PrintRecord(number);
    Print(3, "#S101\r\nunfinished");
  }));
  const std::string held = Read(path);
  EXPECT_GT(held.size(), 0u);
  EXPECT_EQ(held.size() % 1000, 0u);
  EXPECT_EQ(held.substr(held.size() - 1000), Record(static_cast<int>(held.size() / 1000)));
}

TEST_F(ChannelBuffering, MarksNeedAnOpenChannelAndPassOverOtherKinds) {
  EXPECT_EQ(ErrorOf([] { MarkRecordEnd(0); }), error::kBadChannelNumber);
  EXPECT_EQ(ErrorOf([] { MarkRecordEnd(3); }), error::kChannelNotOpen);
  Write(Path("in.mbx"), "x\r\n");
  Open(Path("in.mbx"), 1, file_mode::kInput);
  MarkRecordEnd(1);
  Open("NUL", 3, file_mode::kOutput);
  MarkRecordEnd(3);
  FlushChannels();
  EXPECT_EQ(NextLine(1), "x");
}

TEST_F(ChannelBuffering, WithoutMemoryForTheBufferBytesGoOutAtOnce) {
  const std::string path = Path("unbuffered.ren");
  Open(path, 3, file_mode::kOutput);
  memory::RefuseAfter(0);
  Print(3, "at once");
  memory::StopRefusing();
  EXPECT_EQ(Read(path), "at once");
  Close(3);
  EXPECT_EQ(Read(path), "at once\x1A");
}

// The file may not grow past 1,500 bytes, so writes fail as on a full disk and keep the disk-full error number;
// the file is cut back to its last whole record, which leaves room for the mark.
TEST_F(ChannelBuffering, AFailedWriteKeepsItsNumberAndCutsTheFileBackToWholeRecords) {
  const std::string path = Path("full.ren");
  EXPECT_TRUE(InAnotherProcess([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1500, 1500};
    setrlimit(RLIMIT_FSIZE, &limit);
    Open(path, 3, file_mode::kOutput);
    PrintRecord(1);
    FlushChannels();
    PrintRecord(2);
    EXPECT_EQ(ErrorOf([] { FlushChannels(); }), 67);
    EXPECT_EQ(Read(path), Record(1));
    EXPECT_EQ(ErrorOf([] { FlushChannels(); }), 0);  // what could not be written is gone
    for (int number = 3; number <= 67; ++number) PrintRecord(number);  // 65,000 bytes wait in the buffer
    EXPECT_EQ(ErrorOf([] { PrintRecord(68); }), 67);
    EXPECT_EQ(Read(path), Record(1));
    PrintRecord(69);
    PrintRecord(70);
    EXPECT_EQ(ErrorOf([] { Close(3); }), 67) << "the close fails too, and still leaves the mark";
    EXPECT_EQ(ErrorOf([] { EndOfFile(3); }), error::kChannelNotOpen);
  }));
  EXPECT_EQ(Read(path), Record(1) + "\x1A");
}

TEST_F(ChannelBuffering, AnAbnormalEndDropsTheRecordUnderWayEvenWhenPartOfItIsInTheFile) {
  const std::string path = Path("long.ren");
  Write(path, Record(1) + "\x1A");
  Open(path, 3, file_mode::kAppend);
  PrintRecord(2);
  const std::string line = std::string(98, 'l') + "\r\n";
  for (int count = 0; count < 1000; ++count) Print(3, line);  // longer than the buffer: lines reach the file
  ASSERT_GT(Read(path).size(), 64u * 1024);
  DropUnfinishedRecords();
  Close(3);
  EXPECT_EQ(Read(path), Record(1) + Record(2) + "\x1A");

  // A record end waiting in the buffer finishes what the file already holds.
  Open(path, 3, file_mode::kAppend);
  for (int count = 0; count < 1000; ++count) Print(3, line);
  MarkRecordEnd(3);
  Print(3, "#S unfinished");
  DropUnfinishedRecords();
  Close(3);
  std::string lines;
  for (int count = 0; count < 1000; ++count) lines += line;
  EXPECT_EQ(Read(path), Record(1) + Record(2) + lines + "\x1A");
}

}  // namespace
