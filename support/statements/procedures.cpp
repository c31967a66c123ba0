// Frames of the named routines on a frame stack with a fixed budget.
#include "statements/procedures.h"

#include "statements/error_trap.h"
#include "statements/statement_hook.h"
#include "values/arrays.h"
#include "values/run_context.h"
#include "values/string_space.h"
#include "values/string_values.h"

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);

// The frame stack: each frame is the caller's saved context followed by the locals.
struct FrameHeader {
  RunContext saved;
  std::size_t previous_frame_offset;
};

constexpr std::size_t RoundUp(std::size_t bytes) { return (bytes + kAlignment - 1) / kAlignment * kAlignment; }

// This module's part of the run's state.
FrameStackState& frames = statement_state.frames;

FrameHeader& CurrentFrame() { return *reinterpret_cast<FrameHeader*>(frames.bytes + frames.current_frame_offset); }

void Leave() {
  DiscardFrameRoutineCalls();
  FrameHeader& header = CurrentFrame();
  RunContext& context = Context();
  const void* local_low = context.local_low;
  const void* local_high = context.local_high;
  context = header.saved;
  frames.top = frames.current_frame_offset;
  frames.current_frame_offset = header.previous_frame_offset;
  ReleaseFrameArrays();
  ReleaseFrameStrings(local_low, local_high);
}

}  // namespace

void* EnterProcedure(std::size_t locals_size) {
  const std::size_t frame_size = RoundUp(sizeof(FrameHeader)) + RoundUp(locals_size);
  if (frames.top + frame_size + kFrameReserve > frames.budget) RaiseError(error::kOutOfStackSpace);
  string_space::WatchOwnersWithin(frames.bytes, frames.bytes + sizeof frames.bytes);
  RunContext& context = Context();
  new (frames.bytes + frames.top) FrameHeader{context, frames.current_frame_offset};
  std::byte* locals = frames.bytes + frames.top + RoundUp(sizeof(FrameHeader));
  frames.current_frame_offset = frames.top;
  frames.top += frame_size;

  RunContext entered;
  entered.frame = context.frame + 1;
  entered.line = context.line;
  entered.local_low = locals;
  entered.local_high = locals + locals_size;
  context = entered;
  return locals;
}

void LeaveProcedure() {
  const ErrorState& errors = Errors();
  if (errors.in_handler && errors.handler_frame == Context().frame) RaiseError(error::kRoutineEndsInHandler);
  Leave();
}

void AbandonProcedure() { Leave(); }

void SetFrameStackBudget(std::size_t bytes) {
  frames.budget = bytes < kDefaultFrameStackBudget ? bytes : kDefaultFrameStackBudget;
}
std::size_t FrameStackUsed() { return frames.top; }
