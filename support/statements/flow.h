// What a statement tells the executor to do next: the following statement, a jump to a recorded statement
// (a resume point), or the end of the routine. Jumps to labels are entries of
// the statement list, resolved when the list is built.
#pragma once

#include <cstddef>

enum class FlowKind : unsigned char { Next, Jump, Exit };

struct Flow {
  FlowKind kind = FlowKind::Next;
  std::size_t statement = 0;
};

inline constexpr Flow kNext{};
inline constexpr Flow kExit{FlowKind::Exit, 0};

constexpr Flow JumpTo(std::size_t statement) { return {FlowKind::Jump, statement}; }
