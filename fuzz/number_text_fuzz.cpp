// Reads numbers from arbitrary texts and writes them back: errors are allowed, crashes and leaks are not.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/runtime.h"
#include "statements/error_trap.h"
#include "values/numbers.h"
#include "values/string_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    PushStringConstant(std::string_view(reinterpret_cast<const char*>(data), size));
    const Number number = NumberFromText();
    if (number.type == NumberType::Double) {
      TextFromNumber(number.value);
    } else {
      TextFromNumber(StoreSingle(number.value));
    }
    ReleaseString(PopString());
  } catch (const RuntimeErrorSignal&) {
  }
  ReleaseRuntime();
  return 0;
}
