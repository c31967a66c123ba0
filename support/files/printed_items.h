// The common printed item, collected straight into a file's output buffer. Nearly every printed line of the card
// file is one or a few of them: inline.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/channel_table.h"
#include "files/output_buffer.h"
#include "values/string_space.h"

// What follows a printed item's text in the common case.
enum class ItemEnd : std::uint8_t { Nothing, LineEnd };

// The common printed item: its text, and a line end when asked, for an output or append file with no width whose
// buffer has room for them as it is. They are collected at once and true is returned; for any other item nothing is
// done and the caller formats it in full.
inline bool CollectPrintedItem(ChannelObject object, const std::uint8_t* text, std::size_t length, ItemEnd end) {
  FileRecord* file = FileAt(object);
  if (file == nullptr || file->control->print_width != 0) return false;
  const std::size_t total = length + (end == ItemEnd::LineEnd ? 2 : 0);
  std::uint8_t* room = RoomInBuffer(*file, total);
  if (room == nullptr) return false;
  string_space::CopyInSixteens(room, text, length);
  PendingOutput& pending = file->pending;
  if (end == ItemEnd::LineEnd) {
    room[length] = 0x0D;
    room[length + 1] = 0x0A;
    file->control->print_column = 0;
    pending.column_unscanned = false;
  } else if (!pending.column_unscanned) {
    // The column counts these bytes only when it is asked for: nearly always the line end follows first.
    pending.column_unscanned = true;
    pending.column_scan_from = pending.length;
  }
  pending.length += static_cast<std::uint32_t>(total);
  return true;
}
