// Directory search through POSIX calls: the matches of a pattern are collected at the first call, in name order.
// Patterns and names are cp932; the folder is read in the locale's encoding.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/posix/name_pattern.h"

namespace platform {
namespace {

struct Search {
  std::vector<FindData> entries;
  std::size_t next = 0;
};

bool HasWildcards(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

LocalTime LocalTimeOf(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

bool Describe(const std::string& path, const std::string& name, FindData& found) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return false;
  found.attributes = 0;
  if (S_ISDIR(status.st_mode)) found.attributes |= kAttributeDirectory;
  // Read-only means the owner may not write it; POSIX keeps no archive bit.
  if ((status.st_mode & S_IWUSR) == 0) found.attributes |= kAttributeReadOnly;
  found.size = S_ISDIR(status.st_mode) ? 0 : static_cast<std::uint64_t>(status.st_size);
  found.last_write = LocalTimeOf(status.st_mtime);
  found.name = name;
  return true;
}

// A slash never appears inside a double-byte character of cp932, so the pattern splits at its last one.
std::vector<FindData> Entries(const std::string& pattern) {
  const std::size_t slash = pattern.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
  const std::string wanted = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  std::vector<FindData> entries;
  FindData found;
  std::string local;
  if (!HasWildcards(wanted)) {
    if (!wanted.empty() && PathToLocal(pattern, local) && Describe(local, wanted, found)) entries.push_back(found);
    return entries;
  }
  if (!PathToLocal(folder, local)) return entries;
  DIR* directory = opendir(local.empty() ? "." : local.c_str());
  if (directory == nullptr) return entries;
  std::string name;
  while (const dirent* entry = readdir(directory)) {
    if (PathFromLocal(entry->d_name, name) && MatchesPattern(wanted, name) &&
        Describe(local + entry->d_name, name, found)) {
      entries.push_back(found);
    }
  }
  closedir(directory);
  std::sort(entries.begin(), entries.end(), [](const FindData& a, const FindData& b) { return a.name < b.name; });
  return entries;
}

}  // namespace

FindHandle FindFirst(const char* pattern, FindData& found) {
  auto* search = new Search{Entries(pattern)};
  if (!FindNext(search, found)) {
    delete search;
    return nullptr;
  }
  return search;
}

bool FindNext(FindHandle handle, FindData& found) {
  auto* search = static_cast<Search*>(handle);
  if (search->next >= search->entries.size()) return false;
  found = search->entries[search->next++];
  return true;
}

void FindClose(FindHandle handle) { delete static_cast<Search*>(handle); }

}  // namespace platform
