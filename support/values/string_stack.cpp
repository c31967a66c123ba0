// The string stack of pending operands.
#include "string_stack.h"

#include <stdexcept>

#include "error_trap.h"
#include "memory.h"
#include "string_space.h"

namespace string_stack {
namespace {

struct Slot {
  StringDescriptor* reference;
  StringDescriptor copy;
};

Slot* slots = nullptr;
std::uint16_t depth = 0;

}  // namespace

StringDescriptor* NextSlot() {
  if (slots == nullptr) {
    slots = static_cast<Slot*>(memory::Allocate(kSlots * sizeof(Slot)));
    if (slots == nullptr) RaiseError(error::kOutOfMemory);
  }
  if (depth == kSlots) RaiseError(error::kExpressionTooComplex);
  return &slots[depth].copy;
}

void PushReference(StringDescriptor& variable) {
  NextSlot();
  slots[depth++].reference = &variable;
}

void PushCopy(const StringDescriptor& string) {
  StringDescriptor* copy = NextSlot();
  *copy = string;
  if (copy->data != nullptr) string_space::SetOwner(copy->data, copy);
  slots[depth++].reference = copy;
}

StringDescriptor Pop() {
  if (depth == 0) throw std::logic_error("string stack popped while empty");
  return *slots[--depth].reference;
}

std::uint16_t Depth() { return depth; }

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
