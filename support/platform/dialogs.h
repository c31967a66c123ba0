// The platform seam for the open and save dialogs: what to show, and the path the user chose.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class FileDialogKind : std::uint8_t { Open, Save };

// The dialog flags, with the values Win32 gives them.
namespace dialog_flag {
inline constexpr std::uint32_t kOverwritePrompt = 0x2;
inline constexpr std::uint32_t kHideReadOnly = 0x4;
inline constexpr std::uint32_t kNoChangeDirectory = 0x8;
inline constexpr std::uint32_t kPathMustExist = 0x800;
inline constexpr std::uint32_t kFileMustExist = 0x1000;
}  // namespace dialog_flag

// Texts and paths are cp932 bytes.
struct FileDialogRequest {
  FileDialogKind kind;
  std::string title;
  // Pairs of a description and its patterns (";" between patterns), each ended by a NUL, then one more NUL.
  std::string filter;
  std::string initial_directory;
  std::string initial_name;
  std::uint32_t flags;
};

// The longest path a dialog hands back, its NUL not counted.
inline constexpr std::size_t kLongestDialogPath = 127;

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen full path, or nothing when the user cancelled or the dialog failed.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
// A drive's colon ends a folder part too.
inline bool IsPathSeparator(char byte) { return byte == '\\' || byte == ':'; }
#else
inline constexpr char kPathSeparator = '/';
inline bool IsPathSeparator(char byte) { return byte == kPathSeparator; }
#endif

}  // namespace platform
