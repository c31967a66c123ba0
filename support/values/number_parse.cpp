// Reading a number from the start of a text: decimal with sign, point, exponent and type mark, or &H hex and
// &O octal. A text that does not start with a number reads as 0.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "error_trap.h"
#include "numbers.h"
#include "string_values.h"

namespace {

constexpr int kLargestExponent = 511;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhole(double value, double low, double high) {
  return value == std::trunc(value) && value >= low && value <= high;
}

// Whole numbers take the smallest integer type that holds them; others single or double by written digits.
NumberType TypeByValue(double value, int significant_digits) {
  if (IsWhole(value, -32768, 32767)) return NumberType::Integer16;
  if (IsWhole(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max())) {
    return NumberType::Integer32;
  }
  return significant_digits <= 7 ? NumberType::Single : NumberType::Double;
}

// Error 6 when the value does not fit its type; integers are rounded, singles stored in single precision.
Number Fit(double value, NumberType type) {
  switch (type) {
    case NumberType::Integer16: {
      const std::int32_t whole = RoundToInteger(value);
      if (whole < -32768 || whole > 32767) RaiseError(error::kOverflow);
      return {type, static_cast<double>(whole)};
    }
    case NumberType::Integer32: return {type, static_cast<double>(RoundToInteger(value))};
    case NumberType::Single: return {type, static_cast<double>(StoreSingle(value))};
    case NumberType::Double: break;
  }
  if (std::isinf(value)) RaiseError(error::kOverflow);
  return {type, value};
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
  return Fit(value, TypeByValue(value, 16));
}

struct Decimal {
  std::string cleaned;  // sign, digits and point, as std::from_chars reads them
  int significant_digits = 0;
  long exponent = 0;
  char exponent_letter = 0;
  char type_mark = 0;
};

// Reads the longest decimal number at the start of text; what cannot continue it is ignored.
Decimal Scan(std::string_view text) {
  Decimal decimal;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') decimal.cleaned += '-';
    ++at;
  }
  bool seen_point = false;
  bool leading = true;
  int digits_since_significant = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (IsDigit(c)) {
      if (c != '0') leading = false;
      if (!leading) ++digits_since_significant;
    } else {
      break;
    }
    decimal.cleaned += c;
  }
  decimal.significant_digits = digits_since_significant;
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

NumberType TypeOf(const Decimal& decimal, double value) {
  if (decimal.exponent_letter == 'E' || decimal.exponent_letter == 'e') return NumberType::Single;
  if (decimal.exponent_letter == 'D' || decimal.exponent_letter == 'd') return NumberType::Double;
  switch (decimal.type_mark) {
    case '%': return NumberType::Integer16;
    case '&':
      return IsWhole(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max())
                 ? NumberType::Integer32
                 : NumberType::Double;
    case '!': return NumberType::Single;
    case '#': return NumberType::Double;
    default: return TypeByValue(value, decimal.significant_digits);
  }
}

Number ReadDecimal(std::string_view text) {
  const Decimal decimal = Scan(text);
  if (std::labs(decimal.exponent) > kLargestExponent) RaiseError(error::kOverflow);
  std::string number = decimal.cleaned;
  if (number.find_first_of("0123456789") == std::string::npos) return {NumberType::Integer16, 0};
  double mantissa = 0;
  std::from_chars(number.data(), number.data() + number.size(), mantissa);
  number += 'e' + std::to_string(decimal.exponent);
  double value = 0;
  const auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (failure == std::errc::result_out_of_range) {
    // Too small for a double reads as 0; too large is an overflow.
    if (mantissa != 0 && std::log10(std::fabs(mantissa)) + static_cast<double>(decimal.exponent) > 0) {
      RaiseError(error::kOverflow);
    }
    value = 0;
  }
  return Fit(value, TypeOf(decimal, value));
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
