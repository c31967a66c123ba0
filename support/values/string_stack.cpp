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
    state.top = state.slots;
    state.end = state.slots + kSlots;
  }
  if (state.top == state.end) RaiseError(error::kExpressionTooComplex);
  return &state.top->copy;
}

void PopWhileEmpty() { throw std::logic_error("string stack popped while empty"); }

void Reset() {
  if (state.slots != nullptr) {
    for (const Slot* slot = state.slots; slot != state.top; ++slot) {
      const StringDescriptor& string = *slot->reference;
      if (IsTemporary(string) && string.data != nullptr) string_space::Free(string.data);
    }
  }
  memory::Free(state.slots);
  state.slots = nullptr;
  state.top = nullptr;
  state.end = nullptr;
}

}  // namespace string_stack
