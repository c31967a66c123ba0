// The string stack of pending operands: making it, and emptying it after an error.
#include "values/string_stack.h"

#include <stdexcept>

#include "values/memory.h"
#include "values/raise_error.h"

namespace string_stack {

StringDescriptor* NextSlotSlowly() {
  if (state.slots == nullptr) {
    state.slots = static_cast<Slot*>(memory::Allocate(kSlots * sizeof(Slot)));
    if (state.slots == nullptr) RaiseError(error::kOutOfMemory);
  }
  if (state.depth == kSlots) RaiseError(error::kExpressionTooComplex);
  return &state.slots[state.depth].copy;
}

void PopWhileEmpty() { throw std::logic_error("string stack popped while empty"); }

void Reset() {
  if (state.slots != nullptr) {
    for (std::uint16_t index = 0; index < state.depth; ++index) {
      const StringDescriptor& string = *state.slots[index].reference;
      if (IsTemporary(string) && string.data != nullptr) string_space::Free(string.data);
    }
  }
  memory::Free(state.slots);
  state.slots = nullptr;
  state.depth = 0;
}

}  // namespace string_stack
