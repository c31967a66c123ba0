// The console as a transcript on standard output: every row once, as a line, when it is finished (a line end or a
// scroll moved past it), and at the end the rows still on the screen. On a terminal the unfinished row is also
// shown live, rewritten in place.
#pragma once

#include <memory>

#include "platform/window.h"

namespace platform::posix {

enum class LiveRow : std::uint8_t { Hidden, Shown };

std::unique_ptr<Window> OpenTranscriptWindow(LiveRow live);

}  // namespace platform::posix
