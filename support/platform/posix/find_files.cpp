// Directory search through POSIX calls: the matches of a pattern are collected at the first call, in name order.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "files.h"

namespace platform {
namespace {

struct Search {
  std::vector<FindData> entries;
  std::size_t next = 0;
};

bool HasWildcards(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

// "*" matches any run of bytes and "?" any one byte; every other byte stands for itself.
bool Matches(const char* pattern, const char* name) {
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != '\0') {
    if (*pattern == '?' || *pattern == *name) {
      ++pattern;
      ++name;
    } else if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (star != nullptr) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

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

std::vector<FindData> Entries(const std::string& pattern) {
  const std::size_t slash = pattern.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
  const std::string wanted = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  std::vector<FindData> entries;
  FindData found;
  if (!HasWildcards(wanted)) {
    if (!wanted.empty() && Describe(pattern, wanted, found)) entries.push_back(found);
    return entries;
  }
  DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
  if (directory == nullptr) return entries;
  while (const dirent* entry = readdir(directory)) {
    if (Matches(wanted.c_str(), entry->d_name) && Describe(folder + entry->d_name, entry->d_name, found)) {
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
