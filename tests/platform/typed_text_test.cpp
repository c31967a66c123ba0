// Typed characters from the terminal's UTF-8 to cp932, whole, whatever pieces they arrive in.
#include <gtest/gtest.h>

#include "platform/posix/typed_text.h"

namespace {

TEST(TypedText, CharactersBecomeCp932AndControlCodesPassUnchanged) {
  platform::posix::TypedText text;
  std::string keys = "a\x1e\xe3\x83\xa1\xef\xbd\xb1";  // a, Up, メ, half-width ｱ
  text.Convert(keys);
  EXPECT_EQ(keys, "a\x1e\x83\x81\xb1");
  // A character split over two reads arrives once it is whole.
  keys = "\xe3\x83";
  text.Convert(keys);
  EXPECT_EQ(keys, "");
  keys = "\xa1z";
  text.Convert(keys);
  EXPECT_EQ(keys, "\x83\x81z");
}

TEST(TypedText, CharactersWithoutACp932FormAndBrokenBytesAreDropped) {
  platform::posix::TypedText text;
  std::string keys = "\xf0\x9f\x98\x80x\xc3\xafy\xffz";  // an emoji, ï, a byte no UTF-8 text holds
  text.Convert(keys);
  EXPECT_EQ(keys, "xyz");
  keys = "\xe3\x83" "b";  // a character cut short by another key
  text.Convert(keys);
  EXPECT_EQ(keys, "b");
}

}  // namespace
