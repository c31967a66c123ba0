// SEP, ZERONUM, CUTS, UNQUOTE and MDAY as the converter calls them.
#include "converter_fixture.h"

namespace {

using TextHelpers = ConverterTest;

std::string Text(const StringDescriptor& value) { return TextOf(value); }

template <class Expression>
std::string Result(const Expression& expression) {
  expression.Push();
  return PopText();
}

TEST_F(TextHelpers, SepSplitsAtTheFirstHalfWidthSpaceOnly) {
  StringDescriptor source{}, first{}, rest{};
  const auto split = [&](std::string_view text) {
    AssignConstant(source, text);
    SEP(source, first, rest);
    return Text(first) + "|" + Text(rest);
  };
  EXPECT_EQ(split("29 Aug 1997"), "29|Aug 1997");
  EXPECT_EQ(split("whole"), "whole|");
  EXPECT_EQ(split(" lead"), "|lead");
  EXPECT_EQ(split("a  b"), "a| b");
  EXPECT_EQ(split(""), "|");
  EXPECT_EQ(split("\x82\xa0\x81\x40x y"), "\x82\xa0\x81\x40x|y");  // a full-width space is part of a token
}

TEST_F(TextHelpers, ZeronumGivesTwoDigits) {
  EXPECT_EQ(Result(ZERONUM("5")), "05");
  EXPECT_EQ(Result(ZERONUM(Str(5))), "05");
  EXPECT_EQ(Result(ZERONUM("12")), "12");
  EXPECT_EQ(Result(ZERONUM("")), "00");
  EXPECT_EQ(Result(ZERONUM("123")), "23");
  EXPECT_EQ(Result(ZERONUM(Str(-3))), "-3");
  EXPECT_EQ(Result(ZERONUM("\x81\x40" "7")), "07");
}

TEST_F(TextHelpers, CutsNeverSplitsADoubleByteCharacter) {
  EXPECT_EQ(Result(CUTS("abcdefg", 5)), "abcde");
  EXPECT_EQ(Result(CUTS("abcd\x82\xa0xyz", 5)), "abcd ");
  EXPECT_EQ(Result(CUTS("abc\x82\xa0xyz", 5)), "abc\x82\xa0");
  EXPECT_EQ(Result(CUTS("abcde", 5)), "abcde");
  EXPECT_EQ(Result(CUTS("ab", 5)), "ab");
  // A second byte in the lead-byte range is never taken for a lead byte: the walk starts at the front.
  EXPECT_EQ(Result(CUTS("\x81\x81\x81\x81xy", 4)), "\x81\x81\x81\x81");
  EXPECT_EQ(Result(CUTS("a\x81\x81\x81\x81xy", 4)), "a\x81\x81 ");
  EXPECT_EQ(ArgumentRecordCount(), 0);
}

TEST_F(TextHelpers, UnquoteTakesTheTextBetweenTheQuotes) {
  EXPECT_EQ(Result(UNQUOTE("\"Taro Yamada\" ")), "Taro Yamada");
  EXPECT_EQ(Result(UNQUOTE("Taro Yamada ")), "Taro Yamada ");
  EXPECT_EQ(Result(UNQUOTE("\"open ended")), "open ende");
  EXPECT_EQ(Result(UNQUOTE("ab\"cd\"")), "b");
  EXPECT_EQ(Result(UNQUOTE("\"\"")), "");
  EXPECT_EQ(Result(UNQUOTE(" \" ")), "");
  EXPECT_EQ(Result(UNQUOTE("\"\x8e\x52\x93\x63\" ")), "\x8e\x52\x93\x63");
}

TEST_F(TextHelpers, MdayKnowsLeapYearsWithoutTheCenturyRule) {
  const auto days = [](float month, float year) { return Value(MDAY(month, year)); };
  EXPECT_EQ(days(2, 1996), 29);
  EXPECT_EQ(days(2, 1997), 28);
  EXPECT_EQ(days(2, 1900), 29);
  EXPECT_EQ(days(2, 2100), 29);
  EXPECT_EQ(days(4, 1997), 30);
  EXPECT_EQ(days(12, 1997), 31);
  EXPECT_EQ(days(13, 1997), 0);
  EXPECT_EQ(days(0, 1997), 0);
  EXPECT_EQ(days(-1, 1997), 0);
}

}  // namespace
