// The argument area and its records.
#include "values/argument_area.h"

#include <new>

#include "values/raise_error.h"
#include "values/memory.h"
#include "values/run_context.h"
#include "values/string_values.h"

namespace {

enum class RecordKind : std::uint8_t { Single = 2, String = 0x10 };

struct RecordHeader {
  RecordKind kind;
  std::uint32_t frame;
};
static_assert(sizeof(RecordHeader) == 8);

constexpr std::size_t kSingleRecordSize = sizeof(RecordHeader) + 8;
constexpr std::size_t kStringRecordSize = sizeof(RecordHeader) + sizeof(StringDescriptor);

std::byte* area = nullptr;
std::uint16_t record_count = 0;
std::uint16_t used = 0;

std::size_t SizeOf(RecordKind kind) { return kind == RecordKind::String ? kStringRecordSize : kSingleRecordSize; }
RecordHeader& HeaderAt(std::size_t offset) { return *reinterpret_cast<RecordHeader*>(area + offset); }
std::byte* PayloadAt(std::size_t offset) { return area + offset + sizeof(RecordHeader); }

// Appends an empty record and returns the address of its payload.
std::byte* Append(RecordKind kind) {
  const std::size_t size = SizeOf(kind);
  if (size > kArgumentAreaSize - used) RaiseError(error::kArgumentAreaFull);
  if (area == nullptr) {
    // Records are written whole before they are read, and the area comes and goes with every call that makes
    // one, so it is not filled.
    area = static_cast<std::byte*>(memory::AllocateUnfilled(kArgumentAreaSize));
    if (area == nullptr) RaiseError(error::kOutOfMemory);
  }
  const std::size_t offset = used;
  new (area + offset) RecordHeader{kind, Context().frame};
  used = static_cast<std::uint16_t>(used + size);
  ++record_count;
  return PayloadAt(offset);
}

// Releases every record from the given offset on, which holds record number `first`.
void TruncateAt(std::size_t offset, std::uint16_t first) {
  for (std::size_t at = offset; at < used; at += SizeOf(HeaderAt(at).kind)) {
    if (HeaderAt(at).kind == RecordKind::String) ReleaseString(*reinterpret_cast<StringDescriptor*>(PayloadAt(at)));
  }
  used = static_cast<std::uint16_t>(offset);
  record_count = first;
  if (record_count == 0) {
    memory::Free(area);
    area = nullptr;
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
  const std::uint16_t kept = count >= record_count ? 0 : static_cast<std::uint16_t>(record_count - count);
  std::size_t offset = 0;
  for (std::uint16_t index = 0; index < kept; ++index) offset += SizeOf(HeaderAt(offset).kind);
  TruncateAt(offset, kept);
}

void ReleaseFrameArguments() {
  const std::uint32_t frame = Context().frame;
  std::size_t offset = 0;
  std::uint16_t index = 0;
  while (offset < used && HeaderAt(offset).frame < frame) {
    offset += SizeOf(HeaderAt(offset).kind);
    ++index;
  }
  if (offset < used) TruncateAt(offset, index);
}

std::uint16_t ArgumentRecordCount() { return record_count; }
std::uint16_t ArgumentBytesUsed() { return used; }
