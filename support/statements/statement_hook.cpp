// The statement hook: the host poll and the depth of the local routine calls.
#include "statements/statement_hook.h"

void Poll() {
  statement_state.poll_countdown = kPollInterval;
  statement_state.poll_hook();
}

void SetPollHook(PollHook poll) { statement_state.poll_hook = poll != nullptr ? poll : NoPoll; }

std::size_t RoutineCallDepth() { return statement_state.routine_call_depth; }

void CheckStackBalance(bool enabled) { statement_state.stack_balance_checked = enabled; }
