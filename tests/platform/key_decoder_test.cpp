// Terminal input bytes to keys: escape sequences as one key, a lone Escape after its wait.
#include <gtest/gtest.h>

#include "platform/posix/key_decoder.h"

namespace {

using platform::posix::Clock;
using platform::posix::KeyDecoder;
using platform::posix::kEscapeWait;

std::string Feed(KeyDecoder& decoder, std::string_view bytes, Clock::time_point now) {
  std::string keys;
  decoder.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), now, keys);
  return keys;
}

TEST(KeyDecoder, SequencesBecomeOneKeyEachAndOtherBytesPassThrough) {
  KeyDecoder decoder;
  const Clock::time_point now = Clock::now();
  EXPECT_EQ(Feed(decoder, "ab\x03", now), "ab\x03");
  EXPECT_EQ(Feed(decoder, "\x1b[A\x1b[D", now), "\x1e\x1d");
  EXPECT_EQ(Feed(decoder, "\x1bOP\x1b[15~", now), std::string(2, '\0'));
  EXPECT_EQ(Feed(decoder, "\x1b[1;5C", now), "\x1c");
}

TEST(KeyDecoder, EditingKeysGetTheCodesAWin32WindowStores) {
  KeyDecoder decoder;
  const Clock::time_point now = Clock::now();
  // Home and End in their three spellings, the page keys, Insert and Delete; a modifier does not change the key.
  EXPECT_EQ(Feed(decoder, "\x1b[H\x1bOH\x1b[1~\x1b[F\x1bOF\x1b[4~", now), "\x0b\x0b\x0b\x05\x05\x05");
  EXPECT_EQ(Feed(decoder, "\x1b[5~\x1b[6~\x1b[2~\x1b[3~\x1b[3;5~", now), "\x19\x1a\x12\x7f\x7f");
  // The Backspace key sends DEL: it becomes Backspace, so that Delete stays apart.
  EXPECT_EQ(Feed(decoder, "a\x7f\x08", now), "a\x08\x08");
}

TEST(KeyDecoder, ASequenceMayArriveInPieces) {
  KeyDecoder decoder;
  const Clock::time_point now = Clock::now();
  EXPECT_EQ(Feed(decoder, "\x1b", now), "");
  EXPECT_EQ(Feed(decoder, "[", now), "");
  EXPECT_EQ(Feed(decoder, "B", now), "\x1f");
}

TEST(KeyDecoder, ALoneEscapeIsEscapeOnceItsWaitIsOver) {
  KeyDecoder decoder;
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(Feed(decoder, "\x1b", start), "");
  std::string keys;
  decoder.Expire(start + kEscapeWait / 2, keys);
  EXPECT_EQ(keys, "");
  EXPECT_EQ(decoder.Remaining(start + kEscapeWait / 2), kEscapeWait - kEscapeWait / 2);
  decoder.Expire(start + kEscapeWait, keys);
  EXPECT_EQ(keys, "\x1b");
  EXPECT_FALSE(decoder.Remaining(start + kEscapeWait).has_value());
  // Escape followed by an ordinary key at once: both are keys.
  EXPECT_EQ(Feed(decoder, "\x1bx", start), "\x1bx");
}

TEST(KeyDecoder, ABrokenSequenceIsDroppedAndTheByteThatBrokeItKept) {
  KeyDecoder decoder;
  const Clock::time_point now = Clock::now();
  EXPECT_EQ(Feed(decoder, "\x1b[12\rz", now), "\rz");
  EXPECT_EQ(Feed(decoder, "\x1b[12", now), "");
  std::string keys;
  decoder.Expire(now + kEscapeWait, keys);
  EXPECT_EQ(keys, "");
  EXPECT_EQ(Feed(decoder, "q", now), "q");
}

}  // namespace
