// What a statement tells the executor to do next: the following statement, a jump to a label or to a recorded
// statement, or the end of the routine.
#pragma once

#include <cstddef>
#include <string_view>

enum class FlowKind : unsigned char { Next, GoTo, Jump, Exit };

struct Flow {
  FlowKind kind = FlowKind::Next;
  std::string_view label;
  std::size_t statement = 0;
};

inline constexpr Flow kNext{};
inline constexpr Flow kExit{FlowKind::Exit, {}, 0};

constexpr Flow GoTo(std::string_view label) { return {FlowKind::GoTo, label, 0}; }
constexpr Flow JumpTo(std::size_t statement) { return {FlowKind::Jump, {}, statement}; }
