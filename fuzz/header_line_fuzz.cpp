// HDRLINE on arbitrary header lines, with DATECONV and SUBJCLEAN behind it: the first byte chooses the header's
// name, so that the date and subject paths are taken often. A run-time error is allowed, a fault is not.
#include <memory>
#include <string>

#include "converter/converter.h"
#include "fuzz/quiet_window.h"
#include "host/main_window.h"
#include "host/runtime.h"
#include "statements/statements.h"

namespace {
constexpr std::string_view kNames[] = {"Date: ", "Subject: ", "From: ", "Date:", ""};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool window_opened = (OpenMainWindow(std::make_unique<QuietWindow>()), true);
  static const Routine<Converter> program = ConverterRoutine({GoSub(1, "HDRLINE"), ExitRoutine(2)});
  if (size == 0 || !window_opened) return 0;
  std::string line(kNames[data[0] % std::size(kNames)]);
  line.append(reinterpret_cast<const char*>(data + 1), size - 1);
  Converter values;
  AssignConstant(values.line_text, line);
  values.line_len = static_cast<float>(line.size());
  RunMain(program, values);
  ReleaseRuntime();
  return 0;
}
