// The error trap of a frame: catching a raised error, cleaning up after it and resuming from the handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "statements/flow.h"
#include "statements/statement_state.h"
#include "values/error_numbers.h"
#include "values/raise_error.h"
#include "values/run_context.h"

// Arms the current frame's trap at a label of its routine; an empty label disarms it.
void SetErrorTrap(std::string_view label);

// From the handler only (error 20 otherwise): continue after the failing statement, retry it, or go to a
// labelled statement (given by its position in the routine).
Flow ResumeNext();
Flow ResumeRetry();
Flow ResumeAt(std::size_t statement);

// The first thing every catcher of RuntimeErrorSignal does: the pending operands of the failed statement are
// released and the string stack is emptied.
void RestoreAfterError();

// For the executor, inside its handler of RuntimeErrorSignal: the trap label when the current frame catches the
// error, otherwise the signal is thrown on to the caller. The executor, which knows the statement list, then keeps
// the failing statement for ResumeRetry and the one after it for ResumeNext.
std::string_view CatchingLabel();

// Gives an error no frame caught to its receiver.
void SetErrorReportHook(ErrorReportHook hook);
void ReportUncaughtError();
