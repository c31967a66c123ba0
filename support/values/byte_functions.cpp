// The byte functions: parts of a text by byte position, byte search and texts from byte codes.
#include <algorithm>

#include "values/byte_search.h"
#include "values/operand_checks.h"
#include "values/raise_error.h"
#include "values/scratch_buffer.h"
#include "values/string_functions.h"
#include "values/string_values.h"

namespace {

std::uint32_t Clamp(std::int32_t count, std::uint32_t length) {
  return std::min(static_cast<std::uint32_t>(count), length);
}

}  // namespace

std::string_view MidPart(std::string_view s, std::int32_t start, std::int32_t count) {
  RequirePositive(start);
  RequireNotNegative(count);
  const auto first = static_cast<std::uint32_t>(start);
  const auto length = static_cast<std::uint32_t>(s.size());
  if (first > length) return s.substr(0, 0);
  return s.substr(first - 1, Clamp(count, length - first + 1));
}

std::int32_t FindBytesIn(std::int32_t start, std::string_view s, std::string_view t) {
  RequirePositive(start);
  const auto first = static_cast<std::uint32_t>(start);
  if (s.empty() || s.size() < first || s.size() < t.size()) return 0;
  if (t.empty()) return start;
  const std::size_t found = FindFrom(s, t, first - 1);
  return found == std::string_view::npos ? 0 : static_cast<std::int32_t>(found + 1);
}

// The operations on the stack pop their operands and take the same parts of them.
void LeftBytes(std::int32_t count) {
  PoppedString s;
  PushPartOf(s, LeftPart(s.view(), count));
}

void RightBytes(std::int32_t count) {
  PoppedString s;
  PushPartOf(s, RightPart(s.view(), count));
}

void MidBytes(std::int32_t start, std::int32_t count) {
  PoppedString s;
  PushPartOf(s, MidPart(s.view(), start, count));
}

std::int32_t FindBytes(std::int32_t start) {
  PoppedString s;
  PoppedString t;
  return FindBytesIn(start, s.view(), t.view());
}

void CharsFromCodes(std::span<const std::int32_t> codes) {
  for (const std::int32_t code : codes) {
    if (code < 0 || code > 255) RaiseError(error::kBadArgument);
  }
  if (codes.empty()) {
    PushEmptyString();
    return;
  }
  ScratchBuffer scratch(codes.size());
  std::transform(codes.begin(), codes.end(), scratch.data(), [](std::int32_t code) {
    return static_cast<std::uint8_t>(code);
  });
  MakeTemporary(static_cast<std::uint32_t>(codes.size()), scratch.data());
}
