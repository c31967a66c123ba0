// The installed error-message library, asked for the text of a run-time error number.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr const char* kMessageLibraryName = "K7V2ERR4.DLL";
inline constexpr const char* kMessageEntryName = "$PbGetErrMsg";

// The library's entry: non-zero when buffer received a zero-terminated cp932 message that fits size bytes.
using MessageEntry = std::int32_t (*)(void* library, std::uint16_t number, char* buffer, std::uint16_t size);

// False when there is no install folder, no library, no entry or no text for the number. The library is loaded
// for this one lookup and released right after it.
bool LookUpErrorMessage(std::uint16_t number, char* buffer, std::uint16_t size);

}  // namespace platform
