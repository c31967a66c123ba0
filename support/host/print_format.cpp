// The formatting of one printed item for its target.
#include "host/print_format.h"

#include "texts/shift_jis.h"

namespace {

constexpr std::uint8_t kTab = 9;
constexpr std::uint32_t kTabStop = 8;
// Beyond this size, and twice the item's own, the expansion leaves the remaining tabs as they are.
constexpr std::size_t kExpansionLimit = 512;

void ExpandFrom(const std::uint8_t* item, std::size_t length, std::uint32_t column, WorkBuffer& text) {
  text.Clear();
  for (std::size_t index = 0; index < length; ++index) {
    const bool stopped = text.size() > kExpansionLimit && text.size() > 2 * length;
    if (item[index] != kTab || stopped) {
      text.Append(item[index]);
      continue;
    }
    const auto at = static_cast<std::uint32_t>(column + text.size());
    text.AppendBlanks(kTabStop - at % kTabStop);
  }
}

// The end of a piece of at most `wanted` bytes from `start` that splits no double-byte character; a piece that
// would be empty takes its one character whole.
std::size_t PieceEnd(const std::uint8_t* item, std::size_t length, std::size_t start, std::size_t wanted) {
  std::size_t end = start;
  while (end < length) {
    const std::size_t next = NextCharacter(item, length, end);
    if (next - start > wanted) break;
    end = next;
  }
  if (end == start && wanted > 0 && end < length) end = NextCharacter(item, length, end);
  return end;
}

// A file target's item cut into lines of the width; returns the column after it.
std::uint32_t CutIntoLines(const std::uint8_t* item, std::size_t length, std::uint32_t column, std::uint32_t width,
                           WorkBuffer& out) {
  std::size_t start = 0;
  std::size_t wanted = width > column ? width - column : 0;
  do {
    const std::size_t end = PieceEnd(item, length, start, wanted);
    out.Append(item + start, end - start);
    out.AppendLineEnd();
    start = end;
    wanted = width;
  } while (length - start >= width);
  out.Append(item + start, length - start);
  return static_cast<std::uint32_t>(length - start);
}

void AppendSeparator(Separator separator, std::uint32_t column, std::uint32_t width, WorkBuffer& out) {
  if (separator == Separator::LineEnd) {
    out.AppendLineEnd();
  } else if (separator == Separator::Zone) {
    const std::uint32_t blanks = kZoneWidth - column % kZoneWidth;
    const bool ends_line = width != 0 && (column + blanks > width || width - (column + blanks) < kZoneWidth);
    if (ends_line) {
      out.AppendLineEnd();
    } else {
      out.AppendBlanks(blanks);
    }
  }
}

}  // namespace

// Tabs count from the current column, or from column 0 when the expanded item will start a new line.
void ExpandTabs(const std::uint8_t* item, std::size_t length, const PrintPosition& position, WorkBuffer& text) {
  ExpandFrom(item, length, position.column, text);
  if (position.width != 0 && position.column + text.size() > position.width) ExpandFrom(item, length, 0, text);
}

void FormatItem(const std::uint8_t* item, std::size_t length, const PrintPosition& position, bool spacing,
                Separator separator, WorkBuffer& out) {
  std::uint32_t column = position.column;
  const std::uint32_t width = position.width;
  if (width == 0 || column + length <= width) {
    out.Append(item, length);
    column += static_cast<std::uint32_t>(length);
  } else {
    if (column != 0 && !spacing) {
      out.AppendLineEnd();
      column = 0;
    }
    // The screen wraps by itself; the column for the separator stays where the item began.
    if (position.kind == OutputKind::Console) {
      out.Append(item, length);
    } else {
      column = CutIntoLines(item, length, column, width, out);
    }
  }
  AppendSeparator(separator, column, width, out);
}
