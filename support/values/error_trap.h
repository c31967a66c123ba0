// Raising run-time errors, the error trap of a frame and resuming from its handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "error_numbers.h"
#include "flow.h"
#include "run_context.h"

// Raises a run-time error (number not 0): the frame whose trap catches it continues at its trap label; with no
// catching frame the error is reported and the run ends. A raise while another is being raised only abandons the
// failing operation; its number is not recorded.
[[noreturn]] void RaiseError(RuntimeErrorNumber number);

// Arms the current frame's trap at a label of its routine; an empty label disarms it.
void SetErrorTrap(std::string_view label);
RuntimeErrorNumber ErrorNumber();

// From the handler only (error 20 otherwise): continue after the failing statement, retry it, or go to a
// labelled statement (given by its position in the routine).
Flow ResumeNext();
Flow ResumeRetry();
Flow ResumeAt(std::size_t statement);

// For the executor, inside its handler of RuntimeErrorSignal: the trap label when the current frame catches the
// error, otherwise the signal is thrown on to the caller. The failing statement is kept for ResumeRetry; the
// executor, which knows the statement list, then keeps the one after it for ResumeNext.
std::string_view CatchingLabel();

// Receives the module, number and line of an error no frame caught.
using ErrorReportHook = std::function<void(const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line)>;
void SetErrorReportHook(ErrorReportHook hook);
void ReportUncaughtError();
