// The file system through POSIX calls: paths converted between cp932 and the locale's encoding, failures
// translated into Win32 error codes.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files.h"
#include "platform/posix/error_codes.h"
#include "platform/posix/sharing.h"

namespace platform {
namespace {

ErrorCode Local(const char* path, std::string& local) {
  return PathToLocal(path, local) ? 0 : win32_error::kNoUnicodeTranslation;
}

bool IsRegularFile(const struct stat& status) { return S_ISREG(status.st_mode); }

int Flags(Access access) {
  switch (access) {
    case Access::Read: return O_RDONLY;
    case Access::Write:
    case Access::ReadWrite: return O_RDWR;
  }
  return O_RDONLY;
}

// Writers are opened read-write so that they can hold their sharing markers; a file that may be written but
// not read falls back to write-only without markers. O_NONBLOCK keeps a FIFO from waiting for its other end.
int OpenDescriptor(const char* path, Access access, int extra, bool& readable) {
  readable = true;
  extra |= O_NONBLOCK | O_CLOEXEC;
  int descriptor = open(path, Flags(access) | extra, 0666);
  if (descriptor < 0 && errno == EACCES && access == Access::Write) {
    readable = false;
    descriptor = open(path, O_WRONLY | extra, 0666);
  }
  return descriptor;
}

// Something other than a regular file may have taken the name since it was looked at: only a regular file is
// kept, and it is made blocking again.
ErrorCode KeepRegularFile(int descriptor) {
  struct stat status;
  if (fstat(descriptor, &status) != 0) return Win32ErrorFromErrno(errno, Operation::Open);
  if (!IsRegularFile(status)) return win32_error::kAccessDenied;
  const int flags = fcntl(descriptor, F_GETFL);
  if (flags < 0 || fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return Win32ErrorFromErrno(errno, Operation::Open);
  }
  return 0;
}

OpenResult OpenLocal(const char* path, Access access, Creation creation, Sharing sharing) {
  // Win32 refuses to open a folder as a file; FIFOs, devices and sockets are refused the same way.
  struct stat status;
  if (stat(path, &status) == 0 && !IsRegularFile(status)) return {kNoFile, win32_error::kAccessDenied};
  bool readable = true;
  const int descriptor = OpenDescriptor(path, access, creation == Creation::CreateAlways ? O_CREAT : 0, readable);
  if (descriptor < 0) return {kNoFile, Win32ErrorFromErrno(errno, Operation::Open, path)};
  ErrorCode failure = KeepRegularFile(descriptor);
  if (failure == 0) failure = ClaimSharing(descriptor, access, sharing, readable);
  // Emptying comes after the sharing check, so a file another open denies writing is never truncated.
  if (failure == 0 && creation == Creation::CreateAlways && ftruncate(descriptor, 0) != 0) {
    failure = Win32ErrorFromErrno(errno, Operation::Write, path);
  }
  if (failure != 0) {
    close(descriptor);
    return {kNoFile, failure};
  }
  return {descriptor, 0};
}

// Whether an open by this program holds the file. A link is not followed: removing it leaves its target alone.
bool HeldOpen(const char* path) {
  const int descriptor = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool held = HeldByAnOpen(descriptor);
  close(descriptor);
  return held;
}

ErrorCode FullLocalPath(const std::string& given, std::string& full) {
  char resolved[PATH_MAX];
  if (realpath(given.c_str(), resolved) != nullptr) {
    full = resolved;
    return 0;
  }
  // A file yet to be made: resolve its folder and keep its name. A folder that does not exist either is kept as
  // written, made absolute, for the open to report.
  const std::size_t slash = given.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : given.substr(0, slash == 0 ? 1 : slash);
  const std::string name = slash == std::string::npos ? given : given.substr(slash + 1);
  if (realpath(folder.c_str(), resolved) != nullptr) {
    full = resolved;
    if (full.back() != '/') full += '/';
    full += name;
    return 0;
  }
  if (!given.empty() && given.front() == '/') {
    full = given;
    return 0;
  }
  if (getcwd(resolved, sizeof resolved) == nullptr) return Win32ErrorFromErrno(errno, Operation::Open);
  full = std::string(resolved) + "/" + given;
  return 0;
}

}  // namespace

OpenResult OpenFile(const char* path, Access access, Creation creation, Sharing sharing) {
  std::string local;
  if (const ErrorCode failure = Local(path, local)) return {kNoFile, failure};
  return OpenLocal(local.c_str(), access, creation, sharing);
}

ErrorCode ReadFile(FileHandle file, void* buffer, std::size_t bytes, std::size_t& read) {
  ssize_t count;
  do {
    count = ::read(static_cast<int>(file), buffer, bytes);
  } while (count < 0 && errno == EINTR);
  read = count < 0 ? 0 : static_cast<std::size_t>(count);
  return count < 0 ? Win32ErrorFromErrno(errno, Operation::Read) : 0;
}

ErrorCode WriteFile(FileHandle file, const void* bytes, std::size_t length, std::size_t& written) {
  written = 0;
  while (written < length) {
    const ssize_t count = ::write(static_cast<int>(file), static_cast<const char*>(bytes) + written, length - written);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return Win32ErrorFromErrno(errno, Operation::Write);
    if (count == 0) return win32_error::kDiskFull;
    written += static_cast<std::size_t>(count);
  }
  return 0;
}

ErrorCode SeekFile(FileHandle file, std::uint64_t position) {
  if (lseek(static_cast<int>(file), static_cast<off_t>(position), SEEK_SET) < 0) {
    return Win32ErrorFromErrno(errno, Operation::Read);
  }
  return 0;
}

ErrorCode FileSize(FileHandle file, std::uint64_t& size) {
  struct stat status;
  if (fstat(static_cast<int>(file), &status) != 0) return Win32ErrorFromErrno(errno, Operation::Read);
  size = static_cast<std::uint64_t>(status.st_size);
  return 0;
}

ErrorCode TruncateFile(FileHandle file, std::uint64_t size) {
  if (ftruncate(static_cast<int>(file), static_cast<off_t>(size)) != 0) {
    return Win32ErrorFromErrno(errno, Operation::Write);
  }
  return SeekFile(file, size);
}

void CloseFile(FileHandle file) {
  if (file != kNoFile) close(static_cast<int>(file));
}

// Windows refuses to delete a read-only file, whoever asks; here that is a file its owner may not write, as
// directory searches show it, so root is refused too.
bool ReadOnly(const char* path) {
  struct stat status;
  return stat(path, &status) == 0 && (status.st_mode & S_IWUSR) == 0;
}

ErrorCode RemoveFile(const char* path) {
  std::string local;
  if (const ErrorCode failure = Local(path, local)) return failure;
  if (ReadOnly(local.c_str())) return win32_error::kAccessDenied;
  if (HeldOpen(local.c_str())) return win32_error::kSharingViolation;
  return unlink(local.c_str()) == 0 ? 0 : Win32ErrorFromErrno(errno, Operation::Write, local.c_str());
}

bool FileExists(const char* path) {
  std::string local;
  struct stat status;
  return Local(path, local) == 0 && stat(local.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

PathKind KindOfPath(const char* path) {
  std::string local;
  struct stat status;
  if (Local(path, local) != 0 || stat(local.c_str(), &status) != 0) return PathKind::Missing;
  if (S_ISDIR(status.st_mode)) return PathKind::Folder;
  return IsRegularFile(status) ? PathKind::File : PathKind::Other;
}

ErrorCode FullPath(const char* path, std::string& full) {
  std::string local;
  std::string full_local;
  if (const ErrorCode failure = Local(path, local)) return failure;
  if (const ErrorCode failure = FullLocalPath(local, full_local)) return failure;
  return PathFromLocal(full_local, full) ? 0 : win32_error::kNoUnicodeTranslation;
}

bool SamePath(const std::string& first, const std::string& second) { return first == second; }

ErrorCode SetCurrentDirectory(const char* path) {
  std::string local;
  if (const ErrorCode failure = Local(path, local)) return failure;
  return chdir(local.c_str()) == 0 ? 0 : Win32ErrorFromErrno(errno, Operation::Open, local.c_str());
}

}  // namespace platform
