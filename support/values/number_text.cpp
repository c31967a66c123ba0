// The text form of numbers: sign position, up to 6 (single) or 15 (double) significant digits, plain or with
// an exponent.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "values/numbers.h"
#include "values/string_values.h"

namespace {

struct Format {
  int digits;
  char exponent_letter;
  bool three_exponent_digits;
  double digits_limit;  // 10 to the power of digits
};

constexpr Format kSingleFormat{6, 'E', false, 1e6};
constexpr Format kDoubleFormat{15, 'D', true, 1e15};

// The decimal digits of the magnitude rounded half up to p significant digits, trailing zeros dropped.
struct Digits {
  char text[16];
  int count;
  int exponent;
};

Digits RoundedDigits(double magnitude, int p) {
  // Enough digits to hold the exact decimal expansion of any double, so the digit after the last kept one is read
  // exactly instead of being rounded twice.
  char exact[800];
  std::snprintf(exact, sizeof exact, "%.780e", magnitude);
  Digits digits{};
  digits.exponent = std::atoi(std::strchr(exact, 'e') + 1);
  char all[17] = {exact[0]};
  std::memcpy(all + 1, exact + 2, static_cast<std::size_t>(p));  // skip the point
  int count = p;
  if (all[p] >= '5') {
    int index = p - 1;
    while (index >= 0 && all[index] == '9') all[index--] = '0';
    if (index < 0) {
      all[0] = '1';
      ++digits.exponent;
    } else {
      ++all[index];
    }
  }
  while (count > 1 && all[count - 1] == '0') --count;
  std::memcpy(digits.text, all, static_cast<std::size_t>(count));
  digits.count = count;
  return digits;
}

// Below 10 to the number of significant digits a whole number is its own digits, in plain form: no rounding can
// touch it. Counts, hours and years take this way instead of the exact expansion.
bool IsShortWholeNumber(double magnitude, const Format& format) {
  return magnitude < format.digits_limit && static_cast<double>(static_cast<std::uint64_t>(magnitude)) == magnitude;
}

// The digits are made from the last one back, two at a time where there are two.
std::size_t WriteWholeNumber(char* out, double magnitude) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto whole = static_cast<std::uint64_t>(magnitude);
  char digits[20];
  char* first = digits + sizeof digits;
  while (whole >= 10) {
    first -= 2;
    std::memcpy(first, kPairs + 2 * (whole % 100), 2);
    whole /= 100;
  }
  if (whole != 0 || first == digits + sizeof digits) *--first = static_cast<char>('0' + whole);
  const auto count = static_cast<std::size_t>(digits + sizeof digits - first);
  for (std::size_t index = 0; index < count; ++index) out[index] = first[index];
  return count;
}

// Writes the text of a non-zero magnitude after the sign position; returns its length.
std::size_t WriteMagnitude(char* out, double magnitude, const Format& format) {
  if (IsShortWholeNumber(magnitude, format)) return WriteWholeNumber(out, magnitude);
  const Digits digits = RoundedDigits(magnitude, format.digits);
  const int e = digits.exponent;
  const int n = digits.count;
  std::size_t length = 0;
  if (e >= 0 && e < format.digits) {
    for (int index = 0; index <= e; ++index) out[length++] = index < n ? digits.text[index] : '0';
    if (n > e + 1) {
      out[length++] = '.';
      for (int index = e + 1; index < n; ++index) out[length++] = digits.text[index];
    }
  } else if (e < 0 && n - e - 1 <= format.digits) {
    out[length++] = '.';
    for (int index = 0; index < -e - 1; ++index) out[length++] = '0';
    for (int index = 0; index < n; ++index) out[length++] = digits.text[index];
  } else {
    out[length++] = digits.text[0];
    if (n > 1) {
      out[length++] = '.';
      for (int index = 1; index < n; ++index) out[length++] = digits.text[index];
    }
    const int magnitude_of_exponent = std::abs(e);
    const bool three = format.three_exponent_digits || magnitude_of_exponent >= 100;
    length += static_cast<std::size_t>(std::snprintf(out + length, 8, three ? "%c%c%03d" : "%c%c%02d",
                                                     format.exponent_letter, e < 0 ? '-' : '+',
                                                     magnitude_of_exponent));
  }
  return length;
}

void PushText(double value, const Format& format) {
  char text[48];
  std::size_t length = 1;
  text[0] = std::signbit(value) && value != 0 ? '-' : ' ';
  if (value == 0) {
    text[length++] = '0';
  } else if (!std::isfinite(value)) {
    // Never met by the program's own numbers; shown plainly rather than as digits.
    length += static_cast<std::size_t>(std::snprintf(text + 1, 8, std::isnan(value) ? "NAN" : "INF"));
  } else {
    length += WriteMagnitude(text + 1, std::fabs(value), format);
  }
  PushStringConstant(std::string_view(text, length));
}

}  // namespace

void TextFromNumber(float value) { PushText(value, kSingleFormat); }
void TextFromNumber(double value) { PushText(value, kDoubleFormat); }
