// Texts read where they lie: comparisons, searches, measures, joins, parts and printed items of variables and
// constants give what the pushed operands give, raise the same errors in the same order, and store nothing but their
// result.
#include <string>
#include <vector>

#include "statements/expressions.h"
#include "values/runtime_fixture.h"

namespace {

class OperandsInPlace : public RuntimeTest {
 protected:
  void SetUp() override { CheckStackBalance(true); }
  void TearDown() override {
    CheckStackBalance(false);
    RuntimeTest::TearDown();
  }
  StringDescriptor text{};
  StringDescriptor other{};
  StringDescriptor result{};
};

// The operations as they run on the stack, for comparison.
std::string PushedPart(const std::string& text, void (*part)(std::int32_t), std::int32_t count) {
  Push(text);
  part(count);
  return PopText();
}
std::string PushedMid(const std::string& text, std::int32_t start, std::int32_t count) {
  Push(text);
  MidBytes(start, count);
  return PopText();
}

const std::vector<std::string> kTexts = {
    "", "a", " ", "#K line", "  \x81\x40 padded", "\x82\xa0\x82\xa2" "ab\x82", "Re: Re[2]: subject", ".",
};

TEST_F(OperandsInPlace, PartsSearchesAndMeasuresMatchTheStackOperations) {
  for (const std::string& sample : kTexts) {
    SCOPED_TRACE(sample);
    AssignConstant(text, sample);
    for (const int count : {0, 1, 2, 5, 40}) {
      Let(result, Left(text, count));
      EXPECT_EQ(TextOf(result), PushedPart(sample, LeftBytes, count));
      Let(result, Right(text, count));
      EXPECT_EQ(TextOf(result), PushedPart(sample, RightBytes, count));
      for (const int start : {1, 2, 7, 30}) {
        Let(result, Mid(text, start, count));
        EXPECT_EQ(TextOf(result), PushedMid(sample, start, count));
        Let(result, Mid(text, start));
        EXPECT_EQ(TextOf(result), PushedMid(sample, start, 2147483647));
      }
    }
    Let(result, LTrim(Right(text, 4)));
    Push(sample);
    RightBytes(4);
    TrimLeft();
    EXPECT_EQ(TextOf(result), PopText());
    for (const char* sought : {"", " ", "a", "\x82", "\xa0", "#"}) {
      Push(sought);
      Push(sample);
      EXPECT_EQ(Value(InStr(text, sought)), FindBytes(1));
      Push(sought);
      Push(sample);
      EXPECT_EQ(Value(InStrChars(2, text, sought)), FindChars(2));
    }
    Push(sample);
    const std::int32_t characters = CountChars(0);
    EXPECT_EQ(Value(CharCount(text)), characters);
    for (const int bound : {0, 1, 2, 3, 9}) {
      EXPECT_EQ(CharCount(text) < bound, characters < bound);
      EXPECT_EQ(CharCount(text) == bound, characters == bound);
      EXPECT_EQ(CharCount(text) > bound, characters > bound);
    }
    EXPECT_EQ(Value(Len(text)), static_cast<double>(sample.size()));
    EXPECT_TRUE(Same(Left(text, 3), Left(sample.c_str(), 3)));
    EXPECT_EQ(Same(Left(text, 1), "#"), sample.rfind('#', 0) == 0);
  }
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(OperandsInPlace, AJoinIsStoredOnceAndEachPartCheckedInTurn) {
  AssignConstant(text, "1997");
  AssignConstant(other, "08");
  Let(result, Cat(Right(text, 2), "/", other, "/", Mid(text, 3, 1)));
  EXPECT_EQ(TextOf(result), "97/08/9");
  EXPECT_TRUE(OwnsItsBytes(result));
  const std::size_t before = string_space::UsedBytes();
  Let(result, Cat(text, "-", other));
  // The old result is freed in place; only the new one is added.
  EXPECT_EQ(string_space::UsedBytes(), before + string_space::kHeaderSize + 7);
  Let(result, Cat(Left(text, 0), ""));
  EXPECT_EQ(result.length, 0u);
  // The parts are evaluated left to right: the first bad count is the error raised.
  EXPECT_EQ(ErrorOf([&] { Let(result, Cat(Left(text, -1), Left(other, 1e12F))); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([&] { Let(result, Cat(Left(text, 1e12F), Left(other, -1))); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([&] { return Same(Mid(text, 0), "x"); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([&] { Value(InStr(0, text, "9")); }), error::kBadArgument);
}

TEST_F(OperandsInPlace, AComparisonOrSearchStoresNothing) {
  AssignConstant(text, "#Keyword line");
  const std::size_t before = string_space::UsedBytes();
  EXPECT_TRUE(Same(Left(text, 1), "#"));
  EXPECT_FALSE(Same(Mid(text, 2, 1), other));
  EXPECT_EQ(Value(InStr(Right(text, 4), "ne")), 3);
  EXPECT_EQ(Value(CharCount(text)), 13);
  EXPECT_EQ(string_space::UsedBytes(), before);
}

TEST_F(OperandsInPlace, AVariableHoldingAHandedOverTemporaryIsStillPushedAndConsumed) {
  // A routine's string result is a temporary its caller takes over: reading it takes its bytes.
  Push("result");
  StringDescriptor handed = PopString();
  ASSERT_TRUE(IsTemporary(handed));
  EXPECT_TRUE(Same(handed, "result"));
  EXPECT_EQ(string_space::OwnerOf(handed.data), nullptr);
}

}  // namespace
