// File channels on real files in a temporary folder.
#include <array>
#include <vector>

#include "file_fixture.h"
#include "platform/files.h"

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

// A line is stored for its variable while the old value is still held; when the space must be compacted for it, the
// old value moves, and is still the one released.
TEST_F(Channels, ALineStoredWhileTheSpaceIsCompactedReplacesTheOldValue) {
  const std::string path = Path("two.mbx");
  Write(path, "first\r\nsecond\r\n");
  Open(path, 1, file_mode::kInput);
  SelectInputChannel(1);
  Push("moved over");
  StringDescriptor line{};
  LineInput(line);
  PopText();
  const std::size_t room = string_space::Units() * string_space::kUnit - string_space::UsedBytes();
  Push(std::string(room - string_space::kHeaderSize - 2, 'f'));
  PopText();
  LineInput(line);
  EXPECT_EQ(TextOf(line), "second");
  EXPECT_TRUE(OwnsItsBytes(line));
  EXPECT_EQ(string_space::UsedBytes(), 2 * string_space::kHeaderSize + 5 + 6) << "only the two lines were kept";
  string_space::Compact();
  EXPECT_EQ(string_space::UsedBytes(), string_space::kHeaderSize + 6) << "the old value is released";
  ReleaseString(line);
}

// A line takes a stack slot on its way to its variable, as every stored result does: a full stack refuses it.
TEST_F(Channels, ALineInputOntoAFullStackIs16AndLeavesTheLineUnread) {
  const std::string path = Path("full.mbx");
  Write(path, "abc\r\ndef\r\n");
  Open(path, 1, file_mode::kInput);
  SelectInputChannel(1);
  EXPECT_EQ(NextLine(1), "abc");
  for (std::size_t slot = 0; slot < string_stack::kSlots; ++slot) Push("x");
  StringDescriptor line{};
  EXPECT_EQ(ErrorOf([&] { LineInput(line); }), error::kExpressionTooComplex);
  EXPECT_EQ(line.length, 0u);
  EXPECT_EQ(NextLine(1), "def");
}

// A line read into a routine's local is found when the routine's strings are released, as any stored local is.
TEST_F(Channels, ALineReadIntoARoutinesLocalIsReleasedWithItsFrame) {
  const std::string path = Path("local.mbx");
  Write(path, "main level\r\nlocal\r\n");
  Open(path, 1, file_mode::kInput);
  std::array<StringDescriptor, 2> frame{};
  StringDescriptor outside{};
  string_space::WatchOwnersWithin(frame.data(), frame.data() + frame.size());
  SelectInputChannel(1);
  LineInput(outside);
  ReleaseFrameStrings(frame.data(), frame.data() + frame.size());  // nothing owned from the frame yet
  LineInput(frame[1]);
  EXPECT_EQ(TextOf(frame[1]), "local");
  ReleaseFrameStrings(frame.data(), frame.data() + frame.size());
  EXPECT_EQ(string_space::OwnerOf(frame[1].data), nullptr);
  EXPECT_TRUE(OwnsItsBytes(outside));
  string_space::WatchOwnersWithin(nullptr, nullptr);
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

// A device name opens the device even for input, where a missing disk file would be error 63. Nothing is read from
// a device: the console window is output only (51), the ports are error 53, the others have nothing to read.
TEST_F(Channels, DeviceNamesOpenTheirDevices) {
  const std::vector<std::string> console{"CON"};
  const std::vector<std::string> ports{"lpt1", "LPT2", "Lpt3", "PRN", "COM1", "com2", "COM3", "COM4", "aux"};
  const std::vector<std::string> empty{"NUL", "conout$", "CONIN$"};
  const auto expect_input_error = [&](const std::vector<std::string>& names, RuntimeErrorNumber expected) {
    for (const std::string& name : names) {
      Open(name, 4, file_mode::kInput);
      EXPECT_EQ(ErrorOf([] { NextLine(4); }), expected) << name;
      Print(4, "taken in\r\n");
      Close(4);
      Push(name);
      EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kBadFileName) << name;
    }
  };
  expect_input_error(console, error::kBadFileMode);
  expect_input_error(ports, error::kBadDevice);
  expect_input_error(empty, error::kInputPastEnd);

  Open("CON", 5, file_mode::kOutput);
  EXPECT_EQ(ErrorOf([] { EndOfFile(5); }), error::kBadFileMode);
  Open("COM1", 6, file_mode::kAppend);
  EXPECT_EQ(EndOfFile(6), -1);
  EXPECT_EQ(OpenError("COM", 7, file_mode::kInput), error::kFileNotFound);
  EXPECT_EQ(OpenError("LPT1X", 7, file_mode::kInput), error::kFileNotFound);
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
    std::filesystem::resize_file(path, first.size() + 2 + kept);
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
