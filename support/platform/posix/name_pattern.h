// Matching a file name against a search pattern, as the Win32 search does: by characters of cp932.
#pragma once

#include <string_view>

namespace platform {

// "*" matches any run of characters and "?" exactly one; a double-byte character is one character. A final ".*"
// also matches where the name ends, so "*.*" matches every name and "name.*" also "name". Other characters stand
// for themselves, compared byte for byte.
bool MatchesPattern(std::string_view pattern, std::string_view name);

}  // namespace platform
