// The argument area and its records.
#include "values/argument_area.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "values/memory.h"
#include "values/raise_error.h"
#include "values/run_context.h"
#include "values/string_values.h"
#include "values/value_state.h"

namespace {

enum class RecordKind : std::uint8_t {
  Integer16 = 0,
  Integer32 = 1,
  Single = 2,
  Double = 3,
  String = 0x10,
  FixedView = 0x11,
  Fixed = 0x12,
  FixedPadded = 0x13,
};

struct RecordHeader {
  RecordKind kind;
  std::uint32_t frame;
};
static_assert(sizeof(RecordHeader) == 8);

// The payload of a fixed-length string's record: the caller's buffer and the working string the callee sees.
struct FixedRecord {
  FixedLengthBuffer buffer;
  StringDescriptor working;
};

// Every number fits the 8 bytes of the largest.
constexpr std::size_t kNumberRecordSize = sizeof(RecordHeader) + sizeof(double);
constexpr std::size_t kStringRecordSize = sizeof(RecordHeader) + sizeof(StringDescriptor);
constexpr std::size_t kFixedRecordSize = sizeof(RecordHeader) + sizeof(FixedRecord);

// This module's part of the run's state.
ArgumentAreaState& arguments = value_state.arguments;

bool IsFixedLength(RecordKind kind) { return kind >= RecordKind::FixedView && kind <= RecordKind::FixedPadded; }

std::size_t SizeOf(RecordKind kind) {
  if (kind == RecordKind::String) return kStringRecordSize;
  return IsFixedLength(kind) ? kFixedRecordSize : kNumberRecordSize;
}
RecordHeader& HeaderAt(std::size_t offset) { return *reinterpret_cast<RecordHeader*>(arguments.area + offset); }
std::byte* PayloadAt(std::size_t offset) { return arguments.area + offset + sizeof(RecordHeader); }

// The working string goes back into the caller's buffer, cut to its length or padded with spaces.
void CopyBack(const FixedRecord& record) {
  const FixedLengthBuffer& buffer = record.buffer;
  const std::uint32_t kept = std::min(record.working.length, buffer.length);
  if (kept > 0) std::memcpy(buffer.data, record.working.data, kept);
  if (buffer.length > kept) std::memset(buffer.data + kept, ' ', buffer.length - kept);
}

void Release(std::size_t offset) {
  const RecordKind kind = HeaderAt(offset).kind;
  if (kind == RecordKind::String) ReleaseString(*reinterpret_cast<StringDescriptor*>(PayloadAt(offset)));
  if (IsFixedLength(kind)) {
    const auto& record = *reinterpret_cast<FixedRecord*>(PayloadAt(offset));
    CopyBack(record);
    ReleaseString(record.working);
  }
}

// Appends an empty record and returns the address of its payload.
std::byte* Append(RecordKind kind) {
  const std::size_t size = SizeOf(kind);
  if (size > kArgumentAreaSize - arguments.used) RaiseError(error::kArgumentAreaFull);
  if (arguments.area == nullptr) {
    // Records are written whole before they are read, and the area comes and goes with every call that makes
    // one, so it is not filled, and its block is kept for the next call.
    arguments.area = static_cast<std::byte*>(memory::AllocateReusable(kArgumentAreaSize, arguments.kept));
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
  for (std::size_t at = offset; at < arguments.used; at += SizeOf(HeaderAt(at).kind)) Release(at);
  arguments.used = static_cast<std::uint16_t>(offset);
  arguments.record_count = first;
  if (arguments.record_count == 0) {
    memory::FreeReusable(arguments.area, arguments.kept);
    arguments.area = nullptr;
  }
}

}  // namespace

StringDescriptor* MakeStringArgument() {
  PoppedString value;
  auto* descriptor = new (Append(RecordKind::String)) StringDescriptor{StringKind::Variable, 0, nullptr};
  // The record's string is a copy the callee may replace: a temporary is one already, and becomes the record's.
  value.AssignTo(*descriptor);
  return descriptor;
}

std::int16_t* MakeInteger16Argument(std::int16_t value) {
  return new (Append(RecordKind::Integer16)) std::int16_t(value);
}
std::int32_t* MakeInteger32Argument(std::int32_t value) {
  return new (Append(RecordKind::Integer32)) std::int32_t(value);
}
float* MakeSingleArgument(float value) { return new (Append(RecordKind::Single)) float(value); }
double* MakeDoubleArgument(double value) { return new (Append(RecordKind::Double)) double(value); }

StringDescriptor* MakeFixedLengthArgument(StringKind kind, FixedLengthBuffer buffer) {
  const auto record_kind = static_cast<RecordKind>(kind);
  if (!IsFixedLength(record_kind)) throw std::logic_error("argument record of a fixed-length kind expected");
  // The copy is made before the record exists, so that a record is never released, and its buffer overwritten,
  // without its working string.
  MakeTemporary(buffer.length, buffer.data);
  auto* record = new (Append(record_kind)) FixedRecord{buffer, {StringKind::Variable, 0, nullptr}};
  AssignFromStack(record->working);
  return &record->working;
}

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

void DiscardArgumentArea() {
  ReleaseArguments(arguments.record_count);
  memory::DropKept(arguments.kept);
}

std::uint16_t ArgumentRecordCount() { return arguments.record_count; }
std::uint16_t ArgumentBytesUsed() { return arguments.used; }
