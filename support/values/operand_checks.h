// Range checks of numeric operands: a value out of range is error 5.
#pragma once

#include <cstdint>

#include "values/raise_error.h"

inline void RequireNotNegative(std::int32_t value) {
  if (value < 0) RaiseError(error::kBadArgument);
}

inline void RequirePositive(std::int32_t value) {
  if (value < 1) RaiseError(error::kBadArgument);
}
