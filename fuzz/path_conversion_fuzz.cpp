// Names between the locale's encoding and cp932: a name taken in either direction converts back byte for byte, so
// it can only ever reach the file it names. The first byte chooses the direction.
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view name(reinterpret_cast<const char*>(data + 1), size - 1);
  const bool from_local = data[0] % 2 == 0;
  std::string converted;
  std::string back;
  if (from_local ? !platform::PathFromLocal(name, converted) : !platform::PathToLocal(name, converted)) return 0;
  const bool returned = from_local ? platform::PathToLocal(converted, back) : platform::PathFromLocal(converted, back);
  if (!returned || back != name) std::abort();
  return 0;
}
