// Writing printed bytes to a channel, record ends and flushing, and closing channels with the end-of-file mark.
#include <cstring>

#include "files/channel_table.h"
#include "files/error_tables.h"
#include "files/output_buffer.h"
#include "files/output_target.h"
#include "statements/error_trap.h"
#include "values/memory.h"

namespace {

constexpr std::uint8_t kLineFeed = 0x0A;

// The column counts the bytes after the last line feed. Printed lines usually end in one; other items seldom hold
// any, and are searched forward at the library's speed.
void UpdatePrintColumn(ControlBlock& control, const std::uint8_t* bytes, std::size_t length) {
  if (length == 0) return;  // an empty item has no bytes to search, and may have no place either
  if (bytes[length - 1] == kLineFeed) {
    control.print_column = 0;
    return;
  }
  const std::uint8_t* line_start = bytes;
  const std::uint8_t* end = bytes + length;
  while (const void* found = std::memchr(line_start, kLineFeed, static_cast<std::size_t>(end - line_start))) {
    line_start = static_cast<const std::uint8_t*>(found) + 1;
  }
  const auto after = static_cast<std::uint32_t>(end - line_start);
  control.print_column = line_start != bytes ? after : control.print_column + after;
}

// A printed item collected without its line end is counted into the column only when the column is asked for or
// the collected bytes are about to move: nearly always the line end of its statement follows and sets it to 0.
void SettleColumn(FileRecord& file) {
  PendingOutput& pending = file.pending;
  if (!pending.column_unscanned) return;
  pending.column_unscanned = false;
  UpdatePrintColumn(*file.control, pending.bytes + pending.column_scan_from, pending.length - pending.column_scan_from);
}

platform::ErrorCode WriteEndMark(FileRecord& file) {
  const std::uint8_t mark = kEndOfFileMark;
  const platform::ErrorCode failure = CollectOutput(file, &mark, 1);
  return failure != 0 ? failure : WritePending(file);
}

// Writes what is pending and the end-of-file mark of an output file, and releases the file; returns the first
// write failure. A failed write cuts the file back to its whole records and drops what was pending, the mark with
// it: the mark is then written once more, alone.
platform::ErrorCode Close(FileRecord& file) {
  SettleColumn(file);
  platform::ErrorCode failure = 0;
  if (file.kind == FileKind::Output || file.kind == FileKind::Append) {
    failure = WriteEndMark(file);
    if (failure != 0) WriteEndMark(file);
  }
  platform::CloseFile(file.handle);
  memory::Free(file.pending.bytes);
  memory::Free(file.ahead.bytes);
  memory::Free(file.control->record_buffer);
  memory::Free(file.control);
  memory::Free(&file);
  return failure;
}

platform::ErrorCode CloseChannel(std::int32_t channel) {
  const ChannelObject object = ObjectOf(channel);
  if (object == kNoObject) return 0;
  Unbind(channel);
  FileRecord* file = FileAt(object);
  if (file == nullptr) return 0;
  Unregister(object);
  return Close(*file);
}

// Keeps the first of the failures met while every channel is handled.
class FirstFailure {
 public:
  void Note(platform::ErrorCode failure) {
    if (failure_ == 0) failure_ = failure;
  }
  void RaiseIfAny() const {
    if (failure_ != 0) RaiseError(ReadWriteFailureError(failure_));
  }

 private:
  platform::ErrorCode failure_ = 0;
};

}  // namespace

ChannelObject SelectOutputChannel(std::int32_t channel) {
  const ChannelObject object = OpenObject(channel);
  const bool console = object == kConsoleWindowDevice || object == kScreenDevice;
  CurrentOutputTarget() = console ? OutputTarget{OutputKind::Console, 0} : OutputTarget{OutputKind::Channel, object};
  return object;
}

void WriteBytes(ChannelObject object, const std::uint8_t* bytes, std::size_t length) {
  FileRecord* file = FileAt(object);
  if (file == nullptr) return;  // a device that takes nothing in
  if (file->kind == FileKind::Input || file->kind == FileKind::Record) RaiseError(error::kBadFileMode);
  SettleColumn(*file);
  const platform::ErrorCode failure = CollectOutput(*file, bytes, length);
  UpdatePrintColumn(*file->control, bytes, length);
  if (failure != 0) RaiseError(ReadWriteFailureError(failure));
}

std::uint32_t ChannelColumn(ChannelObject object) {
  FileRecord* file = FileAt(object);
  if (file == nullptr) return 0;
  SettleColumn(*file);
  return file->control->print_column;
}

std::uint32_t ChannelWidth(ChannelObject object) {
  const FileRecord* file = FileAt(object);
  return file == nullptr ? 0 : file->control->print_width;
}

void MarkRecordEnd(std::int32_t channel) {
  FileRecord* file = FileAt(OpenObject(channel));
  if (file != nullptr) MarkPendingRecordEnd(*file);
}

void FlushChannels() {
  FirstFailure failure;
  for (ChannelObject object = kFirstFileSlot; object < kFirstFileSlot + kFileSlots; ++object) {
    if (FileRecord* file = FileAt(object)) {
      SettleColumn(*file);
      failure.Note(WriteWholeRecords(*file));
    }
  }
  failure.RaiseIfAny();
}

void DropUnfinishedRecords() {
  for (ChannelObject object = kFirstFileSlot; object < kFirstFileSlot + kFileSlots; ++object) {
    if (FileRecord* file = FileAt(object)) {
      SettleColumn(*file);
      DropUnfinishedRecord(*file);
    }
  }
}

// Every channel is closed even when writing fails; the first failure is raised afterwards.
void CloseChannels(std::span<const std::int32_t> channels) {
  for (const std::int32_t channel : channels) RequireChannelNumber(channel);
  FirstFailure failure;
  if (channels.empty()) {
    for (std::int32_t channel = 1; channel <= kLastChannel; ++channel) failure.Note(CloseChannel(channel));
  }
  for (const std::int32_t channel : channels) failure.Note(CloseChannel(channel));
  failure.RaiseIfAny();
}
