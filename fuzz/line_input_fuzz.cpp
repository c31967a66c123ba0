// Line input on arbitrary file contents: no byte is read twice, a line comes whenever the end test says the file
// goes on, and once it says the end has come, one more line at most.
#include <cstdlib>

#include "files/channels.h"
#include "fuzz/scratch_file.h"
#include "statements/error_trap.h"
#include "host/runtime.h"
#include "values/string_values.h"

namespace {

void ReadEveryLine(std::size_t size) {
  StringDescriptor line{};
  std::size_t bytes = 0;
  std::size_t lines = 0;
  while (!NothingLeftToRead(1)) {
    const bool at_end = EndOfFile(1) != 0;
    SelectInputChannel(1);
    LineInput(line);
    bytes += line.length;
    if (++lines > size || bytes > size) std::abort();
    if (at_end && !NothingLeftToRead(1)) std::abort();
  }
  ReleaseString(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFile("lines.mbx", data, size);
  PushStringConstant(path);
  OpenChannel(1, 0, file_mode::kInput);
  try {
    ReadEveryLine(size);
  } catch (const RuntimeErrorSignal&) {
    std::abort();  // while bytes are left, a line input never fails
  }
  CloseChannels({});
  ReleaseRuntime();
  return 0;
}
