// What a file dialog lists for a folder.
#include "files/folder_listing.h"

#include <algorithm>

#include "files/dialog_paths.h"
#include "platform/files.h"

namespace {

// The matches of a pattern in the folder, "." and hidden names left out.
template <typename Keep>
void Collect(const std::string& pattern, Keep keep, std::vector<ListedEntry>& entries) {
  platform::FindData found;
  platform::FindHandle search = platform::FindFirst(pattern.c_str(), found);
  if (search == nullptr) return;
  do {
    const bool folder = (found.attributes & platform::kAttributeDirectory) != 0;
    if (!found.name.starts_with('.') && keep(folder)) entries.push_back({found.name, folder});
  } while (platform::FindNext(search, found));
  platform::FindClose(search);
}

}  // namespace

std::vector<std::string> SplitPatterns(std::string_view patterns) {
  std::vector<std::string> split;
  while (!patterns.empty()) {
    const std::size_t end = std::min(patterns.find(';'), patterns.size());
    if (end > 0) split.emplace_back(patterns.substr(0, end));
    patterns.remove_prefix(std::min(end + 1, patterns.size()));
  }
  return split;
}

std::vector<ListedEntry> ListFolder(const std::string& folder, const std::vector<std::string>& patterns) {
  std::vector<ListedEntry> folders;
  if (!IsRoot(folder)) folders.push_back({"..", true});
  Collect(JoinPath(folder, "*"), [](bool is_folder) { return is_folder; }, folders);
  std::vector<ListedEntry> files;
  for (const std::string& pattern : patterns) {
    Collect(JoinPath(folder, pattern), [](bool is_folder) { return !is_folder; }, files);
  }
  const auto by_name = [](const ListedEntry& a, const ListedEntry& b) { return a.name < b.name; };
  const auto same_name = [](const ListedEntry& a, const ListedEntry& b) { return a.name == b.name; };
  std::sort(folders.begin() + (IsRoot(folder) ? 0 : 1), folders.end(), by_name);
  std::sort(files.begin(), files.end(), by_name);
  files.erase(std::unique(files.begin(), files.end(), same_name), files.end());  // a file two patterns match
  folders.insert(folders.end(), files.begin(), files.end());
  return folders;
}
