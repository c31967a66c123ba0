// Rounding, single-precision stores and the floating-point checks.
#include <cfenv>
#include <cmath>
#include <limits>

#include "error_trap.h"
#include "numbers.h"

std::int32_t RoundToInteger(double value) {
  const double rounded = std::trunc(value < 0 ? value - 0.5 : value + 0.5);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
    RaiseError(error::kOverflow);
  }
  return static_cast<std::int32_t>(rounded);
}

float StoreSingle(double value) {
  const auto single = static_cast<float>(value);
  if (std::isinf(single) && !std::isinf(value)) RaiseError(error::kOverflow);
  return single;
}

void CheckFloatingPoint() {
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  std::feclearexcept(FE_ALL_EXCEPT);
  if (raised & FE_INVALID) RaiseError(error::kBadArgument);
  if (raised & FE_DIVBYZERO) RaiseError(error::kDivisionByZero);
  if (raised & FE_OVERFLOW) RaiseError(error::kOverflow);
}

void CheckDivisor(std::int32_t divisor) {
  if (divisor == 0) RaiseError(error::kDivisionByZero);
}
