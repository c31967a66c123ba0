// Rounding, single-precision stores and the floating-point checks.
#include <cfenv>
#include <cmath>
#include <limits>

#include "values/numbers.h"
#include "values/raise_error.h"

std::int32_t RoundHalfAwayFromZero(double value) {
  // Halves away from zero, decided on the exact fraction: adding 0.5 in double can round the sum up, and some C
  // libraries' round does just that (mingw-w64's gives 1 for 0.49999999999999994).
  double rounded = std::trunc(value);
  if (std::fabs(value - rounded) >= 0.5) rounded += std::copysign(1.0, value);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
    RaiseError(error::kOverflow);
  }
  return static_cast<std::int32_t>(rounded);
}

void RaiseOverflow() { RaiseNumberedError(error::kOverflow); }

void CheckFloatingPoint() {
  // Clearing the flags is slow and most operations raise none: it is done only when there is something to clear.
  if (std::fetestexcept(FE_ALL_EXCEPT) == 0) return;
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_INVALID) RaiseError(error::kBadArgument);
  if (raised & FE_DIVBYZERO) RaiseError(error::kDivisionByZero);
  if (raised & FE_OVERFLOW) RaiseError(error::kOverflow);
}

void CheckDivisor(std::int32_t divisor) {
  if (divisor == 0) RaiseError(error::kDivisionByZero);
}
