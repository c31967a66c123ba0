// Runs the text functions on arbitrary bytes, with counts and positions taken from the first bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/runtime.h"
#include "statements/error_trap.h"
#include "values/string_functions.h"
#include "values/string_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const auto text = std::string_view(reinterpret_cast<const char*>(data + 3), size - 3);
  const auto first = static_cast<std::int32_t>(static_cast<std::int8_t>(data[1]));
  const auto second = static_cast<std::int32_t>(static_cast<std::int8_t>(data[2]));
  try {
    PushStringConstant(text.substr(0, text.size() / 2));
    PushStringConstant(text);
    switch (data[0] % 12) {
      case 0: LeftBytes(first); break;
      case 1: RightBytes(first); break;
      case 2: MidBytes(first, second); break;
      case 3: LeftChars(first); break;
      case 4: MidChars(first, second); break;
      case 5: PushStringConstant(std::string_view("\x81\x40", 2)); (void)FindChars(first); break;
      case 6: PushStringConstant(text.substr(0, 1)); (void)FindBytes(first); break;
      case 7: (void)CountChars(first); PushEmptyString(); break;
      case 8: TrimBoth(); break;
      case 9: TrimLeft(); break;
      case 10: ToHalfWidth(); break;
      default: UpperCase(); break;
    }
  } catch (const RuntimeErrorSignal&) {
  }
  ReleaseRuntime();
  return 0;
}
