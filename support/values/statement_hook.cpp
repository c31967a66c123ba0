// The statement hook: resume points, the poll countdown and the local routine calls.
#include "statement_hook.h"

#include <array>

#include "error_trap.h"
#include "run_context.h"

namespace {

struct RoutineCall {
  std::int16_t event;  // -1: called by a statement
  std::uint32_t frame;
  std::size_t return_to;
  std::uint16_t line;
};

void NoPoll() {}

PollHook poll_hook = NoPoll;
std::array<RoutineCall, kRoutineCallLimit> routine_calls;
std::size_t routine_call_depth = 0;

}  // namespace

void statement_hook_state::Poll() {
  poll_countdown = kPollInterval;
  poll_hook();
}

void SetPollHook(PollHook poll) { poll_hook = poll != nullptr ? poll : NoPoll; }

void CallRoutine() {
  if (routine_call_depth == kRoutineCallLimit) RaiseError(error::kTooManyNestedCalls);
  const RunContext& context = Context();
  routine_calls[routine_call_depth++] = {-1, context.frame, context.next_statement, context.line};
}

Flow ReturnFromRoutine() {
  RunContext& context = Context();
  if (routine_call_depth == 0 || routine_calls[routine_call_depth - 1].frame != context.frame) {
    RaiseError(error::kReturnWithoutCall);
  }
  const RoutineCall& call = routine_calls[--routine_call_depth];
  context.line = call.line;
  return JumpTo(call.return_to);
}

std::size_t RoutineCallDepth() { return routine_call_depth; }

void DiscardFrameRoutineCalls() {
  const std::uint32_t frame = Context().frame;
  while (routine_call_depth > 0 && routine_calls[routine_call_depth - 1].frame == frame) --routine_call_depth;
}

void CheckStackBalance(bool enabled) { statement_hook_state::stack_balance_checked = enabled; }

void ResetStatementHook() {
  statement_hook_state::poll_countdown = 1;
  routine_call_depth = 0;
}
