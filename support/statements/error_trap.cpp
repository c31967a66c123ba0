// The error trap of a frame: catching a raised error, cleaning up after it and resuming from the handler.
#include "statements/error_trap.h"

#include "statements/statement_state.h"

#include "values/string_values.h"

namespace {

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

void SetErrorTrap(std::string_view label) { Context().trap_label = label; }

Flow ResumeNext() { return ResumeAtStatement(Errors().resume_next); }
Flow ResumeRetry() { return ResumeAtStatement(Errors().retry); }

Flow ResumeAt(std::size_t statement) {
  RequireHandlerOfCurrentFrame();
  LeaveHandler();
  return JumpTo(statement);
}

void RestoreAfterError() { ResetStringStack(); }

std::string_view CatchingLabel() {
  RunContext& context = Context();
  ErrorState& errors = Errors();
  if (context.trap_label.empty() || context.frame >= errors.catch_limit) throw;
  errors.handler_frame = context.frame;
  errors.line = context.line;
  errors.resume_next = kNoStatement;
  errors.in_handler = true;
  errors.raising = false;
  return context.trap_label;
}

void SetErrorReportHook(ErrorReportHook hook) { statement_state.report_hook = std::move(hook); }

void ReportUncaughtError() {
  const ErrorState& errors = Errors();
  if (statement_state.report_hook) statement_state.report_hook(errors.module, errors.number, errors.line);
}
