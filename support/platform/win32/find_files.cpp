// Directory search through FindFirstFileA and FindNextFileA, in the file system's own order, with the last-write
// time in local time.
#include <windows.h>

#include "platform/files.h"

namespace platform {
namespace {

struct Search {
  HANDLE handle;
};

LocalTime LocalTimeOf(const FILETIME& written) {
  FILETIME local;
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) return {};
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

void Describe(const WIN32_FIND_DATAA& data, FindData& found) {
  found.attributes = data.dwFileAttributes;
  found.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  found.last_write = LocalTimeOf(data.ftLastWriteTime);
  found.name = data.cFileName;
}

}  // namespace

FindHandle FindFirst(const char* pattern, FindData& found) {
  WIN32_FIND_DATAA data;
  const HANDLE handle = FindFirstFileA(pattern, &data);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  Describe(data, found);
  return new Search{handle};
}

bool FindNext(FindHandle search, FindData& found) {
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(static_cast<Search*>(search)->handle, &data)) return false;
  Describe(data, found);
  return true;
}

void FindClose(FindHandle search) {
  ::FindClose(static_cast<Search*>(search)->handle);
  delete static_cast<Search*>(search);
}

}  // namespace platform
