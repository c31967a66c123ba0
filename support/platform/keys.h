// The control codes a window stores in the keyboard ring for the cursor and editing keys, the same on every
// platform, so that the host reads keys one way.
#pragma once

#include <cstdint>

namespace platform::key {

inline constexpr std::uint8_t kBackspace = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kEnter = 0x0D;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kHome = 0x0B;
inline constexpr std::uint8_t kEnd = 0x05;
inline constexpr std::uint8_t kPageUp = 0x19;
inline constexpr std::uint8_t kPageDown = 0x1A;
inline constexpr std::uint8_t kInsert = 0x12;
inline constexpr std::uint8_t kDelete = 0x7F;
inline constexpr std::uint8_t kRight = 0x1C;
inline constexpr std::uint8_t kLeft = 0x1D;
inline constexpr std::uint8_t kUp = 0x1E;
inline constexpr std::uint8_t kDown = 0x1F;

}  // namespace platform::key
