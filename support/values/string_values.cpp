// The core operations on string values.
#include "values/string_values.h"

#include <cstring>

#include "values/raise_error.h"
#include "values/scratch_buffer.h"
#include "values/string_space.h"
#include "values/string_stack.h"

namespace {

const std::uint8_t* BytesOf(std::string_view text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

bool IsFixedLength(const StringDescriptor& string) {
  return string.kind == StringKind::Fixed || string.kind == StringKind::FixedPadded;
}

// The last steps shared by every assignment: the destination takes over the popped temporary's bytes.
void TakeOver(StringDescriptor& destination, const StringDescriptor& value) {
  destination = {StringKind::Variable, value.length, value.data};
  if (value.data != nullptr) string_space::SetOwner(value.data, &destination);
}

// The destination reads as empty until its new value is stored: a store that is refused must not leave it pointing
// at released bytes, which the next compaction would hand to another string.
void ReleaseOld(StringDescriptor& destination) {
  if (destination.kind == StringKind::Variable && destination.data != nullptr) {
    ReleaseString(destination);
    destination = {StringKind::Variable, 0, nullptr};
  }
}

// The destination takes a copy of the bytes, stored for it at once rather than as a temporary it then takes over.
// The stack is still checked (and made) first, as for that temporary, so that every refusal comes where it would.
void TakeCopy(StringDescriptor& destination, std::uint32_t length, const std::uint8_t* bytes) {
  string_stack::NextSlot();
  std::uint8_t* data = length == 0 ? nullptr : string_space::Store(&destination, bytes, length);
  destination = {StringKind::Variable, length, data};
}

void AssignCopy(StringDescriptor& destination, std::uint32_t length, const std::uint8_t* bytes) {
  if (IsFixedLength(destination)) RaiseError(error::kFixedLengthAssignment);
  ReleaseOld(destination);
  TakeCopy(destination, length, bytes);
}

}  // namespace

void AssignPopped(StringDescriptor& destination, const StringDescriptor& value) {
  if (IsFixedLength(destination)) {
    if (IsTemporary(value)) ReleaseString(value);
    RaiseError(error::kFixedLengthAssignment);
  }
  ReleaseOld(destination);
  if (IsTemporary(value)) {
    TakeOver(destination, value);
  } else {
    TakeCopy(destination, value.length, value.data);
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
  // A join the static scratch buffer would hold, where there is room, moves nothing: both parts are copied straight
  // to their place. A longer one still asks for its scratch block first, which memory may refuse (error 7).
  StringDescriptor* slot = string_stack::NextSlot();
  std::uint8_t* data = total <= ScratchBuffer::kStaticSize ? string_space::AppendHeader(slot, total) : nullptr;
  if (data != nullptr) {
    string_space::CopyBytes(data, a.bytes(), a.length());
    string_space::CopyBytes(data + a.length(), b.bytes(), b.length());
    b.Release();
    a.Release();
    string_stack::PushStored(slot, total, data);
    return;
  }
  ScratchBuffer scratch(total);
  if (a.length() != 0) std::memcpy(scratch.data(), a.bytes(), a.length());
  if (b.length() != 0) std::memcpy(scratch.data() + a.length(), b.bytes(), b.length());
  b.Release();
  a.Release();
  MakeTemporary(total, scratch.data());
}

void RefuseLongString() { RaiseNumberedError(error::kStringTooLong); }

// As in a join of two: where there is room, a join the static scratch buffer would hold goes straight to its place;
// otherwise the parts are gathered outside the space first, as the store may move every string.
void PushJoined(std::span<const std::string_view> parts, std::uint32_t total) {
  if (total == 0) {
    PushEmptyString();
    return;
  }
  const auto gather = [&parts](std::uint8_t* to) {
    for (const std::string_view part : parts) {
      if (!part.empty()) string_space::CopyBytes(to, BytesOf(part), part.size());
      to += part.size();
    }
  };
  StringDescriptor* slot = string_stack::NextSlot();
  std::uint8_t* data = total <= ScratchBuffer::kStaticSize ? string_space::AppendHeader(slot, total) : nullptr;
  if (data != nullptr) {
    gather(data);
    string_stack::PushStored(slot, total, data);
    return;
  }
  ScratchBuffer scratch(total);
  gather(scratch.data());
  MakeTemporary(total, scratch.data());
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

