// The run-time errors for the platform's failure codes; codes not listed give error 27.
#include "files/error_tables.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using Entry = std::pair<platform::ErrorCode, RuntimeErrorNumber>;

// The last entry of each table is the POSIX side's own: a name with no form in the other encoding is a bad file
// name. Win32's file calls never give that code.
constexpr std::array<Entry, 25> kOpenFailures{{
    {2, 63},  {3, 55},  {4, 66},  {5, 75},  {7, 7},   {8, 7},   {15, 55}, {16, 55},
    {17, 55}, {18, 63}, {19, 73}, {20, 53}, {21, 72}, {22, 53}, {23, 53}, {24, 53},
    {25, 53}, {26, 71}, {27, 53}, {29, 53}, {30, 53}, {32, 75}, {33, 75}, {82, 65},
    {platform::win32_error::kNoUnicodeTranslation, 55},
}};

constexpr std::array<Entry, 32> kReadWriteFailures{{
    {1, 5},    {2, 63},   {3, 63},   {4, 66},  {5, 75},   {8, 7},   {11, 71},  {12, 75},
    {15, 72},  {16, 72},  {17, 72},  {18, 67}, {19, 73},  {20, 60}, {21, 72},  {26, 71},
    {27, 71},  {28, 60},  {29, 67},  {30, 54}, {32, 75},  {33, 75}, {34, 60},  {50, 28},
    {80, 64},  {87, 5},   {108, 59}, {110, 63}, {111, 61}, {112, 67}, {113, 66},
    {platform::win32_error::kNoUnicodeTranslation, 55},
}};

template <std::size_t Size>
RuntimeErrorNumber Look(const std::array<Entry, Size>& table, platform::ErrorCode code) {
  const auto found = std::find_if(table.begin(), table.end(), [code](const Entry& entry) { return entry.first == code; });
  return found == table.end() ? error::kDeviceFault : found->second;
}

}  // namespace

RuntimeErrorNumber OpenFailureError(platform::ErrorCode code) { return Look(kOpenFailures, code); }
RuntimeErrorNumber ReadWriteFailureError(platform::ErrorCode code) { return Look(kReadWriteFailures, code); }
