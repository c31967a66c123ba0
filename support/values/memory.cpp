// Memory blocks of the runtime, with refusal controls for testing the out-of-memory paths.
#include "values/memory.h"

#include <cstdlib>
#include <limits>

namespace memory {
namespace {

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

std::size_t requests_left = kUnlimited;
std::size_t largest_granted = kUnlimited;
std::size_t granted = 0;
std::size_t live = 0;

bool Grant(std::size_t bytes) {
  if (bytes > largest_granted || requests_left == 0) return false;
  if (requests_left != kUnlimited) --requests_left;
  ++granted;
  return true;
}

}  // namespace

void* Allocate(std::size_t bytes) {
  if (!Grant(bytes)) return nullptr;
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block != nullptr) ++live;
  return block;
}

void* AllocateUnfilled(std::size_t bytes) {
  if (!Grant(bytes)) return nullptr;
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (block != nullptr) ++live;
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
  --live;
}

void RefuseAfter(std::size_t requests) { requests_left = requests; }
void RefuseAbove(std::size_t bytes) { largest_granted = bytes; }

void StopRefusing() {
  requests_left = kUnlimited;
  largest_granted = kUnlimited;
}

std::size_t GrantedRequests() { return granted; }
std::size_t LiveBlocks() { return live; }

}  // namespace memory
