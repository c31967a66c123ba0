// Memory blocks of the runtime, with refusal controls for testing the out-of-memory paths.
#include "values/memory.h"

#include <cstdlib>
#include <limits>
#include <utility>

#include "values/value_state.h"

namespace memory {
namespace {

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// This module's part of the run's state.
MemoryState& state = value_state.memory;

bool Grant(std::size_t bytes) {
  if (bytes > state.largest_granted || state.requests_left == 0) return false;
  if (state.requests_left != kUnlimited) --state.requests_left;
  ++state.granted;
  return true;
}

}  // namespace

void* Allocate(std::size_t bytes) {
  if (!Grant(bytes)) return nullptr;
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block != nullptr) ++state.live;
  return block;
}

void* AllocateUnfilled(std::size_t bytes) {
  if (!Grant(bytes)) return nullptr;
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (block != nullptr) ++state.live;
  return block;
}

void* Resize(void* block, std::size_t bytes) {
  if (block == nullptr) return Allocate(bytes);
  if (!Grant(bytes)) return nullptr;
  return std::realloc(block, bytes == 0 ? 1 : bytes);
}

void Free(void* block) {
  if (block == nullptr) return;
  std::free(block);
  --state.live;
}

void* AllocateReusable(std::size_t bytes, void*& kept) {
  if (kept == nullptr) return AllocateUnfilled(bytes);
  if (!Grant(bytes)) return nullptr;
  ++state.live;
  return std::exchange(kept, nullptr);
}

void FreeReusable(void* block, void*& kept) {
  if (block == nullptr) return;
  if (kept != nullptr) {
    Free(block);
    return;
  }
  kept = block;
  --state.live;
}

void DropKept(void*& kept) {
  std::free(kept);
  kept = nullptr;
}

void RefuseAfter(std::size_t requests) { state.requests_left = requests; }
void RefuseAbove(std::size_t bytes) { state.largest_granted = bytes; }

void StopRefusing() {
  state.requests_left = kUnlimited;
  state.largest_granted = kUnlimited;
}

std::size_t GrantedRequests() { return state.granted; }
std::size_t LiveBlocks() { return state.live; }

}  // namespace memory
