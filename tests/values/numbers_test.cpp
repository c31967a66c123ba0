// Number texts both ways, rounding and the floating-point checks.
#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

#include "runtime_fixture.h"
#include "values/numbers.h"

namespace {

using Numbers = RuntimeTest;

std::string Text(float value) {
  TextFromNumber(value);
  return PopText();
}

std::string TextDouble(double value) {
  TextFromNumber(value);
  return PopText();
}

Number Read(std::string_view text) {
  Push(text);
  return NumberFromText();
}

TEST_F(Numbers, TextFormOfSingles) {
  EXPECT_EQ(Text(0), " 0");
  EXPECT_EQ(Text(5), " 5");
  EXPECT_EQ(Text(1997), " 1997");
  EXPECT_EQ(Text(1200), " 1200");
  EXPECT_EQ(Text(2.5f), " 2.5");
  EXPECT_EQ(Text(-3), "-3");
  EXPECT_EQ(Text(0.5f), " .5");
  EXPECT_EQ(Text(-0.5f), "-.5");
  EXPECT_EQ(Text(0.001f), " .001");
  EXPECT_EQ(Text(100000), " 100000");
  EXPECT_EQ(Text(1000000), " 1E+06");
  EXPECT_EQ(Text(1234567), " 1.23457E+06");
  EXPECT_EQ(Text(123456.7f), " 123457");
  EXPECT_EQ(Text(0.0000001f), " 1E-07");
  EXPECT_EQ(Text(999999.5f), " 1E+06");  // a carry through all nines
  EXPECT_EQ(Text(1234565), " 1.23457E+06");  // a 5 in the seventh digit rounds up
  EXPECT_EQ(Text(3e38f), " 3E+38");
  EXPECT_EQ(Text(-0.0f), " 0");
}

TEST_F(Numbers, TextFormOfDoubles) {
  EXPECT_EQ(TextDouble(1e20), " 1D+020");
  EXPECT_EQ(TextDouble(123456789012345.0), " 123456789012345");
  EXPECT_EQ(TextDouble(0.1), " .1");
  EXPECT_EQ(TextDouble(-1.5e-300), "-1.5D-300");
}

// Whole numbers below the digit limit take a short way; it must give what the rounding of the digits gives, up to
// the last whole number before the exponent form.
TEST_F(Numbers, WholeNumbersAreTheirOwnDigits) {
  const auto with_sign = [](char sign, int whole) {
    std::string text(1, sign);
    text += std::to_string(whole);
    return text;
  };
  for (int whole = 0; whole < 1000000; whole += 997) {
    ASSERT_EQ(Text(static_cast<float>(whole)), with_sign(' ', whole));
    ASSERT_EQ(Text(static_cast<float>(-whole - 1)), with_sign('-', whole + 1));
  }
  EXPECT_EQ(Text(999999), " 999999");
  EXPECT_EQ(Text(-999999), "-999999");
  EXPECT_EQ(Text(999999.25f), " 999999");
  EXPECT_EQ(Text(1e6f), " 1E+06");
  EXPECT_EQ(Text(16777216), " 1.67772E+07");
  EXPECT_EQ(TextDouble(999999999999999.0), " 999999999999999");
  EXPECT_EQ(TextDouble(-100000000000000.0), "-100000000000000");
  EXPECT_EQ(TextDouble(1e15), " 1D+015");
  EXPECT_EQ(TextDouble(4294967296.0), " 4294967296");
  EXPECT_EQ(TextDouble(12.5), " 12.5");
}

TEST_F(Numbers, ReadingNumbers) {
  const auto value = [](std::string_view text) { return Read(text).value; };
  EXPECT_EQ(value("+09"), 9);
  EXPECT_EQ(value("-05"), -5);
  EXPECT_EQ(value("08"), 8);
  EXPECT_EQ(value("9:05"), 9);
  EXPECT_EQ(value("12abc"), 12);
  EXPECT_EQ(value("1 2"), 1);
  EXPECT_EQ(value("   42"), 42);
  EXPECT_EQ(value("Aug"), 0);
  EXPECT_EQ(value(""), 0);
  EXPECT_EQ(value("   "), 0);
  EXPECT_EQ(value("-x"), 0);
  EXPECT_EQ(value(".x"), 0);
  EXPECT_EQ(value("&H1F"), 31);
  EXPECT_EQ(value("&h1f"), 31);
  EXPECT_EQ(value("&O17"), 15);
  EXPECT_EQ(value("&O19"), 1);
  EXPECT_EQ(value("&H"), 0);
  EXPECT_EQ(value(".5"), 0.5);
  EXPECT_EQ(value("-.25"), -0.25);
  EXPECT_EQ(value("1.5E3"), 1500);
  EXPECT_EQ(value("25d-1"), 2.5);
}

TEST_F(Numbers, ResultTypes) {
  EXPECT_EQ(Read("2.5").type, NumberType::Single);
  EXPECT_EQ(Read("2.5").value, 2.5);
  EXPECT_EQ(Read("3.14159265").type, NumberType::Double);
  EXPECT_EQ(Read("3.14159265").value, 3.14159265);
  EXPECT_EQ(Read("1.234567").type, NumberType::Single);
  EXPECT_EQ(Read("40000").type, NumberType::Integer32);
  EXPECT_EQ(Read("32767").type, NumberType::Integer16);
  EXPECT_EQ(Read("-32768").type, NumberType::Integer16);
  EXPECT_EQ(Read("123456.5").type, NumberType::Single);
  EXPECT_EQ(Read("1234567.5").type, NumberType::Double);
  EXPECT_EQ(Read("2E1").type, NumberType::Single);
  EXPECT_EQ(Read("2D1").type, NumberType::Double);
  EXPECT_EQ(Read("7%").type, NumberType::Integer16);
  EXPECT_EQ(Read("7&").type, NumberType::Integer32);
  EXPECT_EQ(Read("7.5&").type, NumberType::Double);
  EXPECT_EQ(Read("7!").type, NumberType::Single);
  EXPECT_EQ(Read("7#").type, NumberType::Double);
}

// Signs and up to nine digits followed by nothing that continues a number are read at once; anything longer, or
// followed by a point, an exponent or a type mark, takes the full reading. Both must agree where they meet.
TEST_F(Numbers, ShortWholeNumbersReadLikeAnyOther) {
  const struct {
    std::string_view text;
    NumberType type;
    double value;
  } cases[] = {
      {"999999999", NumberType::Integer32, 999999999},
      {"-999999999", NumberType::Integer32, -999999999},
      {"1234567890", NumberType::Integer32, 1234567890},
      {"2147483648", NumberType::Double, 2147483648.0},
      {"32768", NumberType::Integer32, 32768},
      {"-32769", NumberType::Integer32, -32769},
      {"-0", NumberType::Integer16, 0},
      {"000000000012", NumberType::Integer16, 12},
      {"12,5", NumberType::Integer16, 12},
      {"12-3", NumberType::Integer16, 12},
      {"12.", NumberType::Integer16, 12},
      {"12e", NumberType::Single, 12},
      {"12d1", NumberType::Double, 120},
      {"12&", NumberType::Integer32, 12},
      {"12#", NumberType::Double, 12},
      {"+12!", NumberType::Single, 12},
  };
  for (const auto& each : cases) {
    const Number number = Read(each.text);
    EXPECT_EQ(number.type, each.type) << each.text;
    EXPECT_EQ(number.value, each.value) << each.text;
    if (each.value == 0) {
      EXPECT_FALSE(std::signbit(number.value)) << each.text;
    }
  }
  EXPECT_EQ(ErrorOf([] { Read("40000%"); }), error::kOverflow);
}

TEST_F(Numbers, OverflowsAre6) {
  EXPECT_EQ(ErrorOf([] { Read("1E999"); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([] { Read("1E-512"); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([] { Read("1E39"); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([] { Read("1D309"); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([] { Read("40000%"); }), error::kOverflow);
  EXPECT_EQ(Read("1D-400").value, 0);
  EXPECT_EQ(Read("1E-50").value, 0);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(Numbers, DecimalsBeyondADoubleAre6) {
  // Built by appending: g++ 12 at -O3 warns falsely (-Wrestrict) about a literal + std::string.
  const std::string ten_to_309 = std::string("1").append(309, '0');
  const std::string nines = std::string("9").append(308, '9');
  for (const std::string& text : {ten_to_309, nines, ten_to_309 + "#", nines + "#", ten_to_309 + "D1",
                                  "-" + nines, ten_to_309 + "%", "." + ten_to_309 + "D310"}) {
    EXPECT_EQ(ErrorOf([&] { Read(text); }), error::kOverflow) << text.substr(0, 3) << "... " << text.size();
  }
  EXPECT_EQ(Read("." + ten_to_309).value, 0.1);
  EXPECT_EQ(Read("0." + std::string(400, '0') + "1#").value, 0);
}

TEST_F(Numbers, TextsWithoutDigitsReadAsZeroWhateverTheExponent) {
  for (const char* text : {".E999", "+.E5", "-.E999", "+.D-999", "-.e"}) {
    EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(Read(text).value, 0) << text; }), 0) << text;
  }
}

TEST_F(Numbers, LongDecimalsAreRoundedOnceToTheirType) {
  // Just above the halfway point between 1 and the next single: through a double it would land on the half and
  // round to even.
  const float above_one = std::nextafter(1.0f, 2.0f);
  EXPECT_EQ(Read("1.0000000596046447753906250000001!").value, above_one);
  EXPECT_EQ(Read("1.0000000596046447753906250000001E0").value, above_one);
  EXPECT_EQ(Read("1.000000059604644775390625!").value, 1.0);  // exactly halfway: to even
  // Whole and rounded on the exact value, not on its nearest double.
  EXPECT_EQ(Read("0.49999999999999999999%").value, 0);
  EXPECT_EQ(Read("-0.49999999999999999999%").value, 0);
  EXPECT_EQ(Read("7.5%").value, 8);
  EXPECT_EQ(Read("-7.5%").value, -8);
  EXPECT_EQ(ErrorOf([] { Read("32767.5%"); }), error::kOverflow);
  EXPECT_EQ(Read("32767.99999999999999999").type, NumberType::Double);
  EXPECT_EQ(Read("1.00000000000000000001&").type, NumberType::Double);
  EXPECT_EQ(Read("2147483647.0").type, NumberType::Integer32);
  EXPECT_EQ(Read("2147483648").type, NumberType::Double);
  EXPECT_EQ(Read("12E2").value, 1200);
  EXPECT_EQ(Read("0.00012D4").value, 1.2);
}

TEST_F(Numbers, RoundingToIntegers) {
  EXPECT_EQ(RoundToInteger(2.5), 3);
  EXPECT_EQ(RoundToInteger(-2.5), -3);
  EXPECT_EQ(RoundToInteger(2.4), 2);
  EXPECT_EQ(RoundToInteger(0.5), 1);
  EXPECT_EQ(RoundToInteger(-0.5), -1);
  EXPECT_EQ(RoundToInteger(0.49999999999999994), 0);  // the largest double below one half
  EXPECT_EQ(RoundToInteger(-0.49999999999999994), 0);
  EXPECT_EQ(RoundToInteger(2147483646.5), 2147483647);
  EXPECT_EQ(RoundToInteger(-2147483648.49), -2147483648);
  EXPECT_EQ(ErrorOf([] { RoundToInteger(-2147483648.5); }), error::kOverflow);
  EXPECT_EQ(RoundToInteger(2147483647.0), 2147483647);
  EXPECT_EQ(ErrorOf([] { RoundToInteger(2147483648.0); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([] { RoundToInteger(std::numeric_limits<double>::quiet_NaN()); }), error::kOverflow);
}

TEST_F(Numbers, FloatingPointFailuresBecomeErrors) {
  EXPECT_EQ(StoreSingle(1.5), 1.5f);
  EXPECT_EQ(ErrorOf([] { StoreSingle(1e39); }), error::kOverflow);
  volatile double zero = 0;
  volatile double huge = 1e308;
  const auto after = [](auto operation) {
    std::feclearexcept(FE_ALL_EXCEPT);
    return ErrorOf([&] {
      operation();
      CheckFloatingPoint();
    });
  };
  EXPECT_EQ(after([&] { volatile double result = 1.0 / zero; (void)result; }), error::kDivisionByZero);
  EXPECT_EQ(after([&] { volatile double result = zero / zero; (void)result; }), error::kBadArgument);
  EXPECT_EQ(after([&] { volatile double result = huge * 10; (void)result; }), error::kOverflow);
  EXPECT_EQ(after([&] { volatile double result = 1e-308 / huge; (void)result; }), 0);  // underflow is ignored
  EXPECT_EQ(ErrorOf([] { CheckDivisor(0); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorOf([] { CheckDivisor(3); }), 0);
}

}  // namespace
