// Conversions between numbers and texts, and the checks that turn floating-point failures into run-time errors.
#pragma once

#include <cmath>
#include <cstdint>

enum class NumberType : std::uint8_t { Integer16, Integer32, Single, Double };

struct Number {
  NumberType type;
  double value;
};

// Push the text form of a number: a space or "-", then the digits (6 significant for single, 15 for double).
void TextFromNumber(float value);
void TextFromNumber(double value);

// Pops a text and reads the number at its start (0 when there is none); error 6 on overflow.
Number NumberFromText();

// Rounds halves away from zero; error 6 outside the 32-bit range.
std::int32_t RoundHalfAwayFromZero(double value);
inline std::int32_t RoundToInteger(double value) {
  // Whole values, by far the most common, need no rounding.
  if (value >= -2147483648.0 && value <= 2147483647.0) {
    const auto whole = static_cast<std::int32_t>(value);
    if (whole == value) return whole;
  }
  return RoundHalfAwayFromZero(value);
}
// Stores a value in single precision; error 6 on overflow.
[[noreturn]] void RaiseOverflow();
inline float StoreSingle(double value) {
  const auto single = static_cast<float>(value);
  if (std::isinf(single) && !std::isinf(value)) RaiseOverflow();
  return single;
}
// Reads and clears the exception flags: invalid operation is error 5, division by zero 11, overflow 6.
void CheckFloatingPoint();
// Error 11 for an integer division by 0.
void CheckDivisor(std::int32_t divisor);
