// The buffer in which a printed item is formatted.
#include "host/work_buffer.h"

#include <cstring>

#include "statements/error_trap.h"
#include "values/memory.h"

WorkBuffer::WorkBuffer(std::span<std::uint8_t> fixed, std::size_t capacity)
    : data_(fixed.data()), capacity_(fixed.size()) {
  Reserve(capacity);
}

WorkBuffer::~WorkBuffer() {
  if (owned_) memory::Free(data_);
}

void WorkBuffer::Reserve(std::size_t capacity) {
  if (capacity <= capacity_) return;
  auto* block = static_cast<std::uint8_t*>(memory::Allocate(capacity));
  if (block == nullptr) RaiseError(error::kNoPrintBuffer);
  if (size_ > 0) std::memcpy(block, data_, size_);
  if (owned_) memory::Free(data_);
  data_ = block;
  capacity_ = capacity;
  owned_ = true;
}
