// Directory searches and the current directory, on a temporary folder.
#include <sys/stat.h>
#include <utime.h>

#include <ctime>

#include "file_fixture.h"

namespace {

using DirectorySearch = FileTest;

std::string Item(std::int32_t slot, std::int32_t item) {
  DirItem(slot, item);
  return PopText();
}

void Search(std::int32_t slot, const std::string& pattern) {
  Push(pattern);
  DirOpen(slot);
  DirNext(slot);
}

TEST_F(DirectorySearch, APatternWithoutWildcardsFindsExactlyThatFile) {
  Write(Path("Inbox.mbx"), "12345");
  Search(1, Path("Inbox.mbx"));
  EXPECT_EQ(DirAtEnd(1), 0);
  EXPECT_EQ(Item(1, 0), "Inbox.mbx");
  EXPECT_EQ(Item(1, 1), "5");
  DirNext(1);
  EXPECT_EQ(DirAtEnd(1), -1);
  EXPECT_EQ(Item(1, 0), "Inbox.mbx");  // the last entry found
  EXPECT_EQ(ErrorOf([] { DirNext(1); }), error::kInputPastEnd);
  DirClose(1);
}

TEST_F(DirectorySearch, WildcardsMatchInTheLastComponent) {
  Write(Path("a.mbx"), "");
  Write(Path("b.mbx"), "");
  Write(Path("c.txt"), "");
  Search(2, Path("*.mbx"));
  std::vector<std::string> names;
  while (DirAtEnd(2) == 0) {
    names.push_back(Item(2, 0));
    DirNext(2);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"a.mbx", "b.mbx"}));
  DirClose(2);
  Search(2, Path("?.mbx"));
  EXPECT_EQ(Item(2, 0), "a.mbx");
  DirClose(2);
  Search(2, Path("*"));
  EXPECT_EQ(Item(2, 0), ".");
  DirNext(2);
  EXPECT_EQ(Item(2, 0), "..");
  EXPECT_EQ(Item(2, 4), "D--");
  EXPECT_EQ(Item(2, 1), "0");
}

using NameList = std::vector<std::string>;

NameList Names(const std::string& pattern) {
  Search(5, pattern);
  NameList names;
  while (DirAtEnd(5) == 0) {
    names.push_back(Item(5, 0));
    DirNext(5);
  }
  DirClose(5);
  return names;
}

// Names on disk are UTF-8; the search sees them as cp932: "ア" is 83 41 (its second byte is "A"), "表" is 95 5C.
TEST_F(DirectorySearch, PatternsMatchCharactersAsTheWin32SearchDoes) {
  for (const char* name : {"A.mbx", "ab.mbx", "ア.mbx", "表.mbx", "noext", "x.y.z"}) Write(Path(name), "");
  EXPECT_EQ(Names(Path("?.mbx")), (NameList{"A.mbx", "\x83\x41.mbx", "\x95\x5C.mbx"}));
  EXPECT_EQ(Names(Path("a?.mbx")), (NameList{"ab.mbx"}));
  EXPECT_EQ(Names(Path("*A*")), (NameList{"A.mbx"}));
  EXPECT_EQ(Names(Path("*A.mbx")), (NameList{"A.mbx"}));
  EXPECT_EQ(Names(Path("\x83\x41*")), (NameList{"\x83\x41.mbx"}));
  EXPECT_EQ(Names(Path("*.*")),
            (NameList{".", "..", "A.mbx", "ab.mbx", "noext", "x.y.z", "\x83\x41.mbx", "\x95\x5C.mbx"}));
  EXPECT_EQ(Names(Path("noext.*")), (NameList{"noext"}));
  EXPECT_EQ(Names(Path("x.*")), (NameList{"x.y.z"}));
  EXPECT_EQ(Names(Path("*.z")), (NameList{"x.y.z"}));
}

TEST_F(DirectorySearch, NothingMatchingIsNoError) {
  Search(1, Path("*.none"));
  EXPECT_EQ(DirAtEnd(1), -1);
  EXPECT_EQ(ErrorOf([] { DirNext(1); }), error::kInputPastEnd);
  Search(2, Path("missing/x.mbx"));
  EXPECT_EQ(DirAtEnd(2), -1);
}

TEST_F(DirectorySearch, SlotsAreChecked) {
  Push("x");
  EXPECT_EQ(ErrorOf([] { DirOpen(0); }), error::kBadChannelNumber);
  Push("x");
  EXPECT_EQ(ErrorOf([] { DirOpen(17); }), error::kBadChannelNumber);
  EXPECT_EQ(ErrorOf([] { DirNext(3); }), error::kChannelNotOpen);
  EXPECT_EQ(ErrorOf([] { DirAtEnd(3); }), error::kChannelNotOpen);
  Push(Path("*"));
  DirOpen(3);
  EXPECT_EQ(ErrorOf([] { DirAtEnd(3); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([] { DirItem(3, 5); }), error::kBadArgument);
  Push(Path("*"));
  EXPECT_EQ(ErrorOf([] { DirOpen(3); }), error::kAlreadyOpen);
  Push(std::string(5000, 'p'));
  EXPECT_EQ(ErrorOf([] { DirOpen(4); }), error::kBadArgument);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(DirectorySearch, DatesTimesAndAttributes) {
  const std::string path = Path("old.mbx");
  Write(path, "");
  std::tm written{};
  written.tm_year = 1997 - 1900;
  written.tm_mon = 7;
  written.tm_mday = 29;
  written.tm_hour = 12;
  written.tm_min = 34;
  written.tm_sec = 56;
  written.tm_isdst = -1;
  const utimbuf times{std::mktime(&written), std::mktime(&written)};
  utime(path.c_str(), &times);
  chmod(path.c_str(), 0444);
  Search(1, path);
  EXPECT_EQ(Item(1, 2), "1997/08/29");
  EXPECT_EQ(Item(1, 3), "12:34:56");
  EXPECT_EQ(Item(1, 4), "-R-");
}

TEST_F(DirectorySearch, ChangingTheCurrentDirectory) {
  const std::string cwd = std::filesystem::current_path();
  Write(Path("here.mbx"), "x\r\n");
  Push(folder);
  ChangeDirectory();
  Open("here.mbx", 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "x");
  Push(Path("missing"));
  EXPECT_EQ(ErrorOf([] { ChangeDirectory(); }), error::kFileNotFound);
  Push(Path("here.mbx"));
  EXPECT_EQ(ErrorOf([] { ChangeDirectory(); }), error::kFileNotFound);
  std::filesystem::current_path(cwd);
}

}  // namespace
