// Any terminal input decodes without fault, and a sequence never yields more keys than it has bytes.
#include <cstdlib>

#include "platform/posix/key_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::posix::KeyDecoder decoder;
  std::string keys;
  const auto start = platform::posix::Clock::now();
  decoder.Feed(data, size, start, keys);
  decoder.Expire(start + platform::posix::kEscapeWait, keys);
  if (keys.size() > size) std::abort();
  return 0;
}
