// Channels and directory searches on the Win32 file layer: sharing against another program's open handle, names
// compared without case, the Win32 error codes through the mapping tables, and the items of a directory entry.
#include <algorithm>
#include <vector>

#include "files/file_fixture.h"

#include <windows.h>
// windows.h names DeleteFileA by this macro; the channels' operation, declared before it, is meant here.
#undef DeleteFile

namespace {

using Win32Files = FileTest;

// Another program's handle on the file, with the given access and sharing, held until destroyed.
class ForeignHandle {
 public:
  ForeignHandle(const std::string& path, DWORD access, DWORD share)
      : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ForeignHandle(const ForeignHandle&) = delete;
  ForeignHandle& operator=(const ForeignHandle&) = delete;
  ~ForeignHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool open() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

RuntimeErrorNumber DeleteError(const std::string& path) {
  Push(path);
  return ErrorOf([] { DeleteFile(); });
}

TEST_F(Win32Files, AnotherProgramsSharingIsHonoured) {
  const std::string path = Path("held.ren");
  Write(path, "records\r\n");
  {
    const ForeignHandle reader(path, GENERIC_READ, FILE_SHARE_READ);  // lets others read, not write
    ASSERT_TRUE(reader.open());
    EXPECT_EQ(OpenError(path, 3, file_mode::kAppend), error::kAccessDenied);
    Open(path, 1, file_mode::kInput);
    EXPECT_EQ(NextLine(1), "records");
    Close(1);
    EXPECT_EQ(DeleteError(path), error::kAccessDenied);
  }
  {
    const ForeignHandle exclusive(path, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(exclusive.open());
    EXPECT_EQ(OpenError(path, 1, file_mode::kInput), error::kAccessDenied);
  }
  EXPECT_EQ(Read(path), "records\r\n");
}

TEST_F(Win32Files, ChannelsHoldOtherProgramsBackBySharing) {
  const std::string path = Path("cards.ren");
  Open(path, 3, file_mode::kOutput);  // share code 1: others may read, not write
  EXPECT_FALSE(ForeignHandle(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).open());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(ForeignHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE).open());
  Close(3);
  const std::string mailbox = Path("in.mbx");
  Write(mailbox, "x\r\n");
  Open(mailbox, 1, file_mode::kInput, share_code::kDenyNone);
  EXPECT_TRUE(ForeignHandle(mailbox, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).open());
}

TEST_F(Win32Files, AnOpenFileCannotBeDeletedByAnotherSpellingOfItsName) {
  std::filesystem::create_directory(Path("Mail"));
  const std::string path = Path("Mail\\Box.mbx");
  Write(path, "precious\r\n");
  Open(path, 1, file_mode::kInput);
  std::string upper = path;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
  for (const std::string& spelling : {path, upper, Path("mail/box.MBX"), Path("Mail\\..\\Mail\\.\\box.mbx")}) {
    EXPECT_EQ(DeleteError(spelling), error::kAlreadyOpen) << spelling;
  }
  Close(1);
  EXPECT_EQ(DeleteError(Path("MAIL\\BOX.MBX")), 0);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(DeleteError(path), error::kFileNotFound);
}

TEST_F(Win32Files, Win32FailuresBecomeTheirRunTimeErrors) {
  EXPECT_EQ(OpenError(Path("missing.mbx"), 1, file_mode::kInput), error::kFileNotFound);
  EXPECT_EQ(OpenError(Path("no\\such\\folder.ren"), 3, file_mode::kOutput), error::kBadFileName);
  EXPECT_EQ(OpenError(Path("no\\such\\folder.ren"), 3, file_mode::kAppend), error::kBadFileName);
  EXPECT_EQ(OpenError(folder, 1, file_mode::kInput), error::kFileNotFound);
  EXPECT_EQ(OpenError(folder, 3, file_mode::kAppend), error::kAccessDenied);
  Push(Path("missing"));
  EXPECT_EQ(ErrorOf([] { ChangeDirectory(); }), error::kFileNotFound);
}

std::string Item(std::int32_t slot, std::int32_t item) {
  DirItem(slot, item);
  return PopText();
}

std::vector<std::string> Names(const std::string& pattern) {
  Push(pattern);
  DirOpen(5);
  DirNext(5);
  std::vector<std::string> names;
  while (DirAtEnd(5) == 0) {
    names.push_back(Item(5, 0));
    DirNext(5);
  }
  DirClose(5);
  std::sort(names.begin(), names.end());
  return names;
}

void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute,
                       WORD second) {
  const SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
  FILETIME local_time;
  FILETIME written;
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &written);
  const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
}

TEST_F(Win32Files, PatternsAndPathsOfAtMost260BytesAreTaken) {
  const std::string longest(260, 'p');
  Push(longest);
  DirOpen(6);
  DirNext(6);
  EXPECT_EQ(DirAtEnd(6), -1);
  DirClose(6);
  Push(longest + "p");
  EXPECT_EQ(ErrorOf([] { DirOpen(6); }), error::kBadArgument);
  Push(longest + "p");
  EXPECT_EQ(ErrorOf([] { ChangeDirectory(); }), error::kBadArgument);
}

TEST_F(Win32Files, DirectoryItemsOfFilesAndFolders) {
  const std::string path = Path("Old.mbx");
  Write(path, "12345");
  SetLocalWriteTime(path, 1997, 8, 29, 12, 34, 56);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  Push(Path("old.MBX"));
  DirOpen(1);
  DirNext(1);
  ASSERT_EQ(DirAtEnd(1), 0);
  EXPECT_EQ(Item(1, 0), "Old.mbx");  // the name as stored
  EXPECT_EQ(Item(1, 1), "5");
  EXPECT_EQ(Item(1, 2), "1997/08/29");
  EXPECT_EQ(Item(1, 3), "12:34:56");
  EXPECT_EQ(Item(1, 4), "-RA");
  DirClose(1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  std::filesystem::create_directory(Path("sub"));
  Push(Path("sub"));
  DirOpen(2);
  DirNext(2);
  EXPECT_EQ(Item(2, 1), "0");
  EXPECT_EQ(Item(2, 4).substr(0, 2), "D-");
  DirNext(2);
  EXPECT_EQ(DirAtEnd(2), -1);
  EXPECT_EQ(ErrorOf([] { DirNext(2); }), error::kInputPastEnd);
}

TEST_F(Win32Files, PatternsFollowTheWin32Search) {
  for (const char* name : {"a.mbx", "B.MBX", "c.txt", "noext"}) Write(Path(name), "");
  EXPECT_EQ(Names(Path("*.mbx")), (std::vector<std::string>{"B.MBX", "a.mbx"}));
  EXPECT_EQ(Names(Path("?.mbx")), (std::vector<std::string>{"B.MBX", "a.mbx"}));
  EXPECT_EQ(Names(Path("*.*")), (std::vector<std::string>{".", "..", "B.MBX", "a.mbx", "c.txt", "noext"}));
  EXPECT_TRUE(Names(Path("*.none")).empty());
}

TEST_F(Win32Files, RelativeNamesFollowTheCurrentDirectory) {
  const std::filesystem::path start = std::filesystem::current_path();
  Write(Path("here.mbx"), "x\r\n");
  Push(folder);
  ChangeDirectory();
  Open("here.mbx", 1, file_mode::kInput);
  EXPECT_EQ(NextLine(1), "x");
  Close(1);
  std::filesystem::current_path(start);
}

}  // namespace
