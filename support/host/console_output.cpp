// The output statement: the target's column and width, the item's formatting and the write to the target.
#include "host/console_output.h"

#include <array>

#include "files/printed_items.h"
#include "host/console_note.h"
#include "host/host_state.h"
#include "host/main_window.h"
#include "host/print_format.h"
#include "statements/error_trap.h"
#include "values/numbers.h"
#include "values/string_values.h"

namespace {

// Room for the common item and its expansion without a memory block.
constexpr std::size_t kFixedRoom = 4096;
std::array<std::uint8_t, 2 * kFixedRoom> item_room;
std::array<std::uint8_t, 2 * kFixedRoom> output_room;


PrintPosition TargetPosition() {
  const OutputTarget& target = CurrentOutputTarget();
  if (target.kind == OutputKind::Channel) {
    return {target.kind, ChannelColumn(target.channel), ChannelWidth(target.channel)};
  }
  const HostWindow* window = MainWindow();
  if (window == nullptr) RaiseError(error::kDeviceFault);
  return {target.kind, static_cast<std::uint32_t>(window->screen.cursor_column()),
          static_cast<std::uint32_t>(window->screen.print_width())};
}

void WriteToTarget(const std::uint8_t* bytes, std::size_t length) {
  const OutputTarget& target = CurrentOutputTarget();
  if (target.kind == OutputKind::Channel) {
    WriteBytes(target.channel, bytes, length);
    return;
  }
  HostWindow* window = MainWindow();
  if (window == nullptr) RaiseError(error::kDeviceFault);
  window->screen.Write(bytes, length);
  CopyToConsoleNote(bytes, length);
}

// A string for a file channel is formatted from the popped bytes themselves: a channel expands no tabs, so the
// item's text is its bytes. They stay in place after the release, as nothing is stored before the write.
void PrintToChannel(PoppedString& item, Separator separator) {
  const PrintPosition position = TargetPosition();
  item.Release();
  WorkBuffer out(output_room, item.length() + kFixedRoom);
  FormatItem(item.bytes(), item.length(), position, host_state.spacing, separator, out);
  WriteToTarget(out.data(), out.size());
}

// Most items are a line's text, or a part of one, for the card file: with no width and no zone there is nothing to
// format, and they are collected straight. An item longer than the fixed room is left to the formatting, which
// would need a memory block for it (error 89 when refused).
bool CollectedStraight(const PoppedString& item, Separator separator, ChannelObject channel) {
  if (separator == Separator::Zone || item.length() > kFixedRoom) return false;
  const ItemEnd end = separator == Separator::LineEnd ? ItemEnd::LineEnd : ItemEnd::Nothing;
  return CollectPrintedItem(channel, item.bytes(), item.length(), end);
}

// Prints the popped string, followed by one blank for a number's text.
void PrintItem(Separator separator, bool number) {
  struct ClearSpacing {
    ~ClearSpacing() { host_state.spacing = false; }
  } clear_spacing;
  PoppedString item;
  const OutputTarget& target = CurrentOutputTarget();
  if (!number && target.kind == OutputKind::Channel) {
    if (!CollectedStraight(item, separator, target.channel)) PrintToChannel(item, separator);
    return;
  }
  const std::size_t length = item.length() + (number ? 1 : 0);
  WorkBuffer text(item_room, length + kFixedRoom);
  const PrintPosition position = TargetPosition();
  if (position.kind == OutputKind::Console) {
    ExpandTabs(item.bytes(), item.length(), position, text);
  } else {
    text.Append(item.bytes(), item.length());
  }
  if (number) text.Append(' ');
  item.Release();
  WorkBuffer out(output_room, text.size() + kFixedRoom);
  FormatItem(text.data(), text.size(), position, host_state.spacing, separator, out);
  WriteToTarget(out.data(), out.size());
}

}  // namespace

void SelectConsoleOutput(std::int32_t window) {
  RequireWindow(window);
  CurrentOutputTarget() = {OutputKind::Console, 0};
}

void PrintString(Separator separator) { PrintItem(separator, false); }

bool PrintedStraight(std::string_view text, Separator separator) {
  const OutputTarget& target = CurrentOutputTarget();
  if (target.kind != OutputKind::Channel || separator == Separator::Zone || text.size() > kFixedRoom) return false;
  const ItemEnd end = separator == Separator::LineEnd ? ItemEnd::LineEnd : ItemEnd::Nothing;
  if (!CollectPrintedItem(target.channel, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), end)) {
    return false;
  }
  host_state.spacing = false;
  return true;
}

void PrintNumber(float value, Separator separator) {
  TextFromNumber(value);
  PrintItem(separator, true);
}

void PrintColumn(std::int32_t column) {
  if (column < 0 || column > 255) RaiseError(error::kBadArgument);
  host_state.spacing = true;
  const PrintPosition position = TargetPosition();
  const std::uint32_t width = position.width == 0 ? 256 : position.width;
  auto target = static_cast<std::uint32_t>(column);
  if (target > width) target %= width;
  std::uint32_t blanks = target;
  if (position.column <= target) {
    blanks = target - position.column;
  } else {
    static constexpr std::uint8_t kLineEnd[2] = {13, 10};
    WriteToTarget(kLineEnd, 2);
  }
  std::array<std::uint8_t, 256> room;
  room.fill(' ');
  MakeTemporary(blanks, room.data());
}

void EndPrint() {}
