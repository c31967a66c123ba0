// The core operations on string values: pushing operands, storing results, assignment, concatenation,
// comparison, length and the release of temporaries.
#pragma once

#include <cstdint>
#include <string_view>

#include "string_descriptor.h"
#include "string_space.h"
#include "string_stack.h"

// The operand pushes and pops, and the release, run for nearly every operand of every statement: they are inline.
inline void PushStringVariable(StringDescriptor& variable) {
  if (variable.kind == StringKind::Temporary || variable.kind == StringKind::FixedView) {
    string_stack::PushCopy(variable);
  } else {
    string_stack::PushReference(variable);
  }
}
// Constants are cp932 bytes; they enter expressions as temporary copies.
void PushStringConstant(std::string_view constant);
inline void PushEmptyString() { string_stack::PushCopy({StringKind::Temporary, 0, nullptr}); }
inline StringDescriptor PopString() { return string_stack::Pop(); }
// Stores n bytes and pushes them as a temporary; the bytes may lie in the string space.
void MakeTemporary(std::uint32_t length, const std::uint8_t* bytes);
// Frees the stored bytes of a variable or temporary.
inline void ReleaseString(const StringDescriptor& string) {
  const bool owns = string.kind == StringKind::Variable || string.kind == StringKind::Temporary;
  if (owns && string.data != nullptr) string_space::Free(string.data);
}

void AssignFromStack(StringDescriptor& destination);
void AssignConstant(StringDescriptor& destination, std::string_view constant);
void AssignVariable(StringDescriptor& destination, const StringDescriptor& source);
void ClearString(StringDescriptor& destination);

// Pops b, then a; pushes a followed by b (error 15 beyond 2,147,483,647 bytes).
void Concatenate();

enum class Comparison : std::uint8_t { Equal = 0, Greater = 1, Smaller = 2 };
// Pops b, then a; compares a with b bytewise.
Comparison CompareStrings();
std::uint32_t StringLength();

// Hands a routine's local result variable to the caller as a temporary, without copying its bytes.
void ReturnStringResult(StringDescriptor& result);

// Empties the stack after a run-time error, releasing every temporary on it.
void ResetStringStack();
// Frees every stored string whose owner lies in the leaving routine's local area [low, high).
void ReleaseFrameStrings(const void* low, const void* high);

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

 private:
  StringDescriptor string_;
  bool released_ = false;
};

// Releases the operand, then pushes length bytes of it from offset as the result. The released bytes stay in
// place until the store, which copies them out before it can move anything.
void PushPartOf(PoppedString& operand, std::uint32_t offset, std::uint32_t length);
