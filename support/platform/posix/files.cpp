// The file system through POSIX calls, failures translated into Win32 error codes.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "error_codes.h"
#include "files.h"
#include "sharing.h"

namespace platform {
namespace {

int Flags(Access access) {
  switch (access) {
    case Access::Read: return O_RDONLY;
    case Access::Write:
    case Access::ReadWrite: return O_RDWR;
  }
  return O_RDONLY;
}

// Writers are opened read-write so that they can hold their sharing markers; a file that may be written but
// not read falls back to write-only without markers.
int OpenDescriptor(const char* path, Access access, int extra, bool& readable) {
  readable = true;
  int descriptor = open(path, Flags(access) | extra | O_CLOEXEC, 0666);
  if (descriptor < 0 && errno == EACCES && access == Access::Write) {
    readable = false;
    descriptor = open(path, O_WRONLY | extra | O_CLOEXEC, 0666);
  }
  return descriptor;
}

}  // namespace

OpenResult OpenFile(const char* path, Access access, Creation creation, Sharing sharing) {
  struct stat status;
  if (stat(path, &status) == 0 && S_ISDIR(status.st_mode)) return {kNoFile, win32_error::kAccessDenied};
  bool readable = true;
  const int descriptor = OpenDescriptor(path, access, creation == Creation::CreateAlways ? O_CREAT : 0, readable);
  if (descriptor < 0) return {kNoFile, Win32ErrorFromErrno(errno, Operation::Open, path)};
  if (const ErrorCode refused = ClaimSharing(descriptor, access, sharing, readable)) {
    close(descriptor);
    return {kNoFile, refused};
  }
  // Emptying comes after the sharing check, so a file another open denies writing is never truncated.
  if (creation == Creation::CreateAlways && ftruncate(descriptor, 0) != 0) {
    const ErrorCode error = Win32ErrorFromErrno(errno, Operation::Write, path);
    close(descriptor);
    return {kNoFile, error};
  }
  return {descriptor, 0};
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

void CloseFile(FileHandle file) {
  if (file != kNoFile) close(static_cast<int>(file));
}

ErrorCode RemoveFile(const char* path) {
  return unlink(path) == 0 ? 0 : Win32ErrorFromErrno(errno, Operation::Write, path);
}

bool FileExists(const char* path) {
  struct stat status;
  return stat(path, &status) == 0 && !S_ISDIR(status.st_mode);
}

ErrorCode FullPath(const char* path, std::string& full) {
  char resolved[PATH_MAX];
  if (realpath(path, resolved) != nullptr) {
    full = resolved;
    return 0;
  }
  // A file yet to be made: resolve its folder and keep its name. A folder that does not exist either is kept as
  // written, made absolute, for the open to report.
  const std::string given(path);
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
  if (getcwd(resolved, sizeof resolved) == nullptr) return Win32ErrorFromErrno(errno, Operation::Open, path);
  full = std::string(resolved) + "/" + given;
  return 0;
}

bool SamePath(const std::string& first, const std::string& second) { return first == second; }

ErrorCode SetCurrentDirectory(const char* path) {
  return chdir(path) == 0 ? 0 : Win32ErrorFromErrno(errno, Operation::Open, path);
}

}  // namespace platform
