// The entries of a statement list besides plain statements: labels, jumps, local routine calls, the error trap,
// resumes and block IFs. Each names its labels as texts that the routine checks when it is built.
//
//     Label("next mail"),
//     GoToIf(130, [](Converter& c) { return EndOfFile(1) != 0; }, "end of mailbox"),
//     If(140, [](Converter& c) { return Len(c.line_text) > 2; }),
//       GoSub(150, "HDRLINE"),
//     EndIf(),
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>

#include "statements/routine.h"

// A name for the statement that follows.
constexpr EntrySpec Label(std::string_view name) { return {EntryKind::Label, 0, name, {}, true}; }

constexpr EntrySpec GoTo(std::uint16_t line, std::string_view target) { return {EntryKind::Jump, line, {}, target, true}; }

template <class Condition>
  requires std::is_empty_v<Condition>
constexpr ConditionalSpec<Condition> GoToIf(std::uint16_t line, Condition, std::string_view target) {
  return {{EntryKind::Jump, line, {}, target, true}};
}

template <class Condition>
  requires std::is_empty_v<Condition>
constexpr ConditionalSpec<Condition> GoToUnless(std::uint16_t line, Condition, std::string_view target) {
  return {{EntryKind::Jump, line, {}, target, false}};
}

// Calls the local routine at the label; its Return continues after this statement.
constexpr EntrySpec GoSub(std::uint16_t line, std::string_view target) { return {EntryKind::GoSub, line, {}, target, true}; }
constexpr EntrySpec Return(std::uint16_t line) { return {EntryKind::Return, line, {}, {}, true}; }
// Leaves the routine (at main level: the end of the program).
constexpr EntrySpec ExitRoutine(std::uint16_t line) { return {EntryKind::Exit, line, {}, {}, true}; }

constexpr EntrySpec OnErrorGoTo(std::uint16_t line, std::string_view handler) {
  return {EntryKind::Trap, line, {}, handler, true};
}
constexpr EntrySpec DisarmErrorTrap(std::uint16_t line) { return {EntryKind::Trap, line, {}, {}, true}; }
constexpr EntrySpec ResumeAtLabel(std::uint16_t line, std::string_view target) {
  return {EntryKind::Resume, line, {}, target, true};
}

template <class Condition>
  requires std::is_empty_v<Condition>
constexpr ConditionalSpec<Condition> If(std::uint16_t line, Condition) {
  return {{EntryKind::If, line, {}, {}, true}};
}
template <class Condition>
  requires std::is_empty_v<Condition>
constexpr ConditionalSpec<Condition> ElseIf(std::uint16_t line, Condition) {
  return {{EntryKind::ElseIf, line, {}, {}, true}};
}
constexpr EntrySpec Else() { return {EntryKind::Else, 0, {}, {}, true}; }
constexpr EntrySpec EndIf() { return {EntryKind::EndIf, 0, {}, {}, true}; }
