// The channel table and the objects channels are open on: devices in fixed slots, disk files in 256 slots.
#pragma once

#include <array>
#include <cstdint>

#include "files/channels.h"
#include "files/file_state.h"
#include "platform/files.h"

enum class FileKind : std::uint32_t {
  Input = 1,
  Output = 2,
  Append = 3,
  Record = 4,  // modes 4-7
  Bytes8 = 6,
  Bytes9 = 7,
  Bytes10 = 8,
};

struct ControlBlock {
  std::uint16_t mode;
  std::uint16_t reserved;
  std::uint64_t size;
  std::uint16_t print_width;  // 0: no limit
  std::uint32_t print_column;
  std::uint64_t position;  // of the next unread or unwritten byte
  std::uint8_t* record_buffer;
  std::uint16_t record_length;
  std::uint32_t record_number;  // starts at 1
};

// Bytes read ahead of the position of an input file, kept across line inputs.
struct ReadAhead {
  std::uint8_t* bytes;
  std::uint64_t start;  // file offset of bytes[0]
  std::uint32_t length;
};

// Printed bytes of an output or append file not yet written.
struct PendingOutput {
  std::uint8_t* bytes;       // taken at the first write
  std::uint32_t length;
  std::uint32_t record_end;  // the first record_end bytes end with a whole record
  std::uint64_t whole_end;   // the file holds whole records up to this offset; past it, part of one at most
  // The print column has not counted the collected bytes from column_scan_from on yet.
  bool column_unscanned;
  std::uint32_t column_scan_from;
};

struct FileRecord {
  FileKind kind;
  char path[platform::kMaxPath];
  platform::FileHandle handle;
  ControlBlock* control;
  ReadAhead ahead;
  PendingOutput pending;
};

// The devices have fixed objects below the disk files. Printing to the console window or the screen goes to the
// console; the printer and serial ports, the null device and the keyboard take nothing in, and nothing can be read
// from any of them.
inline constexpr ChannelObject kConsoleWindowDevice = 1;  // output only: reading it is error 51
inline constexpr ChannelObject kFirstPortDevice = 2;      // printer ports 2-4, serial ports 5-8: reading them is
inline constexpr ChannelObject kLastPortDevice = 8;       // error 53
inline constexpr ChannelObject kNullDevice = 9;
inline constexpr ChannelObject kScreenDevice = 10;
inline constexpr ChannelObject kKeyboardDevice = 11;
inline constexpr ChannelObject kFirstFileSlot = 15;

// The tables are read by every input and output statement, so the lookups are inline.

[[noreturn]] void RaiseBadChannelNumber();
[[noreturn]] void RaiseChannelNotOpen();
// Error 50 outside 1-255.
inline void RequireChannelNumber(std::int32_t channel) {
  if (channel < 1 || channel > kLastChannel) RaiseBadChannelNumber();
}
// Error 50 or 57; the object the channel is open on.
inline ChannelObject OpenObject(std::int32_t channel) {
  RequireChannelNumber(channel);
  const ChannelObject object = file_state.channel_objects[static_cast<std::size_t>(channel)];
  if (object == kNoObject) RaiseChannelNotOpen();
  return object;
}
ChannelObject ObjectOf(std::int32_t channel);
void Bind(std::int32_t channel, ChannelObject object);
void Unbind(std::int32_t channel);

// The disk file in a slot, or null for a device.
inline FileRecord* FileAt(ChannelObject object) {
  if (object < kFirstFileSlot || object >= kFirstFileSlot + kFileSlots) return nullptr;
  return file_state.file_slots[static_cast<std::size_t>(object - kFirstFileSlot)];
}
// The first free slot's object (error 66 when none); Register fills it.
ChannelObject FreeFileSlot();
void Register(ChannelObject object, FileRecord* record);
void Unregister(ChannelObject object);
