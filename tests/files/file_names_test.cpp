// File names: cp932 inside the program, the locale's encoding on disk (UTF-8 under the tests' C locale).
#include <filesystem>

#include "file_fixture.h"
#include "platform/files.h"

namespace {

// "受信箱" (inbox) in cp932 and in UTF-8.
const std::string kInbox = "\x8E\xF3\x90\x4D\x94\xA0";
const std::string kInboxOnDisk = "受信箱";

class FileNames : public FileTest {
 protected:
  void TearDown() override {
    std::filesystem::current_path(start);
    FileTest::TearDown();
  }

  const std::filesystem::path start = std::filesystem::current_path();
};

TEST_F(FileNames, ConvertWholeAndExactOrNotAtAll) {
  std::string converted;
  ASSERT_TRUE(platform::PathToLocal("/tmp/" + kInbox + ".mbx", converted));
  EXPECT_EQ(converted, "/tmp/" + kInboxOnDisk + ".mbx");
  ASSERT_TRUE(platform::PathFromLocal(converted, converted));
  EXPECT_EQ(converted, "/tmp/" + kInbox + ".mbx");
  // Half-width katakana are single bytes in cp932.
  ASSERT_TRUE(platform::PathToLocal("\xB1", converted));
  EXPECT_EQ(converted, "ｱ");

  for (const std::string& bad : {std::string("box\x81"), std::string("\x85\x40"), std::string("a\0b", 3)}) {
    EXPECT_FALSE(platform::PathToLocal(bad, converted)) << bad;
  }
  for (const std::string& bad : {std::string("한.mbx"), std::string("\xFF.mbx"), std::string("\xE5\x8F")}) {
    EXPECT_FALSE(platform::PathFromLocal(bad, converted)) << bad;
  }
}

TEST_F(FileNames, AJapaneseNameIsReadSearchedWrittenAndDeleted) {
  const std::string japanese_folder = Path(kInbox);  // as the program names it
  std::filesystem::create_directory(Path(kInboxOnDisk));
  Write(Path(kInboxOnDisk + "/" + kInboxOnDisk + ".mbx"), "mail\r\n");

  Push(japanese_folder);
  ChangeDirectory();
  EXPECT_EQ(std::filesystem::current_path(), Path(kInboxOnDisk));
  Open(kInbox + ".mbx", 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "mail");

  Push(japanese_folder + "/*.mbx");
  DirOpen(1);
  DirNext(1);
  DirItem(1, 0);
  EXPECT_EQ(PopText(), kInbox + ".mbx");

  Open(kInbox + ".ren", 3, file_mode::kOutput);
  Close(3);
  EXPECT_EQ(Read(Path(kInboxOnDisk + "/" + kInboxOnDisk + ".ren")), "\x1A");
  Push(japanese_folder + "/" + kInbox + ".ren");
  DeleteFile();
  EXPECT_FALSE(std::filesystem::exists(Path(kInboxOnDisk + "/" + kInboxOnDisk + ".ren")));
}

// A name with no form in the other encoding is a bad file name; above all it never reaches a file whose name is
// what a lax conversion would leave of it.
TEST_F(FileNames, ANameThatCannotBeConvertedIsABadFileName) {
  Write(Path("box.mbx"), "mail\r\n");
  const std::string cut_short = Path("box.mbx\x81");
  EXPECT_EQ(OpenError(cut_short, 1, file_mode::kInput), error::kBadFileName);
  EXPECT_EQ(OpenError(cut_short, 3, file_mode::kAppend), error::kBadFileName);
  Push(cut_short);
  EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kBadFileName);
  EXPECT_EQ(Read(Path("box.mbx")), "mail\r\n");
  EXPECT_EQ(OpenError(Path("\x85\x40.ren"), 3, file_mode::kOutput), error::kBadFileName);
  Push(Path("\x85\x40"));
  EXPECT_EQ(ErrorOf([] { ChangeDirectory(); }), error::kBadFileName);
  Push(Path("box.mbx\x81"));
  DirOpen(1);
  DirNext(1);
  EXPECT_EQ(DirAtEnd(1), -1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(FileNames, NamesOnDiskWithoutACp932FormAreOutOfReach) {
  Write(Path("한.mbx"), "");
  Write(Path("\xFF.mbx"), "");
  Write(Path("ok.mbx"), "");
  Push(Path("*.mbx"));
  DirOpen(1);
  DirNext(1);
  DirItem(1, 0);
  EXPECT_EQ(PopText(), "ok.mbx");
  DirNext(1);
  EXPECT_EQ(DirAtEnd(1), -1);

  // Inside such a folder no full path can be given to the program, so no relative name can be opened.
  std::filesystem::create_directory(Path("한"));
  Write(Path("한/box.mbx"), "mail\r\n");
  std::filesystem::current_path(Path("한"));
  EXPECT_EQ(OpenError("box.mbx", 1, file_mode::kInput), error::kBadFileName);
  Push("box.mbx");
  EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kBadFileName);
  EXPECT_TRUE(std::filesystem::exists(Path("한/box.mbx")));
}

// Characters that convert one way only: a minus sign becomes the cp932 full-width hyphen-minus, which comes back as
// U+FF0D, so "report−1" would open "report－1"; a wave dash and a full-width tilde share one cp932 character too.
// In the other direction, an IBM extension duplicate comes back as the other code.
TEST_F(FileNames, ANameThatDoesNotComeBackByteForByteIsABadFileName) {
  std::string converted;
  for (const char* one_way : {"report\u2212" "1.ren", "mail\u301C" "1.mbx", "\u00A5", "\u203E", "\u2014", "\u2016",
                              "\u00A2", "\u00A3", "\u00AC"}) {
    EXPECT_FALSE(platform::PathFromLocal(one_way, converted)) << one_way;
  }
  ASSERT_TRUE(platform::PathFromLocal("report\uFF0D" "1.ren", converted));
  EXPECT_EQ(converted, "report\x81\x7C" "1.ren");
  EXPECT_FALSE(platform::PathToLocal("\xED\x40", converted)) << "comes back as FA 5C";
  ASSERT_TRUE(platform::PathToLocal("\xFA\x5C", converted));

  // The full-width name on disk is out of reach of the one-way name, which a search does not list either.
  Write(Path("report\uFF0D" "1.ren"), "cards\r\n\x1A");
  Write(Path("mail\u301C" "1.mbx"), "");
  Push(Path("*.mbx"));
  DirOpen(1);
  DirNext(1);
  EXPECT_EQ(DirAtEnd(1), -1);
  EXPECT_EQ(Read(Path("report\uFF0D" "1.ren")), "cards\r\n\x1A");
}

// Windows refuses to delete a read-only file, whoever asks: here a file its owner may not write, also for root.
TEST_F(FileNames, AReadOnlyFileIsNotDeleted) {
  Write(Path("kept.ren"), "cards\r\n\x1A");
  std::filesystem::permissions(Path("kept.ren"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  Push(Path("kept.ren"));
  EXPECT_EQ(ErrorOf([] { DeleteFile(); }), error::kAccessDenied);
  EXPECT_EQ(Read(Path("kept.ren")), "cards\r\n\x1A");
}

}  // namespace
