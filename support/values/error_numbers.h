// The numbered run-time errors raised by the support operations.
#pragma once

#include <cstdint>

using RuntimeErrorNumber = std::uint16_t;

namespace error {

inline constexpr RuntimeErrorNumber kReturnWithoutCall = 3;
inline constexpr RuntimeErrorNumber kBadArgument = 5;
inline constexpr RuntimeErrorNumber kOverflow = 6;
inline constexpr RuntimeErrorNumber kOutOfMemory = 7;
inline constexpr RuntimeErrorNumber kIndexOutOfRange = 9;
inline constexpr RuntimeErrorNumber kDimensionedTwice = 10;
inline constexpr RuntimeErrorNumber kDivisionByZero = 11;
inline constexpr RuntimeErrorNumber kFixedLengthAssignment = 13;
inline constexpr RuntimeErrorNumber kStringTooLong = 15;
inline constexpr RuntimeErrorNumber kExpressionTooComplex = 16;
inline constexpr RuntimeErrorNumber kRoutineEndsInHandler = 19;
inline constexpr RuntimeErrorNumber kResumeWithoutError = 20;
inline constexpr RuntimeErrorNumber kDeviceFault = 27;
inline constexpr RuntimeErrorNumber kTooManyNestedCalls = 32;
inline constexpr RuntimeErrorNumber kBadChannelNumber = 50;
inline constexpr RuntimeErrorNumber kBadFileMode = 51;
inline constexpr RuntimeErrorNumber kAlreadyOpen = 52;
inline constexpr RuntimeErrorNumber kBadDevice = 53;
inline constexpr RuntimeErrorNumber kInputPastEnd = 54;
inline constexpr RuntimeErrorNumber kBadFileName = 55;
inline constexpr RuntimeErrorNumber kChannelNotOpen = 57;
inline constexpr RuntimeErrorNumber kFileNotFound = 63;
inline constexpr RuntimeErrorNumber kFileExists = 64;
inline constexpr RuntimeErrorNumber kTooManyFiles = 66;
inline constexpr RuntimeErrorNumber kAccessDenied = 75;
inline constexpr RuntimeErrorNumber kDimensionInHandler = 76;
inline constexpr RuntimeErrorNumber kOutOfStackSpace = 81;
inline constexpr RuntimeErrorNumber kStringSpaceCorrupt = 82;
inline constexpr RuntimeErrorNumber kArgumentAreaFull = 89;
inline constexpr RuntimeErrorNumber kNoPrintBuffer = 89;  // the work buffer of a printed item
inline constexpr RuntimeErrorNumber kNoSuchWindow = 1000;

}  // namespace error

// The non-local transfer of a raised run-time error: thrown by RaiseError, caught by the executor of the frame
// whose trap catches it. The number and line are in the error state, not in the signal.
struct RuntimeErrorSignal {};

// Ends the run from anywhere (the end call, a quit message, a report that ends the run); carries the exit code.
struct RunEnded {
  int exit_code;
};
