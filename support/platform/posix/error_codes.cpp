// Translation of errno values into Win32 error codes.
#include "platform/posix/error_codes.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace platform {
namespace {

bool FolderExists(const char* path) {
  std::string folder(path);
  const std::size_t slash = folder.find_last_of('/');
  if (slash == std::string::npos) return true;
  folder.resize(slash == 0 ? 1 : slash);
  struct stat status;
  return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

ErrorCode Win32ErrorFromErrno(int error_number, Operation operation, const char* path) {
  using namespace win32_error;
  switch (error_number) {
    case ENOENT: return path == nullptr || FolderExists(path) ? kFileNotFound : kPathNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EBADF: return kAccessDenied;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case ENOMEM: return kNotEnoughMemory;
    case EROFS: return kWriteProtect;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN: return kSharingViolation;
    case EEXIST: return kFileExists;
    case EINVAL: return kInvalidParameter;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    default: return operation == Operation::Write ? kWriteFault : kReadFault;  // EIO among them
  }
}

}  // namespace platform
