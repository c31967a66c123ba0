// The report of a run-time error that no trap caught: module, line and number, the installed library's message,
// and the key prompt. Errors raised once the run is terminating are not reported.
#pragma once

#include <cstdint>

#include "values/error_numbers.h"
#include "values/run_context.h"

void ReportError(const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line);
