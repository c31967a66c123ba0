// What a file dialog lists for a folder, found through the platform's directory search: ".." and the sub-folders,
// then the files that match one of the patterns, each group in byte order. Hidden names (a leading ".") are left
// out, and so are names that have no cp932 form, which the search never returns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ListedEntry {
  std::string name;
  bool folder;
};

// The patterns of a filter's pattern list, "*.mbx;*.txt" → "*.mbx", "*.txt".
std::vector<std::string> SplitPatterns(std::string_view patterns);
std::vector<ListedEntry> ListFolder(const std::string& folder, const std::vector<std::string>& patterns);
