// The statement machine's part of the run's state: the statement hook's countdown and host poll, the local routine
// calls, the frame stack of the named routines and the receiver of uncaught errors. One object, read inline by
// every statement; the runtime's one reset starts it afresh.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "values/value_state.h"

// The host's poll runs at the first statement and then at every eleventh. It is a plain function: it runs some
// hundred thousand times a second and mostly finds nothing to do.
inline constexpr std::uint32_t kPollInterval = 11;
using PollHook = void (*)();
inline void NoPoll() {}

inline constexpr std::size_t kRoutineCallLimit = 128;

struct RoutineCall {
  std::uint32_t frame;
  std::uint16_t line;
  const void* return_to;  // the executor's step after the call
};

// Room kept free below every frame, as the locals of a routine must leave it untouched.
inline constexpr std::size_t kFrameReserve = 2048;
inline constexpr std::size_t kDefaultFrameStackBudget = 256 * 1024;

// Each frame is the caller's saved context followed by the locals.
struct FrameStackState {
  alignas(alignof(std::max_align_t)) std::byte bytes[kDefaultFrameStackBudget];
  std::size_t budget = kDefaultFrameStackBudget;
  std::size_t top = 0;
  std::size_t current_frame_offset = 0;
};

// Receives the module, number and line of an error no frame caught.
using ErrorReportHook = std::function<void(const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line)>;

struct StatementState {
  // Statements left until the next poll, this one included.
  std::uint32_t poll_countdown = 1;
  PollHook poll_hook = NoPoll;
  bool stack_balance_checked = false;
  std::array<RoutineCall, kRoutineCallLimit> routine_calls{};
  std::size_t routine_call_depth = 0;
  FrameStackState frames;
  ErrorReportHook report_hook;
};

inline StatementState statement_state;
