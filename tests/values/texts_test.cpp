// The texts of the program reach the binary as cp932 bytes.
#include <gtest/gtest.h>

#include <string>

#include "texts.h"

namespace {

std::string Hex(std::string_view text) {
  std::string hex;
  char byte[4];
  for (const char c : text) {
    std::snprintf(byte, sizeof byte, "%02X ", static_cast<unsigned char>(c));
    hex += byte;
  }
  if (!hex.empty()) hex.pop_back();
  return hex;
}

TEST(Texts, AreCp932Bytes) {
  EXPECT_EQ(Hex(texts::CardKeyOpen), "81 A5");
  EXPECT_EQ(Hex(texts::CardKeyClose), "81 A3");
  EXPECT_EQ(Hex(texts::LocalTimeLabel), "81 97 8C BB 92 6E 8E 9E 8A D4");
  EXPECT_EQ(texts::ModuleName, "Qelvorin");
}

TEST(Texts, SecondBytesThatLookLikeEscapesSurvive) {
  // ソ is 83 5C: its second byte is the backslash.
  const std::string_view table = texts::HalfWidthKatakana;
  EXPECT_NE(Hex(table).find("83 5C"), std::string::npos);
  EXPECT_EQ(texts::HalfWidthAlphanumeric.size(), 96u * 2);
  EXPECT_EQ(texts::HalfWidthKatakana.size(), 64u * 2);
}

}  // namespace
