// The text functions, with double-byte characters at the edges.
#include <array>
#include <random>
#include <string>
#include <vector>

#include "runtime_fixture.h"
#include "values/string_functions.h"

namespace {

using StringFunctions = RuntimeTest;

// Full-width space, ＡＢ, あ, 漢 and ガ in cp932.
constexpr std::string_view kWideSpace = "\x81\x40";
constexpr std::string_view kWideA = "\x82\x60";
constexpr std::string_view kHiraganaA = "\x82\xA0";
constexpr std::string_view kKanji = "\x8A\xBF";

template <class Operation>
std::string Apply(std::string_view text, Operation operation) {
  Push(text);
  operation();
  return PopText();
}

TEST_F(StringFunctions, BytePartsMaySplitAPairCharacterPartsNever) {
  const std::string text = std::string("ab") + std::string(kKanji) + "c";
  EXPECT_EQ(Apply(text, [] { LeftBytes(3); }), "ab\x8A");
  EXPECT_EQ(Apply(text, [] { LeftChars(3); }), "ab" + std::string(kKanji));
  EXPECT_EQ(Apply(text, [] { LeftBytes(99); }), text);
  EXPECT_EQ(Apply(text, [] { RightBytes(2); }), "\xBF" "c");
  EXPECT_EQ(Apply(text, [] { MidBytes(3, 1); }), "\x8A");
  EXPECT_EQ(Apply(text, [] { MidChars(3, 1); }), std::string(kKanji));
  EXPECT_EQ(Apply(text, [] { MidChars(3, 99); }), std::string(kKanji) + "c");
  EXPECT_EQ(Apply(text, [] { MidChars(5, 1); }), "");
  EXPECT_EQ(Apply("abc", [] { MidBytes(4, 1000); }), "");
  EXPECT_EQ(Apply("abc", [] { LeftChars(0); }), "");
  EXPECT_EQ(Apply("ab\x81", [] { MidChars(3, 1); }), "\x81");  // a final lone lead byte
}

TEST_F(StringFunctions, OperandsOutOfRangeAre5AndLeaveNothingBehind) {
  const auto rejected = [](auto operation) {
    return ErrorOf([&] {
      Push("abc");
      operation();
    });
  };
  EXPECT_EQ(rejected([] { MidBytes(0, 1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { MidBytes(1, -1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { LeftBytes(-1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { RightBytes(-1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { LeftChars(-1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { MidChars(0, 1); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { CountChars(3); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { IsDoubleByteAt(4); }), error::kBadArgument);
  EXPECT_EQ(rejected([] { IsDoubleByteAt(0); }), error::kBadArgument);
  const std::array<std::int32_t, 2> codes{65, 256};
  EXPECT_EQ(ErrorOf([&] { CharsFromCodes(codes); }), error::kBadArgument);
  EXPECT_EQ(string_stack::Depth(), 0);
  EXPECT_EQ(string_space::Compact(), string_space::kUnit);  // no temporary survived
}

std::int32_t Find(std::int32_t start, std::string_view s, std::string_view t, bool characters) {
  Push(t);
  Push(s);
  return characters ? FindChars(start) : FindBytes(start);
}

TEST_F(StringFunctions, SearchesByByteAndByCharacter) {
  EXPECT_EQ(Find(1, "abc", "", false), 1);
  EXPECT_EQ(Find(1, "", "", false), 0);
  EXPECT_EQ(Find(5, "abc", "a", false), 0);
  EXPECT_EQ(Find(2, "abcabc", "bc", false), 2);
  EXPECT_EQ(Find(3, "abcabc", "bc", false), 5);
  EXPECT_EQ(Find(1, "abc", "abcd", false), 0);
  // The first byte of the sought text met before it is found, and a match cut short by the end.
  EXPECT_EQ(Find(1, "aaab", "aab", false), 2);
  EXPECT_EQ(Find(1, "xxab", "abc", false), 0);
  EXPECT_EQ(Find(1, "abxab", "ab", false), 1);
  EXPECT_EQ(Find(2, "abxab", "ab", false), 4);
  EXPECT_EQ(Find(5, "abxab", "b", false), 5);
  EXPECT_EQ(Find(5, "abxab", "ab", false), 0);
  // The byte 0x40 is the second byte of the full-width space: a byte search finds it, a character search does not.
  // Built by appending: g++ 12 at -O2 warns falsely (-Wrestrict) about a literal + std::string.
  const std::string wide = std::string("x").append(kWideSpace);
  EXPECT_EQ(Find(1, wide, "@", false), 3);
  EXPECT_EQ(Find(1, wide, "@", true), 0);
  const std::string mixed = std::string(kKanji) + "a" + std::string(kKanji) + "b";
  EXPECT_EQ(Find(1, mixed, "b", true), 4);
  EXPECT_EQ(Find(2, mixed, std::string(kKanji), true), 3);
  EXPECT_EQ(Find(1, mixed, "", true), 1);
  EXPECT_EQ(Find(5, mixed, "", true), 0);
  EXPECT_EQ(ErrorOf([] { Find(0, "a", "a", false); }), error::kBadArgument);
  EXPECT_EQ(ErrorOf([] { Find(0, "a", "a", true); }), error::kBadArgument);
}

// The character functions walk runs of single-byte characters eight bytes at a time and search bytewise; a plain
// walk one character at a time must agree with them on texts where runs, pairs, trail bytes that look like the
// sought text and lone lead bytes meet.
std::vector<std::string> CharactersOf(const std::string& text) {
  std::vector<std::string> characters;
  for (std::size_t offset = 0; offset < text.size();) {
    const auto byte = static_cast<std::uint8_t>(text[offset]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    const std::size_t size = lead && offset + 1 < text.size() ? 2 : 1;
    characters.push_back(text.substr(offset, size));
    offset += size;
  }
  return characters;
}

TEST_F(StringFunctions, CharacterFunctionsAgreeWithAPlainWalk) {
  const std::array<std::string_view, 6> pieces{"abcdefghij", "@", "a", "\x81\x40", "\x8A", "\xE0"};
  std::mt19937 random(7);
  const auto any = [&](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (std::size_t piece = any(8); piece > 0; --piece) text.append(pieces[any(pieces.size())]);
    const std::string sought = any(3) == 0 ? std::string(pieces[any(pieces.size())]).substr(0, 1 + any(2)) : "@";
    const auto start = static_cast<std::int32_t>(1 + any(30));
    const std::vector<std::string> characters = CharactersOf(text);

    std::int32_t expected = 0;
    for (std::size_t index = static_cast<std::size_t>(start) - 1; index < characters.size() && expected == 0; ++index) {
      std::string rest;
      for (std::size_t after = index; after < characters.size(); ++after) rest += characters[after];
      if (rest.compare(0, sought.size(), sought) == 0 && rest.size() >= sought.size()) {
        expected = static_cast<std::int32_t>(index + 1);
      }
    }
    ASSERT_EQ(Find(start, text, sought, true), expected) << round;
    Push(text);
    ASSERT_EQ(CountChars(0), static_cast<std::int32_t>(characters.size())) << round;
    Push(text);
    ASSERT_EQ(CountChars(2), static_cast<std::int32_t>(text.size() - characters.size())) << round;
    std::string left;
    for (std::size_t index = 0; index < characters.size() && index + 1 < static_cast<std::size_t>(start); ++index) {
      left += characters[index];
    }
    ASSERT_EQ(Apply(text, [&] { LeftChars(start - 1); }), left) << round;
  }
}

// Bytes are told lead or not many at a time, and the last few of a text among bytes already counted: every byte
// value at every place of a group, in texts that end inside a group and after a pair that spans two groups.
TEST_F(StringFunctions, EveryByteIsToldLeadOrNotAtEveryPlace) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    for (const std::size_t length : {5u, 16u, 21u, 33u}) {
      for (std::size_t place = 0; place + 1 < length; ++place) {
        std::string text(length, 'a');
        text[place] = static_cast<char>(byte);
        Push(text);
        ASSERT_EQ(CountChars(2), lead ? 1 : 0) << byte << " at " << place << " of " << length;
      }
    }
  }
  for (std::size_t length = 16; length < 20; ++length) {
    std::string text(length, 'a');
    text[15] = '\x81';  // its second byte is the sixteenth of the next group, or missing
    Push(text);
    EXPECT_EQ(CountChars(0), static_cast<std::int32_t>(length > 16 ? length - 1 : length)) << length;
  }
}

std::int32_t Count(std::string_view text, std::int32_t kind) {
  Push(text);
  return CountChars(kind);
}

TEST_F(StringFunctions, CountsAndDoubleByteTest) {
  const std::string text = std::string("a").append(kKanji).append("b\x81");  // ends in a lone lead byte
  EXPECT_EQ(Count(text, 0), 4);
  EXPECT_EQ(Count(text, 1), 3);
  EXPECT_EQ(Count(text, 2), 1);
  EXPECT_EQ(Count("", 2), 0);
  Push(text);
  EXPECT_EQ(IsDoubleByteAt(2), 1);
  Push(text);
  EXPECT_EQ(IsDoubleByteAt(3), 0);
  Push(text);
  EXPECT_EQ(IsDoubleByteAt(4), 1);
}

TEST_F(StringFunctions, TrimmingHalfAndFullWidthSpaces) {
  const std::string wide(kWideSpace);
  EXPECT_EQ(Apply(" " + wide + " x y ", [] { TrimLeft(); }), "x y ");
  EXPECT_EQ(Apply(" " + wide + "x" + wide + "y" + wide + " ", [] { TrimBoth(); }), "x" + wide + "y");
  EXPECT_EQ(Apply("\x81\x41 x", [] { TrimLeft(); }), "\x81\x41 x");
  // ＠ ends in 0x40 but is not a full-width space, even when it precedes 0x81 0x40.
  const std::string at_sign = "\x81\x97";
  EXPECT_EQ(Apply("a\x82\x40", [] { TrimBoth(); }), "a\x82\x40");
  EXPECT_EQ(Apply("a" + at_sign + wide, [] { TrimBoth(); }), "a" + at_sign);
  EXPECT_EQ(Apply("   ", [] { TrimBoth(); }), "");
  EXPECT_EQ(Apply("", [] { TrimLeft(); }), "");
}

TEST_F(StringFunctions, CaseChangesOnlySingleByteLetters) {
  const std::string text = "aZ" + std::string(kWideA) + "\xB1" + "\x83\x61";  // ＡＢ, half-width kana, a pair ending 'a'
  EXPECT_EQ(Apply(text, [] { UpperCase(); }), "AZ" + std::string(kWideA) + "\xB1" + "\x83\x61");
  EXPECT_EQ(Apply(text, [] { LowerCase(); }), "az" + std::string(kWideA) + "\xB1" + "\x83\x61");
  EXPECT_EQ(Apply("x\x81", [] { UpperCase(); }), "X\x81");
}

TEST_F(StringFunctions, HalfWidthConversion) {
  EXPECT_EQ(Apply("\x82\x60\x82\x61\x82\x62\x82\x50\x82\x51\x82\x52", [] { ToHalfWidth(); }), "ABC123");
  EXPECT_EQ(Apply("\x83\x4B", [] { ToHalfWidth(); }), "\xB6\xDE");  // ガ
  EXPECT_EQ(Apply("\x83\x70", [] { ToHalfWidth(); }), "\xCA\xDF");  // パ
  EXPECT_EQ(Apply("\x81\x68\x81\x66\x81\x8F\x81\x50\x81\x40", [] { ToHalfWidth(); }), "\"'\\~ ");  // ”’￥￣ and space
  EXPECT_EQ(Apply("\x83\x5C\x81\x5B", [] { ToHalfWidth(); }), "\xBF\xB0");  // ソー
  const std::string unchanged = std::string(kHiraganaA) + std::string(kKanji) + "\x83\x94";  // あ漢ヴ
  EXPECT_EQ(Apply(unchanged, [] { ToHalfWidth(); }), unchanged);
  EXPECT_EQ(Apply("a\x82", [] { ToHalfWidth(); }), "a\x82");
  // Each character's conversion is remembered after its first meeting: met again, it converts alike.
  const std::string mixed = unchanged + "\x83\x4B\x82\x60\x83\x70\x81\x40";
  const std::string once = Apply(mixed, [] { ToHalfWidth(); });
  EXPECT_EQ(once, unchanged + "\xB6\xDE" "A" "\xCA\xDF" " ");
  EXPECT_EQ(Apply(mixed + mixed, [] { ToHalfWidth(); }), once + once);
}

// Case changes and half-width conversion take runs of eight bytes below 0x80 a word at a time: on texts where such
// runs, letters at the edges of their ranges, pairs whose second byte is a letter and a lone lead byte at the end
// meet, they must agree with a walk one character at a time.
TEST_F(StringFunctions, CaseAndHalfWidthAgreeWithAPlainWalk) {
  const std::array<std::string_view, 9> pieces{"@AZ[`az{", "Hello, World", "m", "\x82\x61", "\x82\x60",
                                               "\x83\x4B", "\xB1", "0123456789abcdefXYZ", "\x8A\xBF"};
  std::mt19937 random(11);
  const auto any = [&](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
  const auto flipped = [](const std::string& text, char from) {
    std::string expected;
    for (const std::string& character : CharactersOf(text)) {
      const char byte = character[0];
      const bool letter = character.size() == 1 && byte >= from && byte <= from + 25;
      expected += letter ? std::string(1, static_cast<char>(byte ^ 0x20)) : character;
    }
    return expected;
  };
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (std::size_t piece = any(7); piece > 0; --piece) text.append(pieces[any(pieces.size())]);
    if (any(4) == 0) text += '\x81';
    ASSERT_EQ(Apply(text, [] { UpperCase(); }), flipped(text, 'a')) << round;
    ASSERT_EQ(Apply(text, [] { LowerCase(); }), flipped(text, 'A')) << round;
    // Each character converts on its own, so the text converts as its characters do.
    std::string expected;
    for (const std::string& character : CharactersOf(text)) expected += Apply(character, [] { ToHalfWidth(); });
    ASSERT_EQ(Apply(text, [] { ToHalfWidth(); }), expected) << round;
  }
}

TEST_F(StringFunctions, TextFromCodes) {
  const std::array<std::int32_t, 3> codes{27, 0, 255};
  CharsFromCodes(codes);
  EXPECT_EQ(PopText(), std::string("\x1B\x00\xFF", 3));
}

}  // namespace
