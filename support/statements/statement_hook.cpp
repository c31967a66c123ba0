// The statement hook: the host poll and the depth of the local routine calls.
#include "statements/statement_hook.h"

namespace {

void NoPoll() {}

PollHook poll_hook = NoPoll;

}  // namespace

using statement_hook_state::routine_call_depth;

void statement_hook_state::Poll() {
  poll_countdown = kPollInterval;
  poll_hook();
}

void SetPollHook(PollHook poll) { poll_hook = poll != nullptr ? poll : NoPoll; }

std::size_t RoutineCallDepth() { return routine_call_depth; }

void CheckStackBalance(bool enabled) { statement_hook_state::stack_balance_checked = enabled; }

void ResetStatementHook() {
  statement_hook_state::poll_countdown = 1;
  routine_call_depth = 0;
}
