// The core operations on string values: pushing operands, storing results, assignment, concatenation,
// comparison, length and the release of temporaries.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "values/string_descriptor.h"
#include "values/string_space.h"
#include "values/string_stack.h"

// The operand pushes and pops, and the release, run for nearly every operand of every statement: they are inline.
inline void PushStringVariable(StringDescriptor& variable) {
  if (variable.kind == StringKind::Temporary || variable.kind == StringKind::FixedView) {
    string_stack::PushCopy(variable);
  } else {
    string_stack::PushReference(variable);
  }
}
inline void PushEmptyString() { string_stack::PushCopy({StringKind::Temporary, 0, nullptr}); }
inline StringDescriptor PopString() { return string_stack::Pop(); }
// Stores n bytes and pushes them as a temporary; the bytes may lie in the string space.
inline void MakeTemporary(std::uint32_t length, const std::uint8_t* bytes) {
  if (length == 0) {
    PushEmptyString();
    return;
  }
  StringDescriptor* slot = string_stack::NextSlot();
  string_stack::PushStored(slot, length, string_space::StoreTemporary(slot, bytes, length));
}
// Constants are cp932 bytes; they enter expressions as temporary copies.
inline void PushStringConstant(std::string_view constant) {
  MakeTemporary(static_cast<std::uint32_t>(constant.size()), reinterpret_cast<const std::uint8_t*>(constant.data()));
}
// The program's own constants are static: they are read where they lie, which every operation does with a popped
// operand that is not a temporary (an assignment copies it).
inline void PushProgramConstant(std::string_view constant) {
  string_stack::PushView(static_cast<std::uint32_t>(constant.size()),
                         reinterpret_cast<const std::uint8_t*>(constant.data()));
}
// Frees the stored bytes of a variable or temporary.
inline void ReleaseString(const StringDescriptor& string) {
  const bool owns = string.kind == StringKind::Variable || string.kind == StringKind::Temporary;
  if (owns && string.data != nullptr) string_space::Free(string.data);
}

// Pops the top entry into the destination (error 13 for a fixed-length destination).
inline void AssignFromStack(StringDescriptor& destination);
// The assignment of a popped value, in full; AssignFromStack takes the common case, a temporary for a variable, at
// once.
void AssignPopped(StringDescriptor& destination, const StringDescriptor& value);
void AssignConstant(StringDescriptor& destination, std::string_view constant);
void AssignVariable(StringDescriptor& destination, const StringDescriptor& source);
void ClearString(StringDescriptor& destination);

// Pops b, then a; pushes a followed by b (error 15 beyond 2,147,483,647 bytes).
void Concatenate();
inline constexpr std::uint32_t kLongestString = 2147483647;
[[noreturn]] void RefuseLongString();
// The length of a join so far with one more part (error 15 beyond 2,147,483,647 bytes). Every part of every join
// is counted here: inline.
inline std::uint32_t JoinedLength(std::uint32_t so_far, std::string_view part) {
  if (part.size() > kLongestString - so_far) RefuseLongString();  // so_far never exceeds the limit: no wrap
  return so_far + static_cast<std::uint32_t>(part.size());
}
// Pushes the parts joined, total bytes, in one store; they may lie in the string space.
void PushJoined(std::span<const std::string_view> parts, std::uint32_t total);

enum class Comparison : std::uint8_t { Equal = 0, Greater = 1, Smaller = 2 };
// Pops b, then a; compares a with b bytewise.
inline Comparison CompareStrings();
std::uint32_t StringLength();

// Hands a routine's local result variable to the caller as a temporary, without copying its bytes.
void ReturnStringResult(StringDescriptor& result);

// Empties the stack after a run-time error, releasing every temporary on it.
void ResetStringStack();
// Frees every stored string whose owner lies in the leaving routine's local area [low, high).
inline void ReleaseFrameStrings(const void* low, const void* high) { string_space::FreeOwnedWithin(low, high); }

// A popped operand that releases itself, if it is a temporary, when the operation is done with it or is left by
// an error. An operation that stores a result releases its operands first, before the store can move bytes.
class PoppedString {
 public:
  PoppedString() : string_(PopString()) {}
  ~PoppedString() { Release(); }
  PoppedString(const PoppedString&) = delete;
  PoppedString& operator=(const PoppedString&) = delete;

  const StringDescriptor& operator*() const { return string_; }
  const StringDescriptor* operator->() const { return &string_; }
  std::uint32_t length() const { return string_.length; }
  const std::uint8_t* bytes() const { return string_.data; }
  std::string_view view() const {
    return {reinterpret_cast<const char*>(string_.data), string_.length};
  }

  void Release() {
    if (!released_ && IsTemporary(string_)) ReleaseString(string_);
    released_ = true;
  }
  // Gives the operand to a variable: a temporary's bytes change owner, a variable's are copied.
  void AssignTo(StringDescriptor& destination) {
    released_ = true;
    AssignPopped(destination, string_);
  }

 private:
  StringDescriptor string_;
  bool released_ = false;
};

// Releases the operand, then pushes length bytes of it from offset as the result. The released bytes stay in
// place until the store, which copies them out before it can move anything.
inline void PushPartOf(PoppedString& operand, std::uint32_t offset, std::uint32_t length) {
  operand.Release();
  MakeTemporary(length, operand.bytes() + offset);
}
// Stores bytes read in place (they may lie in the string space) and pushes them as a temporary.
inline void PushText(std::string_view text) {
  MakeTemporary(static_cast<std::uint32_t>(text.size()), reinterpret_cast<const std::uint8_t*>(text.data()));
}
// The same for a part of the popped operand, given as a view of its bytes.
inline void PushPartOf(PoppedString& operand, std::string_view part) {
  operand.Release();
  PushText(part);
}

inline void AssignFromStack(StringDescriptor& destination) {
  const StringDescriptor value = PopString();
  if (!IsTemporary(value) || destination.kind == StringKind::Fixed || destination.kind == StringKind::FixedPadded) {
    AssignPopped(destination, value);
    return;
  }
  if (destination.kind == StringKind::Variable && destination.data != nullptr) ReleaseString(destination);
  destination = {StringKind::Variable, value.length, value.data};
  if (value.data != nullptr) string_space::SetOwner(value.data, &destination);
}

// Most comparisons meet a difference, or the end of a short text, within a few bytes: they are made here rather
// than by a call.
inline int CompareBytes(const std::uint8_t* a, const std::uint8_t* b, std::uint32_t length) {
  const std::uint32_t first = length < 16 ? length : 16;
  for (std::uint32_t index = 0; index < first; ++index) {
    if (a[index] != b[index]) return a[index] < b[index] ? -1 : 1;
  }
  return length > first ? std::memcmp(a + first, b + first, length - first) : 0;
}

inline Comparison CompareStrings() {
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
