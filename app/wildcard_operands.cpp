// Wildcard operands through the program's own directory search.
#include "app/wildcard_operands.h"

#include <algorithm>
#include <cstdint>

#include "platform/files.h"
#include "texts/shift_jis.h"

namespace {

// Where the last part of a cp932 path begins: after its last "\", "/" or ":" that is not a double-byte character's
// second byte.
std::size_t NameStart(const std::string& path) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(path.data());
  std::size_t start = 0;
  for (std::size_t offset = 0; offset < path.size(); offset = NextCharacter(bytes, path.size(), offset)) {
    if (bytes[offset] == '\\' || bytes[offset] == '/' || bytes[offset] == ':') start = offset + 1;
  }
  return start;
}

bool HasWildcard(const std::string& name) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
  for (std::size_t offset = 0; offset < name.size(); offset = NextCharacter(bytes, name.size(), offset)) {
    if (bytes[offset] == '*' || bytes[offset] == '?') return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> ExpandWildcards(const std::string& operand) {
  const std::string folder = operand.substr(0, NameStart(operand));
  if (!HasWildcard(operand.substr(folder.size()))) return {operand};
  std::vector<std::string> files;
  platform::FindData found;
  if (const platform::FindHandle search = platform::FindFirst(operand.c_str(), found); search != nullptr) {
    do {
      if ((found.attributes & platform::kAttributeDirectory) == 0) files.push_back(folder + found.name);
    } while (platform::FindNext(search, found));
    platform::FindClose(search);
  }
  if (files.empty()) return {operand};
  std::sort(files.begin(), files.end());
  return files;
}
