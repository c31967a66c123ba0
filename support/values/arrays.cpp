// Arrays: dimensioning, element addresses and release.
#include "values/arrays.h"

#include <cstring>

#include "values/memory.h"
#include "values/raise_error.h"
#include "values/run_context.h"
#include "values/string_descriptor.h"
#include "values/string_values.h"
#include "values/value_state.h"

namespace {

constexpr std::uint32_t kLargestUpperBound = 2147483646;
constexpr std::uint64_t kLargestArrayBytes = 0xFFFFFFFFull;

using RegistryEntry = ArrayRegistryEntry;
// This module's part of the run's state.
ArrayRegistryState& registry = value_state.arrays;

void Register(ArrayDescriptor* descriptor) {
  if (registry.count == registry.capacity) {
    const std::size_t capacity = registry.capacity == 0 ? 8 : registry.capacity * 2;
    auto* grown = static_cast<RegistryEntry*>(memory::Resize(registry.entries, capacity * sizeof(RegistryEntry)));
    if (grown == nullptr) RaiseError(error::kOutOfMemory);
    registry.entries = grown;
    registry.capacity = capacity;
  }
  registry.entries[registry.count++] = {Context().frame, descriptor};
}

std::uint64_t ElementCount(const ArrayShape& shape) {
  std::uint64_t count = 1;
  for (std::uint8_t dimension = 0; dimension < shape.dimension_count; ++dimension) {
    count *= shape.element_counts[dimension];
    if (count > kLargestArrayBytes) return count;
  }
  return count;
}

void Allocate(ArrayDescriptor& descriptor, std::uint32_t element_size) {
  const std::uint64_t elements = ElementCount(*descriptor.shape);
  if (elements > kLargestArrayBytes || elements * element_size > kLargestArrayBytes) {
    RaiseError(error::kIndexOutOfRange);
  }
  Register(&descriptor);
  void* data = memory::Allocate(static_cast<std::size_t>(elements * element_size));
  if (data == nullptr) {
    --registry.count;
    RaiseError(error::kOutOfMemory);
  }
  // Zero-filled memory already holds 0 numbers; string elements become empty variables, and fixed-length strings
  // spaces.
  if (descriptor.element_kind == ElementKind::String) {
    auto* strings = static_cast<StringDescriptor*>(data);
    for (std::uint64_t index = 0; index < elements; ++index) strings[index] = {StringKind::Variable, 0, nullptr};
  }
  if (descriptor.element_kind == ElementKind::FixedLengthString) {
    std::memset(data, ' ', static_cast<std::size_t>(elements * element_size));
  }
  descriptor.data = data;
}

void RefuseInHandler() {
  if (Errors().in_handler) RaiseError(error::kDimensionInHandler);
}

void Dimension(const DimensionRequest& request, bool automatic) {
  ArrayDescriptor& descriptor = *request.descriptor;
  ArrayShape& shape = *request.shape;
  if (request.dimension_count == 0 || request.dimension_count > kMaxDimensions) RaiseError(error::kBadArgument);
  descriptor.element_kind = request.element_kind;
  descriptor.shape = &shape;
  shape.dimension_count = request.dimension_count;
  for (std::uint8_t dimension = 0; dimension < request.dimension_count; ++dimension) {
    const auto upper_bound = static_cast<std::uint32_t>(request.values[dimension]);
    if (!automatic && upper_bound > kLargestUpperBound) RaiseError(error::kBadArgument);
    shape.element_counts[dimension] = automatic ? kAutomaticElementCount : upper_bound + 1;
  }
  Allocate(descriptor, request.element_size);
}

void Free(ArrayDescriptor& descriptor) {
  if (descriptor.element_kind == ElementKind::String) {
    const auto* strings = static_cast<const StringDescriptor*>(descriptor.data);
    const std::uint64_t elements = ElementCount(*descriptor.shape);
    for (std::uint64_t index = 0; index < elements; ++index) ReleaseString(strings[index]);
  }
  memory::Free(descriptor.data);
  descriptor.data = nullptr;
}

}  // namespace

void DimensionArray(const DimensionRequest& request) {
  RefuseInHandler();
  if (request.descriptor->data != nullptr) RaiseError(error::kDimensionedTwice);
  Dimension(request, false);
}

void* ArrayElement(const DimensionRequest& request) {
  ArrayDescriptor& descriptor = *request.descriptor;
  if (descriptor.data == nullptr) {
    RefuseInHandler();
    Dimension(request, true);
  }
  const ArrayShape& shape = *descriptor.shape;
  if (request.dimension_count != shape.dimension_count) RaiseError(error::kBadArgument);
  std::uint64_t offset = 0;
  for (int dimension = shape.dimension_count - 1; dimension >= 0; --dimension) {
    const auto index = static_cast<std::uint32_t>(request.values[dimension]);
    if (index >= shape.element_counts[dimension]) RaiseError(error::kIndexOutOfRange);
    offset = offset * shape.element_counts[dimension] + index;
  }
  return static_cast<std::uint8_t*>(descriptor.data) + offset * request.element_size;
}

// An array is registered at the frame that dimensions it, and a frame's arrays go when it is left, so the registry
// runs from shallow to deep frames: those deeper than the current one are at its end.
void ReleaseDeeperArrays() {
  const std::uint32_t frame = Context().frame;
  std::size_t kept = registry.count;
  while (kept > 0 && registry.entries[kept - 1].frame > frame) --kept;
  for (std::size_t index = kept; index < registry.count; ++index) Free(*registry.entries[index].descriptor);
  registry.count = kept;
}

void ReleaseAllArrays() {
  for (std::size_t index = 0; index < registry.count; ++index) Free(*registry.entries[index].descriptor);
  memory::Free(registry.entries);
  registry.entries = nullptr;
  registry.count = 0;
  registry.capacity = 0;
}
