// The string stack of pending operands: making it, and emptying it after an error.
#include "values/string_stack.h"

#include <stdexcept>

#include "values/raise_error.h"
#include "values/memory.h"

namespace string_stack {

using state::depth;
using state::slots;

StringDescriptor* NextSlotSlowly() {
  if (slots == nullptr) {
    slots = static_cast<Slot*>(memory::Allocate(kSlots * sizeof(Slot)));
    if (slots == nullptr) RaiseError(error::kOutOfMemory);
  }
  if (depth == kSlots) RaiseError(error::kExpressionTooComplex);
  return &slots[depth].copy;
}

void PopWhileEmpty() { throw std::logic_error("string stack popped while empty"); }

void Reset() {
  if (slots != nullptr) {
    for (std::uint16_t index = 0; index < depth; ++index) {
      const StringDescriptor& string = *slots[index].reference;
      if (IsTemporary(string) && string.data != nullptr) string_space::Free(string.data);
    }
  }
  memory::Free(slots);
  slots = nullptr;
  depth = 0;
}

}  // namespace string_stack
