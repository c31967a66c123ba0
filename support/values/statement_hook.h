// The statement hook: what every statement does before its own work, and the local routine calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "flow.h"

// Every statement calls these two first: StatementStart with the position of the statement after it, then SetLine.
void StatementStart(std::size_t next_statement);
void SetLine(std::uint16_t line);

// The host's poll runs at the first statement and then at every eleventh.
inline constexpr std::uint32_t kPollReload = 10;
void SetPollHook(std::function<void()> poll);

// Local routines run on the caller's frame: a statement returns CallRoutine(label) to jump there, and the routine's
// last statement returns ReturnFromRoutine() to continue after the call.
inline constexpr std::size_t kRoutineCallLimit = 128;
Flow CallRoutine(std::string_view label);
Flow ReturnFromRoutine();
std::size_t RoutineCallDepth();
// Drops the calls made in the current frame (a named routine being left).
void DiscardFrameRoutineCalls();

// Back to the state before any statement ran.
void ResetStatementHook();
