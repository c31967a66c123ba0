// The text functions on string values. Texts come from the string stack and results go back on it as
// temporaries; numbers are 32-bit integers, and an operand out of range is error 5. Byte functions count bytes
// and may split a double-byte character; character functions count a double-byte character as one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "values/operand_checks.h"

// Pop s; push the part.
void LeftBytes(std::int32_t count);
void RightBytes(std::int32_t count);
void MidBytes(std::int32_t start, std::int32_t count);
void LeftChars(std::int32_t count);
void MidChars(std::int32_t start, std::int32_t count);

// The caller pushes t (sought), then s (searched); the result is the 1-based position of t in s, or 0.
std::int32_t FindBytes(std::int32_t start);
std::int32_t FindChars(std::int32_t start);

// Pop s. Kind 0: characters; 1: single-byte characters; 2: double-byte characters.
std::int32_t CountChars(std::int32_t kind);
// Pop s; 1 when its n-th character begins with a lead byte.
std::int32_t IsDoubleByteAt(std::int32_t position);

// Pop s; push the converted text. Spaces are 0x20 and the full-width space 0x81 0x40.
void TrimLeft();
void TrimBoth();
void UpperCase();
void LowerCase();
void ToHalfWidth();

// Push the text of the given byte codes (each 0-255).
void CharsFromCodes(std::span<const std::int32_t> codes);

// The same functions on bytes read where they lie (a variable's or a constant's), for statements that consume the
// result at once: the checks are the same, a part is a view of the bytes and nothing is stored.
// The left and right parts are taken by almost every statement that reads a header: inline.
inline std::string_view LeftPart(std::string_view s, std::int32_t count) {
  RequireNotNegative(count);
  return s.substr(0, std::min(static_cast<std::size_t>(count), s.size()));
}
inline std::string_view RightPart(std::string_view s, std::int32_t count) {
  RequireNotNegative(count);
  return s.substr(s.size() - std::min(static_cast<std::size_t>(count), s.size()));
}
std::string_view MidPart(std::string_view s, std::int32_t start, std::int32_t count);
std::string_view TrimmedLeft(std::string_view s);
std::int32_t FindBytesIn(std::int32_t start, std::string_view s, std::string_view t);
std::int32_t FindCharsIn(std::int32_t start, std::string_view s, std::string_view t);
std::int32_t CharactersIn(std::string_view s);
// The characters of s, counted no further than limit.
std::int32_t CharactersUpTo(std::string_view s, std::size_t limit);
