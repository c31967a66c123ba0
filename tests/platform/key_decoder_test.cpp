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
