// Raising run-time errors, the error trap of a frame and resuming from its handler.
#include "error_trap.h"

#include <cfenv>
#include <limits>

#include "argument_area.h"
#include "string_values.h"

namespace {

ErrorReportHook report_hook;

void RequireHandlerOfCurrentFrame() {
  const ErrorState& errors = Errors();
  if (!errors.in_handler || errors.handler_frame != Context().frame) RaiseError(error::kResumeWithoutError);
}

void LeaveHandler() {
  ErrorState& errors = Errors();
  errors.in_handler = false;
  errors.handler_frame = 0;
  errors.number = 0;
}

Flow ResumeAtStatement(std::size_t statement) {
  RequireHandlerOfCurrentFrame();
  // No statement start was recorded since the trap was armed: there is nowhere to resume.
  if (statement == kNoStatement) RaiseError(error::kResumeWithoutError);
  LeaveHandler();
  return JumpTo(statement);
}

}  // namespace

void RaiseError(RuntimeErrorNumber number) {
  std::feclearexcept(FE_ALL_EXCEPT);
  ErrorState& errors = Errors();
  if (errors.raising) throw RuntimeErrorSignal{};
  const RunContext& context = Context();
  errors.number = number;
  errors.line = context.line;
  errors.module = context.module;
  errors.raising = true;
  errors.catch_limit = std::numeric_limits<std::uint32_t>::max();
  if (errors.in_handler) {
    errors.in_handler = false;
    errors.catch_limit = errors.handler_frame;
  }
  ResetStringStack();
  throw RuntimeErrorSignal{};
}

void SetErrorTrap(std::string_view label) { Context().trap_label = label; }

RuntimeErrorNumber ErrorNumber() { return Errors().number; }

Flow ResumeNext() { return ResumeAtStatement(Errors().resume_next); }
Flow ResumeRetry() { return ResumeAtStatement(Errors().retry); }

Flow ResumeAt(std::size_t statement) {
  RequireHandlerOfCurrentFrame();
  LeaveHandler();
  return JumpTo(statement);
}

std::string_view CatchingLabel() {
  RunContext& context = Context();
  ErrorState& errors = Errors();
  if (context.trap_label.empty() || context.frame >= errors.catch_limit) throw;
  ReleaseFrameArguments();
  errors.handler_frame = context.frame;
  errors.line = context.line;
  errors.retry = context.statement;
  errors.resume_next = kNoStatement;
  errors.in_handler = true;
  errors.raising = false;
  return context.trap_label;
}

void SetErrorReportHook(ErrorReportHook hook) { report_hook = std::move(hook); }

void ReportUncaughtError() {
  const ErrorState& errors = Errors();
  if (report_hook) report_hook(errors.module, errors.number, errors.line);
}
