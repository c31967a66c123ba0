// The argument area and its records.
#include "values/argument_area.h"

#include <new>

#include "values/memory.h"
#include "values/raise_error.h"
#include "values/run_context.h"
#include "values/string_values.h"
#include "values/value_state.h"

namespace {

enum class RecordKind : std::uint8_t { Single = 2, String = 0x10 };

struct RecordHeader {
  RecordKind kind;
  std::uint32_t frame;
};
static_assert(sizeof(RecordHeader) == 8);

constexpr std::size_t kSingleRecordSize = sizeof(RecordHeader) + 8;
constexpr std::size_t kStringRecordSize = sizeof(RecordHeader) + sizeof(StringDescriptor);

// This module's part of the run's state.
ArgumentAreaState& arguments = value_state.arguments;

std::size_t SizeOf(RecordKind kind) { return kind == RecordKind::String ? kStringRecordSize : kSingleRecordSize; }
RecordHeader& HeaderAt(std::size_t offset) { return *reinterpret_cast<RecordHeader*>(arguments.area + offset); }
std::byte* PayloadAt(std::size_t offset) { return arguments.area + offset + sizeof(RecordHeader); }

// Appends an empty record and returns the address of its payload.
std::byte* Append(RecordKind kind) {
  const std::size_t size = SizeOf(kind);
  if (size > kArgumentAreaSize - arguments.used) RaiseError(error::kArgumentAreaFull);
  if (arguments.area == nullptr) {
    // Records are written whole before they are read, and the area comes and goes with every call that makes
    // one, so it is not filled.
    arguments.area = static_cast<std::byte*>(memory::AllocateUnfilled(kArgumentAreaSize));
    if (arguments.area == nullptr) RaiseError(error::kOutOfMemory);
  }
  const std::size_t offset = arguments.used;
  new (arguments.area + offset) RecordHeader{kind, Context().frame};
  arguments.used = static_cast<std::uint16_t>(arguments.used + size);
  ++arguments.record_count;
  return PayloadAt(offset);
}

// Releases every record from the given offset on, which holds record number `first`.
void TruncateAt(std::size_t offset, std::uint16_t first) {
  for (std::size_t at = offset; at < arguments.used; at += SizeOf(HeaderAt(at).kind)) {
    if (HeaderAt(at).kind == RecordKind::String) ReleaseString(*reinterpret_cast<StringDescriptor*>(PayloadAt(at)));
  }
  arguments.used = static_cast<std::uint16_t>(offset);
  arguments.record_count = first;
  if (arguments.record_count == 0) {
    memory::Free(arguments.area);
    arguments.area = nullptr;
  }
}

}  // namespace

StringDescriptor* MakeStringArgument() {
  PoppedString value;
  auto* descriptor = new (Append(RecordKind::String)) StringDescriptor{StringKind::Variable, 0, nullptr};
  PushPartOf(value, 0, value.length());
  AssignFromStack(*descriptor);
  return descriptor;
}

float* MakeSingleArgument(float value) { return new (Append(RecordKind::Single)) float(value); }

void ReleaseArguments(std::uint16_t count) {
  if (count == 0) return;
  const std::uint16_t kept = count >= arguments.record_count ? 0 : static_cast<std::uint16_t>(arguments.record_count - count);
  std::size_t offset = 0;
  for (std::uint16_t index = 0; index < kept; ++index) offset += SizeOf(HeaderAt(offset).kind);
  TruncateAt(offset, kept);
}

void ReleaseFrameArguments() {
  const std::uint32_t frame = Context().frame;
  std::size_t offset = 0;
  std::uint16_t index = 0;
  while (offset < arguments.used && HeaderAt(offset).frame < frame) {
    offset += SizeOf(HeaderAt(offset).kind);
    ++index;
  }
  if (offset < arguments.used) TruncateAt(offset, index);
}

std::uint16_t ArgumentRecordCount() { return arguments.record_count; }
std::uint16_t ArgumentBytesUsed() { return arguments.used; }
