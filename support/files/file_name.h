// File names given to the channels: the length limit, wildcards refused, a parenthesised parameter, device names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/channels.h"
#include "files/file_state.h"

inline constexpr std::size_t kLongestFileName = 255;

struct FileName {
  std::string name;
  std::optional<std::string> parameter;  // the text between "(" and ")"
};

// Error 55 for a name over 255 bytes, with "?", "*" or a NUL byte, or empty; error 5 for an empty or unclosed
// parameter.
FileName ParseFileName(std::string_view given);
// Error 55 for a name over 255 bytes or with a NUL byte, which would name another file than the one given.
void RequirePlainName(std::string_view given);
// The device object a name opens (case is ignored), or kNoObject for a disk file's name.
ChannelObject DeviceObjectOf(std::string_view name);
inline bool IsDeviceName(std::string_view name) { return DeviceObjectOf(name) != kNoObject; }
