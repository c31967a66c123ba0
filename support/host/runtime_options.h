// The option values fixed when the program is built, as the host consults them.
#pragma once

#include <cstdint>

#include "statements/statement_hook.h"

struct RuntimeOptions {
  std::uint16_t message_poll_interval;  // statements skipped between two polls
  std::uint16_t start_hidden;           // 1: the main window is made but not shown
  std::uint16_t no_backing_picture;     // 1: text is drawn opaquely, without a picture behind it
};

inline constexpr RuntimeOptions kRuntimeOptions{10, 0, 0};

static_assert(kRuntimeOptions.message_poll_interval == kPollInterval - 1, "the statement hook counts with this interval");
