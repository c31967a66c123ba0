// The formatting of one printed item for its target: tab expansion on the console, the width rule, the separator.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/output_target.h"
#include "host/console_output.h"
#include "host/work_buffer.h"

inline constexpr std::uint32_t kZoneWidth = 14;

struct PrintPosition {
  OutputKind kind;
  std::uint32_t column;
  std::uint32_t width;  // 0: no limit
};

// Copies the item into text, its tabs expanded to blanks up to the next multiple of 8 columns.
void ExpandTabs(const std::uint8_t* item, std::size_t length, const PrintPosition& position, WorkBuffer& text);

// Appends the bytes the target receives for the item: a line end first when it does not fit on the line, the item
// (cut into lines at the width for a file target), then the separator. A spacing item is never moved to a new line.
void FormatItem(const std::uint8_t* item, std::size_t length, const PrintPosition& position, bool spacing,
                Separator separator, WorkBuffer& out);
