// The console as a transcript on standard output: every row once, as a line, when it is finished (a line end or a
// scroll moved past it), and at the end the rows still on the screen. On a terminal the unfinished row is also
// shown live, rewritten in place, or each row starts by taking over the line a progress line is drawn on. A quiet
// batch run writes nothing.
#pragma once

#include <memory>

#include "platform/window.h"

namespace platform::posix {

enum class TranscriptOutput : std::uint8_t { None, Lines, LinesAndLiveRow, LinesOverProgress };

std::unique_ptr<Window> OpenTranscriptWindow(TranscriptOutput output);

}  // namespace platform::posix
