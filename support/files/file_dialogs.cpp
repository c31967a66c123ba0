// The open and save dialogs: argument checks, the filter list, the initial directory and name, the result.
#include "files/file_dialogs.h"

#include "files/channels.h"
#include "files/file_state.h"
#include "platform/files.h"
#include "statements/error_trap.h"
#include "texts/shift_jis.h"
#include "values/string_values.h"
#include "texts.h"

namespace {

std::string_view View(const StringDescriptor& string) {
  return {reinterpret_cast<const char*>(string.data), string.length};
}

// The patterns between the parentheses without blanks, "," turned into ";".
std::string Patterns(std::string_view enclosed) {
  std::string patterns;
  for (const char byte : enclosed) {
    if (byte == ' ' || byte == '\t') continue;
    patterns.push_back(byte == ',' ? ';' : byte);
  }
  return patterns;
}

// The folder of a path resolved against the current directory, without its trailing separator unless that is
// the root's.
std::string DirectoryOf(std::string_view path) {
  std::string full;
  if (platform::FullPath(std::string(path).c_str(), full) != 0) return {};
  full.resize(full.size() - NamePart(full).size());
  const bool root = full.size() == 1 || (full.size() >= 2 && full[full.size() - 2] == ':');
  if (!full.empty() && platform::IsPathSeparator(full.back()) && !root) full.pop_back();
  return full;
}

void ShowDialog(platform::FileDialogKind kind, std::int32_t window, const StringDescriptor& title,
                const StringDescriptor& file_name, const StringDescriptor& filter_description, std::int32_t flag) {
  if (window != 0 || file_state.dialogs == nullptr) RaiseError(error::kNoSuchWindow);
  if (title.length > kLongestDialogTitle || file_name.length > kLongestDialogFileName) {
    RaiseError(error::kBadArgument);
  }
  platform::FileDialogRequest request{kind, std::string(View(title)), BuildFilter(View(filter_description)), {}, {}, 0};
  if (flag != 0 && flag != 1) RaiseError(error::kBadArgument);
  namespace dialog_flag = platform::dialog_flag;
  request.flags = dialog_flag::kPathMustExist | dialog_flag::kHideReadOnly | dialog_flag::kNoChangeDirectory;
  const std::string_view name = NamePart(View(file_name));
  if (kind == platform::FileDialogKind::Open) {
    request.initial_directory = DirectoryOf(View(file_name));
    if (flag == 0) request.flags |= dialog_flag::kFileMustExist;
  } else {
    // The save dialog opens in the current directory, whatever folder the given name names.
    request.initial_directory = DirectoryOf(name);
    if (flag == 0) request.flags |= dialog_flag::kOverwritePrompt;
  }
  request.initial_name = std::string(name);
  FlushChannels();  // the files hold everything printed while the user chooses
  const std::optional<std::string> chosen = file_state.dialogs->Show(request);
  if (!chosen || chosen->empty() || chosen->size() > platform::kLongestDialogPath) {
    PushStringConstant(std::string_view(&kDialogCancelled, 1));
    return;
  }
  MakeTemporary(static_cast<std::uint32_t>(chosen->size()), reinterpret_cast<const std::uint8_t*>(chosen->data()));
}

}  // namespace

void SetFileDialogs(platform::FileDialogs* dialogs) { file_state.dialogs = dialogs; }

void FileOpenDialog(std::int32_t window, const StringDescriptor& title, const StringDescriptor& file_name,
                    const StringDescriptor& filter_description, std::int32_t flag) {
  ShowDialog(platform::FileDialogKind::Open, window, title, file_name, filter_description, flag);
}

void FileSaveDialog(std::int32_t window, const StringDescriptor& title, const StringDescriptor& file_name,
                    const StringDescriptor& filter_description, std::int32_t flag) {
  ShowDialog(platform::FileDialogKind::Save, window, title, file_name, filter_description, flag);
}

std::string BuildFilter(std::string_view description) {
  if (description.size() > kLongestFilterDescription) RaiseError(error::kBadArgument);
  if (description.empty()) description = texts::AllFilesFilter;
  std::string filter;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(description.find(';', start), description.size());
    const std::string_view entry = description.substr(start, end - start);
    const std::size_t open = entry.find('(');
    const std::size_t close = entry.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) RaiseError(error::kBadArgument);
    filter.append(entry).push_back('\0');
    filter.append(Patterns(entry.substr(open + 1, close - open - 1))).push_back('\0');
    if (end == description.size()) break;
    start = end + 1;
  }
  filter.push_back('\0');
  return filter;
}

std::string_view NamePart(std::string_view path) {
  std::size_t name_start = 0;
  for (std::size_t index = 0; index < path.size(); ++index) {
    if (IsLeadByte(static_cast<std::uint8_t>(path[index]))) {
      ++index;
    } else if (platform::IsPathSeparator(path[index])) {
      name_start = index + 1;
    }
  }
  return path.substr(name_start);
}
