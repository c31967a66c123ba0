// The statement hook: what every statement does before its own work, and the local routine calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "statements/statement_state.h"
#include "values/raise_error.h"
#include "values/run_context.h"

void SetPollHook(PollHook poll);

// Reloads the countdown and runs the host's poll.
void Poll();

// Every statement calls these two first: StatementStart with its own step (where the handler of an error it raises
// resumes), then SetLine. They run for every statement, so they are inline; only the poll is a call.
inline void StatementStart(const void* statement) {
  Context().statement = statement;
  if (--statement_state.poll_countdown == 0) [[unlikely]] Poll();
}

inline void SetLine(std::uint16_t line) { Context().line = line; }

// Local routines run on the caller's frame: the calling statement records where to come back with CallRoutine and
// jumps to the routine; its last statement continues at ReturnFromRoutine(), after the call. A call and a return
// come with every header line, so they are inline.
inline void CallRoutine(const void* return_to) {
  StatementState& state = statement_state;
  if (state.routine_call_depth == kRoutineCallLimit) [[unlikely]] RaiseError(error::kTooManyNestedCalls);
  const RunContext& context = Context();
  state.routine_calls[state.routine_call_depth++] = {context.frame, context.line, return_to};
}

inline const void* ReturnFromRoutine() {
  StatementState& state = statement_state;
  RunContext& context = Context();
  const std::size_t depth = state.routine_call_depth;
  if (depth == 0 || state.routine_calls[depth - 1].frame != context.frame) [[unlikely]] {
    RaiseError(error::kReturnWithoutCall);
  }
  const RoutineCall& call = state.routine_calls[--state.routine_call_depth];
  context.line = call.line;
  return call.return_to;
}

// Statements must leave the string stack as they found it; tests switch this check on so that an operand pushed
// and never used fails at its own statement.
void CheckStackBalance(bool enabled);
inline bool StackBalanceChecked() { return statement_state.stack_balance_checked; }
std::size_t RoutineCallDepth();
// Drops the calls made in the current frame (a named routine being left).
inline void DiscardFrameRoutineCalls() {
  StatementState& state = statement_state;
  const std::uint32_t frame = Context().frame;
  std::size_t& depth = state.routine_call_depth;
  while (depth > 0 && state.routine_calls[depth - 1].frame == frame) --depth;
}
