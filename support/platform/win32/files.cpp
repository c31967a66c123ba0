// The file system through the Win32 calls: paths are cp932 as the ANSI calls take them, and failures are the codes
// GetLastError gives.
#include <windows.h>
// windows.h names SetCurrentDirectoryA by this macro; the seam's function of the same name is meant here.
#undef SetCurrentDirectory

#include "platform/files.h"

namespace platform {
namespace {

DWORD DesiredAccess(Access access) {
  switch (access) {
    case Access::Read: return GENERIC_READ;
    case Access::Write: return GENERIC_WRITE;
    case Access::ReadWrite: return GENERIC_READ | GENERIC_WRITE;
  }
  return GENERIC_READ;
}

DWORD ShareMode(Sharing sharing) {
  return (sharing.read ? FILE_SHARE_READ : 0) | (sharing.write ? FILE_SHARE_WRITE : 0);
}

HANDLE Native(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

}  // namespace

bool PathToLocal(std::string_view path, std::string& local) {
  local.assign(path);
  return true;
}

bool PathFromLocal(std::string_view local, std::string& path) {
  path.assign(local);
  return true;
}

// A folder opened as a file fails with access denied, as the seam promises; devices never get this far, since the
// channels know the one device name themselves.
OpenResult OpenFile(const char* path, Access access, Creation creation, Sharing sharing) {
  const HANDLE file = CreateFileA(path, DesiredAccess(access), ShareMode(sharing), nullptr,
                                  creation == Creation::CreateAlways ? CREATE_ALWAYS : OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {kNoFile, GetLastError()};
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return {kNoFile, win32_error::kAccessDenied};
  }
  return {reinterpret_cast<FileHandle>(file), 0};
}

ErrorCode ReadFile(FileHandle file, void* buffer, std::size_t bytes, std::size_t& read) {
  DWORD count = 0;
  const BOOL done = ::ReadFile(Native(file), buffer, static_cast<DWORD>(bytes), &count, nullptr);
  read = count;
  return done ? 0 : GetLastError();
}

ErrorCode WriteFile(FileHandle file, const void* bytes, std::size_t length, std::size_t& written) {
  written = 0;
  while (written < length) {
    DWORD count = 0;
    if (!::WriteFile(Native(file), static_cast<const char*>(bytes) + written, static_cast<DWORD>(length - written),
                     &count, nullptr)) {
      return GetLastError();
    }
    if (count == 0) return win32_error::kDiskFull;
    written += count;
  }
  return 0;
}

ErrorCode SeekFile(FileHandle file, std::uint64_t position) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(position);
  return SetFilePointerEx(Native(file), distance, nullptr, FILE_BEGIN) ? 0 : GetLastError();
}

ErrorCode FileSize(FileHandle file, std::uint64_t& size) {
  LARGE_INTEGER length;
  if (!GetFileSizeEx(Native(file), &length)) return GetLastError();
  size = static_cast<std::uint64_t>(length.QuadPart);
  return 0;
}

ErrorCode TruncateFile(FileHandle file, std::uint64_t size) {
  if (const ErrorCode failure = SeekFile(file, size)) return failure;
  return SetEndOfFile(Native(file)) ? 0 : GetLastError();
}

void CloseFile(FileHandle file) {
  if (file != kNoFile) CloseHandle(Native(file));
}

ErrorCode RemoveFile(const char* path) { return DeleteFileA(path) ? 0 : GetLastError(); }

// A file that another program holds still has its attributes read.
bool FileExists(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

PathKind KindOfPath(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::Folder;
  return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? PathKind::Other : PathKind::File;
}

ErrorCode FullPath(const char* path, std::string& full) {
  char buffer[MAX_PATH];
  const DWORD length = GetFullPathNameA(path, MAX_PATH, buffer, nullptr);
  if (length == 0) return GetLastError();
  if (length >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  full.assign(buffer, length);
  return 0;
}

// Names on Windows compare without regard to case.
bool SamePath(const std::string& first, const std::string& second) {
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, first.data(), static_cast<int>(first.size()),
                        second.data(), static_cast<int>(second.size())) == CSTR_EQUAL;
}

ErrorCode SetCurrentDirectory(const char* path) { return SetCurrentDirectoryA(path) ? 0 : GetLastError(); }

}  // namespace platform
