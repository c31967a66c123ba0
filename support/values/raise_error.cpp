// Raising a run-time error.
#include "values/raise_error.h"

#include <cfenv>
#include <limits>

#include "values/run_context.h"

void RaiseNumberedError(RuntimeErrorNumber number) {
  std::feclearexcept(FE_ALL_EXCEPT);
  ErrorState& errors = Errors();
  if (errors.raising) throw RuntimeErrorSignal{};
  const RunContext& context = Context();
  errors.number = number;
  errors.line = context.line;
  errors.module = context.module;
  errors.raising = true;
  errors.catch_limit = std::numeric_limits<std::uint32_t>::max();
  // An error inside a handler is caught only by the frames that called the handler's own frame.
  if (errors.in_handler) {
    errors.in_handler = false;
    errors.catch_limit = errors.handler_frame;
  }
  throw RuntimeErrorSignal{};
}

RuntimeErrorNumber ErrorNumber() { return Errors().number; }
