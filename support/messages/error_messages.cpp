// The error-message library "K7V2ERR4.DLL": a short cp932 message for every run-time error the program raises,
// handed out through the entry the host looks up by name.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "messages.h"

namespace {

using Entry = std::pair<std::uint16_t, std::string_view>;

constexpr std::array<Entry, 39> kMessages{{
    {3, messages::ReturnWithoutCall},     {5, messages::BadArgument},
    {6, messages::Overflow},              {7, messages::OutOfMemory},
    {9, messages::IndexOutOfRange},       {10, messages::DimensionedTwice},
    {11, messages::DivisionByZero},       {13, messages::FixedLengthAssignment},
    {15, messages::StringTooLong},        {16, messages::ExpressionTooComplex},
    {19, messages::RoutineEndsInHandler}, {20, messages::ResumeWithoutError},
    {27, messages::DeviceFault},          {28, messages::DeviceTimeout},
    {32, messages::TooManyNestedCalls},   {50, messages::BadChannelNumber},
    {51, messages::BadFileMode},          {52, messages::AlreadyOpen},
    {53, messages::BadDevice},            {54, messages::InputPastEnd},
    {55, messages::BadFileName},          {57, messages::ChannelNotOpen},
    {59, messages::BadRecordLength},      {60, messages::DeviceUnavailable},
    {61, messages::BufferOverflow},       {63, messages::FileNotFound},
    {64, messages::FileExists},           {65, messages::FileCannotBeMade},
    {66, messages::TooManyFiles},         {67, messages::DiskFull},
    {71, messages::DiskNotReady},         {72, messages::MediaFault},
    {73, messages::WriteProtected},       {75, messages::AccessDenied},
    {76, messages::DimensionInHandler},   {81, messages::OutOfStackSpace},
    {82, messages::StringSpaceCorrupt},   {89, messages::WorkAreaFull},
    {1000, messages::NoSuchWindow},
}};

}  // namespace

// Non-zero when the message, with its terminating zero, was copied into the buffer; a message that does not fit is
// not given at all. K7V2_ENTRY, set by the build, makes the entry visible outside the library where the platform
// needs an attribute for it.
extern "C" K7V2_ENTRY std::int32_t $PbGetErrMsg(void*, std::uint16_t number, char* buffer, std::uint16_t size) {
  const auto found = std::find_if(kMessages.begin(), kMessages.end(),
                                  [number](const Entry& entry) { return entry.first == number; });
  if (found == kMessages.end() || buffer == nullptr || found->second.size() >= size) return 0;
  std::memcpy(buffer, found->second.data(), found->second.size());
  buffer[found->second.size()] = '\0';
  return 1;
}
