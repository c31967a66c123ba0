// The statement hook: what every statement does before its own work, and the local routine calls.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "statements/error_trap.h"
#include "values/run_context.h"

// The host's poll runs at the first statement and then at every eleventh. It is a plain function: it runs some
// hundred thousand times a second and mostly finds nothing to do.
inline constexpr std::uint32_t kPollInterval = 11;
using PollHook = void (*)();
void SetPollHook(PollHook poll);

namespace statement_hook_state {
// Statements left until the next poll, this one included.
inline std::uint32_t poll_countdown = 1;
inline bool stack_balance_checked = false;
// Reloads the countdown and runs the host's poll.
void Poll();
}  // namespace statement_hook_state

// Every statement calls these two first: StatementStart with its own position (where the handler of an error it
// raises resumes), then SetLine. They run for every statement, so they are inline; only the poll is a call.
inline void StatementStart(std::size_t statement) {
  Context().statement = statement;
  if (--statement_hook_state::poll_countdown == 0) [[unlikely]] statement_hook_state::Poll();
}

inline void SetLine(std::uint16_t line) { Context().line = line; }

// Local routines run on the caller's frame: the calling statement records where to come back with CallRoutine and
// jumps to the routine; its last statement continues at ReturnFromRoutine(), after the call. A call and a return
// come with every header line, so they are inline.
inline constexpr std::size_t kRoutineCallLimit = 128;

namespace statement_hook_state {
struct RoutineCall {
  std::uint32_t frame;
  std::uint16_t line;
  std::size_t return_to;
};
inline std::array<RoutineCall, kRoutineCallLimit> routine_calls;
inline std::size_t routine_call_depth = 0;
}  // namespace statement_hook_state

inline void CallRoutine(std::size_t return_to) {
  using namespace statement_hook_state;
  if (routine_call_depth == kRoutineCallLimit) [[unlikely]] RaiseError(error::kTooManyNestedCalls);
  const RunContext& context = Context();
  routine_calls[routine_call_depth++] = {context.frame, context.line, return_to};
}

inline std::size_t ReturnFromRoutine() {
  using namespace statement_hook_state;
  RunContext& context = Context();
  if (routine_call_depth == 0 || routine_calls[routine_call_depth - 1].frame != context.frame) [[unlikely]] {
    RaiseError(error::kReturnWithoutCall);
  }
  const RoutineCall& call = routine_calls[--routine_call_depth];
  context.line = call.line;
  return call.return_to;
}

// Statements must leave the string stack as they found it; tests switch this check on so that an operand pushed
// and never used fails at its own statement.
void CheckStackBalance(bool enabled);
inline bool StackBalanceChecked() { return statement_hook_state::stack_balance_checked; }
std::size_t RoutineCallDepth();
// Drops the calls made in the current frame (a named routine being left).
inline void DiscardFrameRoutineCalls() {
  using namespace statement_hook_state;
  const std::uint32_t frame = Context().frame;
  while (routine_call_depth > 0 && routine_calls[routine_call_depth - 1].frame == frame) --routine_call_depth;
}

// Back to the state before any statement ran.
void ResetStatementHook();
