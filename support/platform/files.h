// The platform seam for the file system, shaped like the Win32 calls: every failure is reported as the error code
// Win32 would give (the POSIX side translates errno), so the tables that map codes to run-time errors are shared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

using ErrorCode = std::uint32_t;  // 0: success

namespace win32_error {
inline constexpr ErrorCode kFileNotFound = 2;
inline constexpr ErrorCode kPathNotFound = 3;
inline constexpr ErrorCode kTooManyOpenFiles = 4;
inline constexpr ErrorCode kAccessDenied = 5;
inline constexpr ErrorCode kNotEnoughMemory = 8;
inline constexpr ErrorCode kWriteProtect = 19;
inline constexpr ErrorCode kWriteFault = 29;
inline constexpr ErrorCode kReadFault = 30;
inline constexpr ErrorCode kSharingViolation = 32;
inline constexpr ErrorCode kFileExists = 80;
inline constexpr ErrorCode kInvalidParameter = 87;
inline constexpr ErrorCode kDiskFull = 112;
// A name that has no form in the other encoding (the POSIX side's paths, see PathToLocal).
inline constexpr ErrorCode kNoUnicodeTranslation = 1113;
}  // namespace win32_error

// Paths inside the program are cp932 bytes, as on Windows. The POSIX calls take the encoding of the locale
// (LC_CTYPE from the environment; UTF-8 for the C and POSIX locales), and every function below converts at the
// seam. A name that cannot be converted, either way, or that does not convert back to the same bytes, is refused:
// false, or kNoUnicodeTranslation from the calls.
// Command-line operands and typed names come in through PathFromLocal.
bool PathToLocal(std::string_view path, std::string& local);
bool PathFromLocal(std::string_view local, std::string& path);

// The longest full path the platform's calls accept, terminating NUL included.
#ifdef _WIN32
inline constexpr std::size_t kMaxPath = 260;
#else
inline constexpr std::size_t kMaxPath = 4096;
#endif

using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

enum class Access : std::uint8_t { Read, Write, ReadWrite };
// OpenExisting fails on a missing file; CreateAlways creates the file or empties an existing one.
enum class Creation : std::uint8_t { OpenExisting, CreateAlways };
// What other opens of the same file may do meanwhile.
struct Sharing {
  bool read;
  bool write;
};

struct OpenResult {
  FileHandle handle;
  ErrorCode error;
};

// Only regular files are opened; anything else (folder, FIFO, device, socket) is refused as access denied, without
// waiting for a FIFO's other end.
OpenResult OpenFile(const char* path, Access access, Creation creation, Sharing sharing);
ErrorCode ReadFile(FileHandle file, void* buffer, std::size_t bytes, std::size_t& read);
ErrorCode WriteFile(FileHandle file, const void* bytes, std::size_t length, std::size_t& written);
ErrorCode SeekFile(FileHandle file, std::uint64_t position);
ErrorCode FileSize(FileHandle file, std::uint64_t& size);
// Cuts the file off at the size and puts the file pointer there.
ErrorCode TruncateFile(FileHandle file, std::uint64_t size);
void CloseFile(FileHandle file);
// Refused with a sharing violation while an open by this program, in any process, holds the file, and as access
// denied for a read-only file.
ErrorCode RemoveFile(const char* path);

// True for an existing file (not a directory), also when another program holds it.
bool FileExists(const char* path);
// What a path names now: nothing, a file, a folder, or something else (a device, a FIFO, a socket).
enum class PathKind : std::uint8_t { Missing, File, Folder, Other };
PathKind KindOfPath(const char* path);
// The fully qualified path, with every link and "." or ".." resolved as far as the path exists.
ErrorCode FullPath(const char* path, std::string& full);
// Whether two full paths name the same file, by the platform's rules for names.
bool SamePath(const std::string& first, const std::string& second);
ErrorCode SetCurrentDirectory(const char* path);

// Directory search: a pattern is a path whose last component may hold "*" (any run of characters) and "?" (one
// character; a double-byte character is one). A final ".*" also matches a name that ends there, so "*.*" matches
// every name. Names that cannot be converted to cp932 are left out.
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;

struct LocalTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

struct FindData {
  std::uint32_t attributes;
  std::uint64_t size;
  LocalTime last_write;  // local time
  std::string name;      // as stored, no directory part
};

using FindHandle = void*;
// Null when nothing matches.
FindHandle FindFirst(const char* pattern, FindData& found);
bool FindNext(FindHandle search, FindData& found);
void FindClose(FindHandle search);

}  // namespace platform
