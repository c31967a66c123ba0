// The stack of pending string operands: 85 slots, each a reference to a descriptor and room for a copy of one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "string_descriptor.h"

namespace string_stack {

inline constexpr std::size_t kSlots = 85;

// The descriptor copy of the slot the next push fills; errors 7 (stack memory) and 16 (all slots taken).
StringDescriptor* NextSlot();
// Pushes a variable by reference: nothing is copied.
void PushReference(StringDescriptor& variable);
// Pushes a temporary (or fixed-length view) by copying its descriptor into the slot, which then owns its bytes.
void PushCopy(const StringDescriptor& string);
// The top entry's descriptor; the caller now owns a popped temporary.
StringDescriptor Pop();

std::uint16_t Depth();
// Releases every temporary on the stack and frees the stack.
void Reset();

}  // namespace string_stack
