// File channels on real files, in what only a POSIX system shows: other copies of the program in child processes,
// links, and FIFOs.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "file_fixture.h"
#include "platform/files.h"

namespace {

using Channels = FileTest;

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

TEST_F(Channels, AnotherCopyIsHeldBackByTheSharing) {
  const std::string path = Path("shared.ren");
  Open(path, 3, file_mode::kOutput);  // denies writing
  const pid_t child = fork();
  if (child == 0) {
    const auto opened = platform::OpenFile(path.c_str(), platform::Access::Write, platform::Creation::OpenExisting,
                                           {true, true});
    _exit(opened.error == platform::win32_error::kSharingViolation ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
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

}  // namespace
