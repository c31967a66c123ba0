// The table of system calls, holding the system's own until a test replaces them.
#include "platform/win32/system_calls.h"

namespace platform::win32 {

SystemCalls& Calls() {
  static SystemCalls calls;
  return calls;
}

}  // namespace platform::win32
