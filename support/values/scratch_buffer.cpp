// The scratch buffer for building results.
#include "values/scratch_buffer.h"

#include <cstring>
#include <stdexcept>

#include "values/memory.h"
#include "values/raise_error.h"
#include "values/value_state.h"

namespace {
std::uint8_t static_buffer[ScratchBuffer::kStaticSize];

std::uint8_t* AllocateOrRaise(std::size_t bytes) {
  auto* block = static_cast<std::uint8_t*>(memory::Allocate(bytes));
  if (block == nullptr) RaiseError(error::kOutOfMemory);
  return block;
}
}  // namespace

ScratchBuffer::ScratchBuffer(std::size_t bytes) : data_(static_buffer), size_(kStaticSize) {
  if (value_state.scratch_in_use) throw std::logic_error("a second scratch request while one is live");
  if (bytes > kStaticSize) {
    data_ = AllocateOrRaise(bytes);
    size_ = bytes;
  }
  value_state.scratch_in_use = true;
}

ScratchBuffer::~ScratchBuffer() {
  if (data_ != static_buffer) memory::Free(data_);
  value_state.scratch_in_use = false;
}

void ScratchBuffer::Grow(std::size_t bytes) {
  if (bytes <= size_) return;
  std::uint8_t* grown = AllocateOrRaise(bytes);
  std::memcpy(grown, data_, size_);
  if (data_ != static_buffer) memory::Free(data_);
  data_ = grown;
  size_ = bytes;
}
