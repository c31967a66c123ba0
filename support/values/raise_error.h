// Raising a run-time error: every layer raises, so this only records the error and throws. Catching it, cleaning
// up after it and resuming belong to the statement machine's error trap.
#pragma once

#include <cfenv>

#include "values/error_numbers.h"

// Records the number, the line and the module of the statement under way and throws RuntimeErrorSignal. A raise
// while another is being raised only abandons the failing operation; its number is not recorded. The number is
// never 0.
[[noreturn]] void RaiseNumberedError(RuntimeErrorNumber number);

// Raises the error. Number 0 is no error: the pending floating-point exceptions are cleared, as before any raise,
// and nothing is raised.
inline void RaiseError(RuntimeErrorNumber number) {
  if (number != 0) RaiseNumberedError(number);
  std::feclearexcept(FE_ALL_EXCEPT);
}

// The number of the error last raised, 0 once a handler has resumed.
RuntimeErrorNumber ErrorNumber();
