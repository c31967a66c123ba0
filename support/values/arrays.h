// Arrays: descriptors, dimensioning, element addresses with bounds checks, and release by frame.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "values/run_context.h"
#include "values/value_state.h"

inline constexpr std::size_t kMaxDimensions = 8;
// Indexes 0 to 10 in every dimension when an array is used before it is dimensioned.
inline constexpr std::uint32_t kAutomaticElementCount = 11;

enum class ElementKind : std::uint8_t {
  Integer16 = 0,
  Integer32 = 1,
  Single = 2,
  Double = 3,
  String = 0x10,
  FixedLengthString = 0x13,  // the element is its bytes: the element size is the string's length
  FixedSize = 0x40,
};

struct ArrayShape {
  std::uint8_t dimension_count;
  std::array<std::uint32_t, kMaxDimensions> element_counts;  // upper bound + 1; lower bounds are 0
};

struct ArrayDescriptor {
  std::uint8_t state = 0;
  ElementKind element_kind = ElementKind::Integer16;
  void* data = nullptr;  // null while not dimensioned
  ArrayShape* shape = nullptr;
  std::int32_t reserved = -1;
};

// Built by the caller: upper bounds for DimensionArray, indexes for ArrayElement.
struct DimensionRequest {
  ElementKind element_kind;
  std::uint8_t dimension_count;
  std::uint32_t element_size;
  ArrayDescriptor* descriptor;
  ArrayShape* shape;
  std::array<std::int32_t, kMaxDimensions> values;
};

// Errors 5 (bound too large, too many dimensions), 7, 9 (4 GiB or more), 10 (dimensioned twice), 76.
void DimensionArray(const DimensionRequest& request);
// The element's address; an array not yet dimensioned gets 11 elements in every dimension. Errors 5, 9, 76.
void* ArrayElement(const DimensionRequest& request);
void ReleaseDeeperArrays();
// Frees the arrays dimensioned by routines deeper than the current frame. Arrays are registered in the order of
// their frames, so a routine that made none costs one look at the last.
inline void ReleaseFrameArrays() {
  const ArrayRegistryState& registry = value_state.arrays;
  if (registry.count != 0 && registry.entries[registry.count - 1].frame > Context().frame) ReleaseDeeperArrays();
}
// Frees every array at the end of a run.
void ReleaseAllArrays();
