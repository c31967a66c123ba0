// Reading a number from the start of a text: decimal with sign, point, exponent and type mark, or &H hex and
// &O octal. A text that does not start with a number reads as 0.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "values/numbers.h"
#include "values/raise_error.h"
#include "values/string_values.h"

namespace {

constexpr int kLargestExponent = 511;
// More integer digits than this cannot be a 32-bit integer.
constexpr std::int64_t kIntegerDigits = 10;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool Fits16(std::int64_t value) { return value >= -32768 && value <= 32767; }

bool Fits32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

Number Radix(std::string_view digits, int radix) {
  double value = 0;
  for (const char c : digits) {
    int digit = -1;
    if (IsDigit(c)) digit = c - '0';
    if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0 || digit >= radix) break;
    value = value * radix + digit;
  }
  if (std::isinf(value)) return {NumberType::Integer16, 0};
  if (value <= 32767) return {NumberType::Integer16, value};
  if (value <= std::numeric_limits<std::int32_t>::max()) return {NumberType::Integer32, value};
  return {NumberType::Double, value};
}

// A decimal number exactly as written: its value is 0.digits × 10^position, so whether it is whole, how it
// rounds to an integer and its one correctly rounded conversion to single or double all come from the text.
struct Decimal {
  bool negative = false;
  bool has_digits = false;
  std::string digits;  // significant digits: no leading zeros, trailing zeros dropped once scanned
  std::size_t written_digits = 0;  // significant digits as written, trailing zeros included
  std::int64_t position = 0;  // digits before the point, counted from the first significant one
  std::int64_t exponent = 0;
  char exponent_letter = 0;
  char type_mark = 0;
};

std::size_t ScanMantissa(std::string_view text, Decimal& decimal) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) decimal.negative = text[at++] == '-';
  bool seen_point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !seen_point) {
      seen_point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    decimal.has_digits = true;
    if (decimal.digits.empty() && c == '0') {
      if (seen_point) --decimal.position;
      continue;
    }
    decimal.digits += c;
    if (!seen_point) ++decimal.position;
  }
  decimal.written_digits = decimal.digits.size();
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return at;
}

// Reads the longest decimal number at the start of text; what cannot continue it is ignored.
Decimal Scan(std::string_view text) {
  Decimal decimal;
  std::size_t at = ScanMantissa(text, decimal);
  if (at < text.size() && std::string_view("EeDd").find(text[at]) != std::string_view::npos) {
    decimal.exponent_letter = text[at++];
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    for (; at < text.size() && IsDigit(text[at]); ++at) {
      if (decimal.exponent <= kLargestExponent) decimal.exponent = decimal.exponent * 10 + (text[at] - '0');
    }
    if (negative) decimal.exponent = -decimal.exponent;
  } else if (at < text.size() && std::string_view("%&!#").find(text[at]) != std::string_view::npos) {
    decimal.type_mark = text[at];
  }
  return decimal;
}

std::int64_t Position(const Decimal& decimal) { return decimal.position + decimal.exponent; }

bool IsWhole(const Decimal& decimal) {
  return static_cast<std::int64_t>(decimal.digits.size()) <= Position(decimal);
}

// The value rounded half away from zero, or nothing when it has more integer digits than 32 bits can hold.
std::optional<std::int64_t> Rounded(const Decimal& decimal) {
  const std::int64_t position = Position(decimal);
  if (decimal.digits.empty() || position < 0) return 0;
  if (position > kIntegerDigits) return std::nullopt;
  const std::string& digits = decimal.digits;
  const auto integer_digits = static_cast<std::size_t>(position);
  std::int64_t whole = 0;
  for (std::size_t index = 0; index < integer_digits; ++index) {
    whole = whole * 10 + (index < digits.size() ? digits[index] - '0' : 0);
  }
  // The first digit after the point decides alone: a half or more goes away from zero.
  if (integer_digits < digits.size() && digits[integer_digits] >= '5') ++whole;
  return decimal.negative ? -whole : whole;
}

// Converts the exact text once to the chosen binary type; too large is error 6, too small reads as 0.
template <typename Binary>
double Convert(const Decimal& decimal) {
  if (decimal.digits.empty()) return 0;
  const std::string text =
      (decimal.negative ? "-0." : "0.") + decimal.digits + 'e' + std::to_string(Position(decimal));
  Binary value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure == std::errc::result_out_of_range) {
    if (Position(decimal) > 0) RaiseError(error::kOverflow);
    return 0;
  }
  return value;
}

NumberType TypeOf(const Decimal& decimal) {
  if (decimal.exponent_letter == 'E' || decimal.exponent_letter == 'e') return NumberType::Single;
  if (decimal.exponent_letter == 'D' || decimal.exponent_letter == 'd') return NumberType::Double;
  const std::optional<std::int64_t> whole = IsWhole(decimal) ? Rounded(decimal) : std::nullopt;
  const bool whole32 = whole && Fits32(*whole);
  switch (decimal.type_mark) {
    case '%': return NumberType::Integer16;
    case '&': return whole32 ? NumberType::Integer32 : NumberType::Double;
    case '!': return NumberType::Single;
    case '#': return NumberType::Double;
    default: break;
  }
  if (whole32) return Fits16(*whole) ? NumberType::Integer16 : NumberType::Integer32;
  return decimal.written_digits <= 7 ? NumberType::Single : NumberType::Double;
}

// Most texts read are short whole numbers (days, hours, years): a sign and up to nine digits, followed by nothing
// that could continue a number, are read at once. Anything else takes the full scan.
std::optional<Number> ShortWholeNumber(std::string_view text) {
  std::size_t at = 0;
  const bool negative = text[0] == '-';
  if (negative || text[0] == '+') ++at;
  const std::size_t first_digit = at;
  std::int32_t value = 0;
  for (; at < text.size() && at - first_digit < 9 && IsDigit(text[at]); ++at) value = value * 10 + (text[at] - '0');
  if (at == first_digit) return std::nullopt;
  if (at < text.size() && (IsDigit(text[at]) || std::string_view(".EeDd%&!#").find(text[at]) != std::string_view::npos)) {
    return std::nullopt;
  }
  if (negative) value = -value;
  return Number{Fits16(value) ? NumberType::Integer16 : NumberType::Integer32, static_cast<double>(value)};
}

Number ReadDecimal(std::string_view text) {
  if (const std::optional<Number> whole = ShortWholeNumber(text)) return *whole;
  const Decimal decimal = Scan(text);
  if (!decimal.has_digits) return {NumberType::Integer16, 0};
  if (std::abs(decimal.exponent) > kLargestExponent) RaiseError(error::kOverflow);
  const NumberType type = TypeOf(decimal);
  switch (type) {
    case NumberType::Integer16:
    case NumberType::Integer32: {
      const std::optional<std::int64_t> whole = Rounded(decimal);
      if (!whole || !(type == NumberType::Integer16 ? Fits16(*whole) : Fits32(*whole))) {
        RaiseError(error::kOverflow);
      }
      return {type, static_cast<double>(*whole)};
    }
    case NumberType::Single: return {type, Convert<float>(decimal)};
    case NumberType::Double: break;
  }
  return {type, Convert<double>(decimal)};
}

}  // namespace

Number NumberFromText() {
  PoppedString popped;
  std::string_view text = popped.view();
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  text = text.substr(0, text.find(' '));
  const Number zero{NumberType::Integer16, 0};
  if (text.empty()) return zero;
  const char first = text[0];
  const char second = text.size() > 1 ? text[1] : '\0';
  if (IsDigit(first)) return ReadDecimal(text);
  if (first == '+' || first == '-') return IsDigit(second) || second == '.' ? ReadDecimal(text) : zero;
  if (first == '.') return IsDigit(second) ? ReadDecimal(text) : zero;
  if (first == '&' && text.size() > 2) {
    if (second == 'H' || second == 'h') return Radix(text.substr(2), 16);
    if (second == 'O' || second == 'o') return Radix(text.substr(2), 8);
  }
  return zero;
}
