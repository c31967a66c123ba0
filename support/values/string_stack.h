// The stack of pending string operands: 85 slots, each a reference to a descriptor and room for a copy of one.
// Every operand of every statement passes through here, so the pushes and the pop are inline; the first push (which
// makes the stack) and a push onto a full stack are calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "values/string_descriptor.h"
#include "values/string_space.h"
#include "values/value_state.h"

namespace string_stack {

inline constexpr std::size_t kSlots = 85;

using Slot = StringStackSlot;

// This module's part of the run's state.
inline StringStackState& state = value_state.string_stack;

// Makes the stack when there is none (error 7) and refuses a push onto a full one (error 16).
StringDescriptor* NextSlotSlowly();
[[noreturn]] void PopWhileEmpty();

// The stack is made and has a free slot: NextSlot raises nothing.
inline bool SlotFree() { return state.top != state.end; }
// The descriptor copy of the slot the next push fills; errors 7 (stack memory) and 16 (all slots taken).
inline StringDescriptor* NextSlot() {
  if (SlotFree()) return &state.top->copy;
  return NextSlotSlowly();
}

// Pushes a variable by reference: nothing is copied.
inline void PushReference(StringDescriptor& variable) {
  NextSlot();
  (state.top++)->reference = &variable;
}

// Pushes a temporary (or fixed-length view) by copying its descriptor into the slot, which then owns its bytes.
inline void PushCopy(const StringDescriptor& string) {
  StringDescriptor* copy = NextSlot();
  *copy = string;
  if (copy->data != nullptr) string_space::SetOwner(copy->data, copy);
  (state.top++)->reference = copy;
}

// Pushes a temporary whose bytes were just stored for the slot NextSlot gave: the header already names it.
inline void PushStored(StringDescriptor* slot, std::uint32_t length, std::uint8_t* data) {
  *slot = {StringKind::Temporary, length, data};
  (state.top++)->reference = slot;
}

// Pushes a view of bytes outside the string space that outlive the statement (the program's constants): nothing is
// stored, the view owns nothing and nothing writes through it.
inline void PushView(std::uint32_t length, const std::uint8_t* bytes) {
  StringDescriptor* slot = NextSlot();
  *slot = {StringKind::FixedView, length, length == 0 ? nullptr : const_cast<std::uint8_t*>(bytes)};
  (state.top++)->reference = slot;
}

// The top entry's descriptor; the caller now owns a popped temporary.
inline StringDescriptor Pop() {
  if (state.top == state.slots) PopWhileEmpty();
  return *(--state.top)->reference;
}

inline std::uint16_t Depth() { return static_cast<std::uint16_t>(state.top - state.slots); }
// Releases every temporary on the stack and frees the stack.
void Reset();

}  // namespace string_stack
