// File channels on real files in a temporary folder.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "file_fixture.h"
#include "files.h"

namespace {

using Channels = FileTest;

// Every line of a file, read the way the converter reads: while not at the end, take a line.
std::vector<std::string> Lines(const std::string& path) {
  Open(path, 1, file_mode::kInput);
  std::vector<std::string> lines;
  while (EndOfFile(1) == 0) lines.push_back(NextLine(1));
  Close(1);
  return lines;
}

using LineList = std::vector<std::string>;

// Another copy of the program: a child process that opens the file on a channel and holds it until destroyed.
class OtherCopy {
 public:
  OtherCopy(const std::string& path, std::int32_t mode, std::int32_t share) {
    if (pipe(ready_) != 0 || pipe(stop_) != 0) ADD_FAILURE() << "no pipes";
    child_ = fork();
    if (child_ == 0) {
      close(ready_[0]);
      close(stop_[1]);
      const RuntimeErrorNumber error = OpenError(path, 3, mode, share);
      char byte = static_cast<char>(error);
      // Held until the parent closes its end of the stop pipe.
      if (write(ready_[1], &byte, 1) != 1 || read(stop_[0], &byte, 1) < 0) _exit(2);
      _exit(0);
    }
    close(ready_[1]);
    close(stop_[0]);
    char error = 0;
    EXPECT_EQ(read(ready_[0], &error, 1), 1);
    EXPECT_EQ(error, 0) << "the other copy could not open " << path;
  }
  OtherCopy(const OtherCopy&) = delete;
  OtherCopy& operator=(const OtherCopy&) = delete;
  ~OtherCopy() {
    close(stop_[1]);
    int status = 0;
    waitpid(child_, &status, 0);
    close(ready_[0]);
  }

 private:
  int ready_[2] = {-1, -1};
  int stop_[2] = {-1, -1};
  pid_t child_ = -1;
};

TEST_F(Channels, LinesEndAtCrLfAtALoneCrOrAtTheEnd) {
  const std::string path = Path("lines.mbx");
  const auto lines_of = [&](const std::string& bytes) {
    Write(path, bytes);
    return Lines(path);
  };
  EXPECT_EQ(lines_of("abc\r\ndef\r\n"), (LineList{"abc", "def"}));
  EXPECT_EQ(lines_of("abc\ndef"), (LineList{"abc\ndef"}));
  EXPECT_EQ(lines_of("a\rbc"), (LineList{"a", "bc"}));
  EXPECT_EQ(lines_of("a\r\rb\r"), (LineList{"a", "", "b"}));
  EXPECT_EQ(lines_of(std::string("a\0b\0\r\n", 6)), (LineList{"ab"}));
  EXPECT_EQ(lines_of("x\r\n\x1A"), (LineList{"x"}));
  EXPECT_EQ(lines_of("a\x1A" "b\r\n"), (LineList{"a\x1A" "b"}));
  EXPECT_EQ(lines_of("last line"), (LineList{"last line"}));
  // One byte left already counts as the end of the file, although a line input still reads it.
  EXPECT_EQ(lines_of("x\r\ny"), (LineList{"x"}));
  EXPECT_EQ(lines_of(""), LineList{});
  Write(path, "x\r\ny");
  Open(path, 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "x");
  EXPECT_EQ(EndOfFile(1), -1);
  EXPECT_EQ(NextLine(1), "y");
  EXPECT_EQ(ErrorOf([] { NextLine(1); }), error::kInputPastEnd);
}

TEST_F(Channels, ReadingPastTheEndIs54) {
  const std::string path = Path("short.mbx");
  Write(path, "only\r\n\x1A");
  Open(path, 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "only");
  EXPECT_EQ(EndOfFile(1), -1);
  EXPECT_EQ(NextLine(1), "");  // the mark itself, consumed
  EXPECT_EQ(ErrorOf([] { NextLine(1); }), error::kInputPastEnd);
  StringDescriptor never_assigned{};
  EXPECT_EQ(ErrorOf([&] { LineInput(never_assigned); }), error::kInputPastEnd);
  EXPECT_EQ(never_assigned.kind, StringKind::Variable);
}

TEST_F(Channels, LinesOfAnyLengthAreReadWhole) {
  const std::string path = Path("long.mbx");
  const std::string long_line(300000, 'L');
  Write(path, "short\r\n" + long_line + "\r\nafter\r\n");
  EXPECT_EQ(Lines(path), (LineList{"short", long_line, "after"}));
}

TEST_F(Channels, AppendingOverwritesTheMarkAndClosingAddsExactlyOne) {
  const std::string path = Path("cards.ren");
  Open(path, 3, file_mode::kOutput);
  Print(3, "first\r\n");
  Close(3);
  EXPECT_EQ(Read(path), "first\r\n\x1A");
  Open(path, 3, file_mode::kAppend);
  Print(3, "second\r\n");
  Close(3);
  EXPECT_EQ(Read(path), "first\r\nsecond\r\n\x1A");
  Write(path, "no mark\r\n");
  Open(path, 3, file_mode::kAppend);
  Close(3);
  EXPECT_EQ(Read(path), "no mark\r\n\x1A");
  const std::string missing = Path("created.ren");
  Open(missing, 3, file_mode::kAppend);
  Close(3);
  EXPECT_EQ(Read(missing), "\x1A");
}

TEST_F(Channels, OutputRefusesAnExistingFileUntilItIsDeleted) {
  const std::string path = Path("exists.ren");
  Write(path, "keep me");
  EXPECT_EQ(OpenError(path, 3, file_mode::kOutput), error::kFileExists);
  EXPECT_EQ(Read(path), "keep me");
  EXPECT_EQ(ErrorOf([] { EndOfFile(3); }), error::kChannelNotOpen);
  Push(path);
  DeleteFile();
  Open(path, 3, file_mode::kOutput);
  Close(3);
  EXPECT_EQ(Read(path), "\x1A");
}

TEST_F(Channels, NamesModesAndChannelNumbersAreChecked) {
  const std::string path = Path("plain.mbx");
  Write(path, "x\r\n");
  EXPECT_EQ(OpenError(Path("paren(3).mbx"), 1, file_mode::kInput), error::kBadFileMode);
  EXPECT_EQ(OpenError(Path("paren(.mbx"), 1, file_mode::kInput), error::kBadArgument);
  EXPECT_EQ(OpenError(Path("paren().mbx"), 3, file_mode::kOutput), error::kBadArgument);
  EXPECT_EQ(OpenError(Path("*.mbx"), 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError(Path("a?.mbx"), 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError("", 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError(std::string(256, 'n'), 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError(path + std::string(1, '\0') + "x", 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError(path, 0, file_mode::kInput), error::kBadChannelNumber);
  EXPECT_EQ(OpenError(path, 256, file_mode::kInput), error::kBadChannelNumber);
  EXPECT_EQ(OpenError(path, 1, 11), error::kBadFileMode);
  EXPECT_EQ(OpenError(path, 1, file_mode::kInput, share_code::kDenyRead), error::kBadFileMode);
  EXPECT_EQ(OpenError(path, 1, file_mode::kOutput, share_code::kDenyNone), error::kBadFileMode);
  EXPECT_EQ(OpenError(path, 1, 0, share_code::kDenyWrite), error::kBadFileMode);
  EXPECT_EQ(OpenError(Path("missing.mbx"), 1, file_mode::kInput), error::kFileNotFound);
  EXPECT_EQ(OpenError(Path("no/such/folder.ren"), 3, file_mode::kOutput), error::kBadFileName);
  EXPECT_EQ(OpenError(Path("no/such/folder.ren"), 3, file_mode::kAppend), error::kBadFileName);
  EXPECT_EQ(OpenError(Path("no/such/folder.mbx"), 1, file_mode::kInput), error::kFileNotFound);
  EXPECT_EQ(OpenError(folder, 1, file_mode::kInput), error::kFileNotFound);
  Open(path, 3, file_mode::kInput);
  EXPECT_EQ(OpenError(path, 3, file_mode::kInput), error::kAlreadyOpen);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(Channels, RecordAndByteModesOpenWithTheirRules) {
  const std::string path = Path("records.dat");
  EXPECT_EQ(OpenError(path + "(4096)", 1, 4), error::kBadArgument);
  EXPECT_EQ(OpenError(path, 1, 4), error::kFileNotFound);
  Open(path + "(128)", 1, 6);  // created
  Open(path, 2, 8);
  EXPECT_EQ(EndOfFile(2), -1);
  EXPECT_EQ(ErrorOf([] { Print(2, "read-only"); }), error::kAccessDenied);
  EXPECT_EQ(ErrorOf([] { EndOfFile(1); }), error::kBadFileMode);
  EXPECT_EQ(OpenError(path, 3, 9), error::kFileExists);
  Close(1);
  Close(2);
  EXPECT_EQ(Read(path), "");
}

TEST_F(Channels, SharingIsHonouredBetweenOpens) {
  const std::string path = Path("shared.ren");
  Open(path, 3, file_mode::kOutput);  // denies writing
  EXPECT_EQ(OpenError(path, 4, file_mode::kAppend), error::kAccessDenied);
  EXPECT_EQ(OpenError(path, 4, file_mode::kInput, share_code::kDenyWrite), error::kAccessDenied);
  Open(path, 4, file_mode::kInput, share_code::kDenyNone);
  Close(4);

  // Another copy of the program is held back the same way.
  const pid_t child = fork();
  if (child == 0) {
    const auto opened = platform::OpenFile(path.c_str(), platform::Access::Write, platform::Creation::OpenExisting,
                                           {true, true});
    _exit(opened.error == platform::win32_error::kSharingViolation ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  Close(3);
  Open(path, 1, file_mode::kInput, share_code::kExclusive);
  EXPECT_EQ(OpenError(path, 2, file_mode::kInput, share_code::kDenyNone), error::kAccessDenied);
}

TEST_F(Channels, WritingMovesThePositionAndCountsTheColumn) {
  const std::string path = Path("out.ren");
  Open(path, 3, file_mode::kOutput);
  const ChannelObject output = SelectOutputChannel(3);
  Print(3, "abc");
  EXPECT_EQ(ChannelColumn(output), 3u);
  Print(3, "de\r\nf");
  EXPECT_EQ(ChannelColumn(output), 1u);
  Print(3, "\r\n");
  EXPECT_EQ(ChannelColumn(output), 0u);
  Write(Path("in.mbx"), "x");
  Open(Path("in.mbx"), 1, file_mode::kInput);
  EXPECT_EQ(ErrorOf([] { Print(1, "no"); }), error::kBadFileMode);
  SelectInputChannel(3);
  StringDescriptor line{};
  EXPECT_EQ(ErrorOf([&] { LineInput(line); }), error::kBadFileMode);
  EXPECT_EQ(ErrorOf([] { EndOfFile(3); }), error::kBadFileMode);
  EXPECT_EQ(ErrorOf([] { SelectOutputChannel(9); }), error::kChannelNotOpen);
  EXPECT_EQ(ErrorOf([] { SelectInputChannel(0); }), error::kBadChannelNumber);
  CloseChannels({});
  EXPECT_EQ(Read(path), "abcde\r\nf\r\n\x1A");
  EXPECT_EQ(ErrorOf([] { EndOfFile(1); }), error::kChannelNotOpen);
}

TEST_F(Channels, ClosingChecksNumbersAndIgnoresClosedChannels) {
  Close(7);
  EXPECT_EQ(ErrorOf([] { Close(0); }), error::kBadChannelNumber);
  EXPECT_EQ(ErrorOf([] { Close(256); }), error::kBadChannelNumber);
}

TEST_F(Channels, TheNullDeviceSwallowsOutput) {
  Open("nul", 3, file_mode::kOutput);
  Print(3, "gone\r\n");
  EXPECT_EQ(EndOfFile(3), -1);
  Close(3);
  Push("NUL");
  EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kBadFileName);
}

TEST_F(Channels, AnOpenFileCannotBeDeletedByAnySpellingOfItsPath) {
  std::filesystem::create_directory(Path("mail"));
  const std::string path = Path("mail/box.mbx");
  Write(path, "precious\r\n");
  std::filesystem::create_directory_symlink(Path("mail"), Path("link"));
  Open(path, 1, file_mode::kInput);
  const std::string cwd = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const std::vector<std::string> spellings{path, "mail/box.mbx", "./mail/box.mbx", "mail/../mail/box.mbx",
                                           Path("link/box.mbx"), "link/./box.mbx"};
  for (const std::string& spelling : spellings) {
    Push(spelling);
    EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kAlreadyOpen) << spelling;
  }
  std::filesystem::current_path(cwd);
  EXPECT_EQ(Read(path), "precious\r\n");
  EXPECT_EQ(NextLine(1), "precious");
  Close(1);
  Push(Path("link/box.mbx"));
  DeleteFile();
  EXPECT_FALSE(std::filesystem::exists(path));
  Push(path);
  EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kFileNotFound);
}

TEST_F(Channels, AFileAnotherCopyHoldsOpenIsNotDeleted) {
  const std::string path = Path("held.ren");
  Write(path, "records\r\n");
  {
    const OtherCopy writer(path, file_mode::kAppend, share_code::kDenyWrite);
    Push(path);
    EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kAccessDenied);
  }
  {
    const OtherCopy reader(path, file_mode::kInput, share_code::kDenyNone);
    Push(path);
    EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kAccessDenied);
  }
  EXPECT_EQ(Read(path), "records\r\n");
  Push(path);
  DeleteFile();
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(Channels, OnlyRegularFilesAreOpenedAndNothingWaits) {
  const std::string fifo = Path("pipe.mbx");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  alarm(20);  // an open that waits for the FIFO's other end ends the test run here
  for (const std::int32_t mode : {file_mode::kInput, file_mode::kAppend, 5, 6, 8, 10}) {
    EXPECT_EQ(OpenError(fifo, 1, mode), error::kAccessDenied) << "mode " << mode;
  }
  EXPECT_EQ(OpenError(fifo, 1, file_mode::kOutput), error::kFileExists);
  EXPECT_EQ(OpenError("/dev/null", 1, file_mode::kAppend), error::kAccessDenied);
  EXPECT_EQ(OpenError(folder, 1, file_mode::kAppend), error::kAccessDenied);
  alarm(0);
  EXPECT_EQ(ErrorOf([] { EndOfFile(1); }), error::kChannelNotOpen);
  Push(fifo);
  DeleteFile();
  EXPECT_FALSE(std::filesystem::exists(fifo));
}

// The first line fills the read-ahead exactly, so a cut at the read position is met only by the next read.
TEST_F(Channels, EndOfFileAndLineInputAgreeOnAFileCutShortWhileRead) {
  const std::string path = Path("cut.mbx");
  const std::string first(65534, 'a');
  const std::string tail = "zz\r\ny\x1A";
  const std::vector<LineList> expected{{}, {}, {"zz"}, {"zz"}, {"zz"}, {"zz"}, {"zz", "y"}};
  // What a line input still takes after the end test said "end": the one byte left, if any.
  const std::vector<std::string> last_byte{"", "z", "", "", "", "y", ""};
  for (std::size_t kept = 0; kept <= tail.size(); ++kept) {
    Write(path, first + "\r\n" + tail);
    Open(path, 1, file_mode::kInput);
    ASSERT_EQ(NextLine(1), first);
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(first.size() + 2 + kept)), 0);
    LineList lines;
    const RuntimeErrorNumber error = ErrorOf([&] {
      while (EndOfFile(1) == 0) lines.push_back(NextLine(1));
    });
    EXPECT_EQ(error, 0) << kept << " bytes kept";
    EXPECT_EQ(lines, expected[kept]) << kept << " bytes kept";
    if (!last_byte[kept].empty()) {
      EXPECT_EQ(NextLine(1), last_byte[kept]) << kept << " bytes kept";
    }
    EXPECT_EQ(ErrorOf([] { NextLine(1); }), error::kInputPastEnd) << kept << " bytes kept";
    Close(1);
  }
}

TEST_F(Channels, AFileMadeThroughADanglingLinkIsKnownByItsOwnName) {
  const std::string real = Path("real.ren");
  ASSERT_EQ(symlink(real.c_str(), Path("link.ren").c_str()), 0);
  Open(Path("link.ren"), 3, file_mode::kOutput);
  for (const std::string& name : {real, Path("link.ren")}) {
    Push(name);
    EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kAlreadyOpen) << name;
  }
  Print(3, "kept\r\n");
  Close(3);
  EXPECT_EQ(Read(real), "kept\r\n\x1A");
}

TEST_F(Channels, RefusedMemoryLeavesTheChannelClosed) {
  const std::string path = Path("memory.mbx");
  Write(path, "x\r\n");
  Push(path);  // the string store is made before the refusal starts
  memory::RefuseAfter(0);
  EXPECT_EQ(ErrorOf([] { OpenChannel(1, 0, file_mode::kInput); }), error::kOutOfMemory);
  memory::StopRefusing();
  EXPECT_EQ(ErrorOf([] { EndOfFile(1); }), error::kChannelNotOpen);
  Open(path, 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "x");
}

}  // namespace
