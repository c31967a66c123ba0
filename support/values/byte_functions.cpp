// The byte functions: parts of a text by byte position, byte search and texts from byte codes.
#include <algorithm>

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

void LeftBytes(std::int32_t count) {
  PoppedString s;
  RequireNotNegative(count);
  PushPartOf(s, 0, Clamp(count, s.length()));
}

void RightBytes(std::int32_t count) {
  PoppedString s;
  RequireNotNegative(count);
  const std::uint32_t taken = Clamp(count, s.length());
  PushPartOf(s, s.length() - taken, taken);
}

void MidBytes(std::int32_t start, std::int32_t count) {
  PoppedString s;
  RequirePositive(start);
  RequireNotNegative(count);
  const auto first = static_cast<std::uint32_t>(start);
  if (first > s.length()) {
    PushPartOf(s, 0, 0);
    return;
  }
  PushPartOf(s, first - 1, Clamp(count, s.length() - first + 1));
}

std::int32_t FindBytes(std::int32_t start) {
  PoppedString s;
  PoppedString t;
  RequirePositive(start);
  const auto first = static_cast<std::uint32_t>(start);
  if (s.length() == 0 || s.length() < first || s.length() < t.length()) return 0;
  if (t.length() == 0) return start;
  const auto haystack = s.view();
  const std::size_t found = haystack.find(t.view(), first - 1);
  return found == std::string_view::npos ? 0 : static_cast<std::int32_t>(found + 1);
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
