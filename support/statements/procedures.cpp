// Frames of the named routines on a frame stack with a fixed budget.
#include "statements/procedures.h"

#include "values/arrays.h"
#include "statements/error_trap.h"
#include "values/run_context.h"
#include "values/string_space.h"
#include "values/string_values.h"
#include "statements/statement_hook.h"

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);

// The frame stack: each frame is the caller's saved context followed by the locals.
struct FrameHeader {
  RunContext saved;
  std::size_t previous_frame_offset;
};

constexpr std::size_t RoundUp(std::size_t bytes) { return (bytes + kAlignment - 1) / kAlignment * kAlignment; }

alignas(kAlignment) std::byte frame_stack[kDefaultFrameStackBudget];
std::size_t budget = kDefaultFrameStackBudget;
std::size_t top = 0;
std::size_t current_frame_offset = 0;

FrameHeader& CurrentFrame() { return *reinterpret_cast<FrameHeader*>(frame_stack + current_frame_offset); }

void Leave() {
  DiscardFrameRoutineCalls();
  FrameHeader& header = CurrentFrame();
  RunContext& context = Context();
  const void* local_low = context.local_low;
  const void* local_high = context.local_high;
  context = header.saved;
  top = current_frame_offset;
  current_frame_offset = header.previous_frame_offset;
  ReleaseFrameArrays();
  ReleaseFrameStrings(local_low, local_high);
}

}  // namespace

void* EnterProcedure(std::size_t locals_size) {
  const std::size_t frame_size = RoundUp(sizeof(FrameHeader)) + RoundUp(locals_size);
  if (top + frame_size + kFrameReserve > budget) RaiseError(error::kOutOfStackSpace);
  string_space::WatchOwnersWithin(frame_stack, frame_stack + sizeof frame_stack);
  RunContext& context = Context();
  new (frame_stack + top) FrameHeader{context, current_frame_offset};
  std::byte* locals = frame_stack + top + RoundUp(sizeof(FrameHeader));
  current_frame_offset = top;
  top += frame_size;

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

void SetFrameStackBudget(std::size_t bytes) { budget = bytes < kDefaultFrameStackBudget ? bytes : kDefaultFrameStackBudget; }
std::size_t FrameStackUsed() { return top; }
