// Parsing the file names given to the channels.
#include "files/file_name.h"

#include <algorithm>
#include <cctype>

#include "statements/error_trap.h"

void RequirePlainName(std::string_view given) {
  if (given.size() > kLongestFileName || given.find('\0') != std::string_view::npos) RaiseError(error::kBadFileName);
}

FileName ParseFileName(std::string_view given) {
  RequirePlainName(given);
  if (given.find_first_of("?*") != std::string_view::npos) RaiseError(error::kBadFileName);
  FileName parsed;
  const std::size_t open = given.find('(');
  if (open == std::string_view::npos) {
    parsed.name = given;
  } else {
    const std::size_t close = given.find(')', open + 1);
    if (close == std::string_view::npos || close == open + 1) RaiseError(error::kBadArgument);
    parsed.name = std::string(given.substr(0, open)) + std::string(given.substr(close + 1));
    parsed.parameter = std::string(given.substr(open + 1, close - open - 1));
  }
  if (parsed.name.empty()) RaiseError(error::kBadFileName);
  return parsed;
}

bool IsDeviceName(std::string_view name) {
  constexpr std::string_view kNull = "NUL";
  return std::equal(name.begin(), name.end(), kNull.begin(), kNull.end(),
                    [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}
