// Parsing the file names given to the channels.
#include "files/file_name.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "files/channel_table.h"
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

namespace {

struct DeviceName {
  std::string_view name;
  ChannelObject object;
};

constexpr std::array<DeviceName, 13> kDeviceNames{{
    {"CON", kConsoleWindowDevice},
    {"PRN", kFirstPortDevice},  // the first printer port
    {"LPT1", kFirstPortDevice},
    {"LPT2", kFirstPortDevice + 1},
    {"LPT3", kFirstPortDevice + 2},
    {"AUX", kFirstPortDevice + 3},  // the first serial port
    {"COM1", kFirstPortDevice + 3},
    {"COM2", kFirstPortDevice + 4},
    {"COM3", kFirstPortDevice + 5},
    {"COM4", kLastPortDevice},
    {"NUL", kNullDevice},
    {"CONOUT$", kScreenDevice},
    {"CONIN$", kKeyboardDevice},
}};

bool SameIgnoringCase(std::string_view given, std::string_view device) {
  return std::equal(given.begin(), given.end(), device.begin(), device.end(),
                    [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

ChannelObject DeviceObjectOf(std::string_view name) {
  for (const DeviceName& device : kDeviceNames) {
    if (SameIgnoringCase(name, device.name)) return device.object;
  }
  return kNoObject;
}
