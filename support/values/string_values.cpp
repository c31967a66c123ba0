// The core operations on string values.
#include "string_values.h"

#include <cstring>

#include "error_trap.h"
#include "scratch_buffer.h"
#include "string_space.h"
#include "string_stack.h"

namespace {

constexpr std::uint32_t kLongestString = 2147483647;

const std::uint8_t* BytesOf(std::string_view text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

bool IsFixedLength(const StringDescriptor& string) {
  return string.kind == StringKind::Fixed || string.kind == StringKind::FixedPadded;
}

// The last steps shared by every assignment: the destination takes over the popped temporary's bytes.
void TakeOver(StringDescriptor& destination, const StringDescriptor& value) {
  destination = {StringKind::Variable, value.length, value.data};
  if (value.data != nullptr) string_space::SetOwner(value.data, &destination);
}

void ReleaseOld(StringDescriptor& destination) {
  if (destination.kind == StringKind::Variable && destination.data != nullptr) ReleaseString(destination);
}

// Most comparisons meet a difference, or the end of a short text, within a few bytes: they are made here
// rather than by a call.
int CompareBytes(const std::uint8_t* a, const std::uint8_t* b, std::uint32_t length) {
  const std::uint32_t first = length < 16 ? length : 16;
  for (std::uint32_t index = 0; index < first; ++index) {
    if (a[index] != b[index]) return a[index] < b[index] ? -1 : 1;
  }
  return length > first ? std::memcmp(a + first, b + first, length - first) : 0;
}

void AssignCopy(StringDescriptor& destination, std::uint32_t length, const std::uint8_t* bytes) {
  if (IsFixedLength(destination)) RaiseError(error::kFixedLengthAssignment);
  ReleaseOld(destination);
  MakeTemporary(length, bytes);
  TakeOver(destination, string_stack::Pop());
}

}  // namespace

void PushStringConstant(std::string_view constant) {
  MakeTemporary(static_cast<std::uint32_t>(constant.size()), BytesOf(constant));
}

void MakeTemporary(std::uint32_t length, const std::uint8_t* bytes) {
  if (length == 0) {
    PushEmptyString();
    return;
  }
  StringDescriptor* slot = string_stack::NextSlot();
  string_stack::PushStored(slot, length, string_space::Store(slot, bytes, length));
}

void AssignFromStack(StringDescriptor& destination) {
  const StringDescriptor value = PopString();
  if (IsFixedLength(destination)) {
    if (IsTemporary(value)) ReleaseString(value);
    RaiseError(error::kFixedLengthAssignment);
  }
  ReleaseOld(destination);
  if (IsTemporary(value)) {
    TakeOver(destination, value);
  } else {
    MakeTemporary(value.length, value.data);
    TakeOver(destination, string_stack::Pop());
  }
}

void AssignConstant(StringDescriptor& destination, std::string_view constant) {
  AssignCopy(destination, static_cast<std::uint32_t>(constant.size()), BytesOf(constant));
}

void AssignVariable(StringDescriptor& destination, const StringDescriptor& source) {
  AssignCopy(destination, source.length, source.data);
}

void ClearString(StringDescriptor& destination) {
  if (IsFixedLength(destination)) RaiseError(error::kFixedLengthAssignment);
  ReleaseOld(destination);
  destination = {StringKind::Variable, 0, nullptr};
}

void Concatenate() {
  PoppedString b;
  PoppedString a;
  if (a.length() > kLongestString - b.length()) RaiseError(error::kStringTooLong);
  const std::uint32_t total = a.length() + b.length();
  if (total == 0) {
    PushEmptyString();
    return;
  }
  ScratchBuffer scratch(total);
  if (a.length() != 0) std::memcpy(scratch.data(), a.bytes(), a.length());
  if (b.length() != 0) std::memcpy(scratch.data() + a.length(), b.bytes(), b.length());
  b.Release();
  a.Release();
  MakeTemporary(total, scratch.data());
}

Comparison CompareStrings() {
  PoppedString b;
  PoppedString a;
  if (a.length() == 0 || b.length() == 0) {
    if (a.length() == b.length()) return Comparison::Equal;
    return a.length() == 0 ? Comparison::Smaller : Comparison::Greater;
  }
  const std::uint32_t shorter = a.length() < b.length() ? a.length() : b.length();
  const int order = CompareBytes(a.bytes(), b.bytes(), shorter);
  if (order != 0) return order > 0 ? Comparison::Greater : Comparison::Smaller;
  if (a.length() == b.length()) return Comparison::Equal;
  return a.length() > b.length() ? Comparison::Greater : Comparison::Smaller;
}

std::uint32_t StringLength() {
  PoppedString string;
  return string.length();
}

void ReturnStringResult(StringDescriptor& result) {
  if (result.kind == StringKind::Unassigned) {
    PushEmptyString();
  } else if (result.kind == StringKind::Variable) {
    result.kind = StringKind::Temporary;
    string_stack::PushCopy(result);
  } else {
    string_stack::PushReference(result);
  }
}

void ResetStringStack() { string_stack::Reset(); }

void ReleaseFrameStrings(const void* low, const void* high) { string_space::FreeOwnedWithin(low, high); }

void PushPartOf(PoppedString& operand, std::uint32_t offset, std::uint32_t length) {
  operand.Release();
  MakeTemporary(length, operand.bytes() + offset);
}
