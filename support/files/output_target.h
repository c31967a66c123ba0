// The target of the output statement under way: the console of the main window or a file channel. Every output
// statement sets it before its first item.
#pragma once

#include <cstdint>

#include "files/channels.h"

enum class OutputKind : std::uint8_t { Console, Channel };

struct OutputTarget {
  OutputKind kind = OutputKind::Console;
  ChannelObject channel = 0;
};

namespace output_target_state {
extern OutputTarget target;
}  // namespace output_target_state

// Read by every printed item.
inline OutputTarget& CurrentOutputTarget() { return output_target_state::target; }
