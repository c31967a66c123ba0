// Paths as a file dialog handles them.
#include "files/dialog_paths.h"

#include <vector>

#include "files/file_dialogs.h"
#include "platform/dialogs.h"
#include "texts/shift_jis.h"

namespace {

constexpr char kSeparator = platform::kPathSeparator;

// The parts between separators; a separator byte inside a double-byte character is not one.
std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t index = 0; index <= path.size(); ++index) {
    if (index < path.size() && IsLeadByte(static_cast<std::uint8_t>(path[index]))) {
      ++index;
      continue;
    }
    if (index == path.size() || path[index] == kSeparator) {
      parts.push_back(path.substr(start, index - start));
      start = index + 1;
    }
  }
  return parts;
}

}  // namespace

bool IsAbsolute(std::string_view path) { return path.starts_with(kSeparator) || (path.size() >= 2 && path[1] == ':'); }

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != kSeparator) path.push_back(kSeparator);
  return path.append(name);
}

std::string NormalPath(std::string_view path) {
  std::vector<std::string_view> kept;
  const std::vector<std::string_view> parts = Parts(path);
  for (std::size_t index = 1; index < parts.size(); ++index) {
    const std::string_view part = parts[index];
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
    } else if (!part.empty() && part != ".") {
      kept.push_back(part);
    }
  }
  std::string normal(parts.front());
  normal.push_back(kSeparator);
  for (std::size_t index = 0; index < kept.size(); ++index) {
    if (index > 0) normal.push_back(kSeparator);
    normal.append(kept[index]);
  }
  return normal;
}

std::string ParentOf(std::string_view path) {
  std::string parent(path.substr(0, path.size() - NamePart(path).size()));
  if (parent.size() > 1 && parent.back() == kSeparator && !IsRoot(parent)) parent.pop_back();
  return parent;
}

bool IsRoot(std::string_view folder) {
  return (folder.size() == 1 && folder[0] == kSeparator) ||
         (folder.size() == 3 && folder[1] == ':' && folder[2] == kSeparator);
}

bool HasWildcards(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }
