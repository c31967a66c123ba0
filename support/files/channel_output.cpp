// Writing printed bytes to a channel, and closing channels with the end-of-file mark.
#include <array>

#include "channel_table.h"
#include "error_tables.h"
#include "error_trap.h"
#include "memory.h"
#include "output_target.h"

namespace {

platform::ErrorCode Write(FileRecord& file, const std::uint8_t* bytes, std::size_t length) {
  std::size_t written = 0;
  const platform::ErrorCode failure = platform::WriteFile(file.handle, bytes, length, written);
  ControlBlock& control = *file.control;
  control.position += written;
  if (control.size < control.position) control.size = control.position;
  return failure;
}

void UpdatePrintColumn(ControlBlock& control, const std::uint8_t* bytes, std::size_t length) {
  std::size_t line_start = 0;
  bool ended = false;
  for (std::size_t index = 0; index < length; ++index) {
    if (bytes[index] == 0x0A) {
      line_start = index + 1;
      ended = true;
    }
  }
  const auto after = static_cast<std::uint32_t>(length - line_start);
  control.print_column = ended ? after : control.print_column + after;
}

// Writes the end-of-file mark of an output file and releases the file; returns the mark's write failure.
platform::ErrorCode Close(FileRecord& file) {
  platform::ErrorCode failure = 0;
  if (file.kind == FileKind::Output || file.kind == FileKind::Append) {
    const std::uint8_t mark = kEndOfFileMark;
    failure = Write(file, &mark, 1);
  }
  platform::CloseFile(file.handle);
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

}  // namespace

ChannelObject SelectOutputChannel(std::int32_t channel) {
  const ChannelObject object = OpenObject(channel);
  CurrentOutputTarget() = {OutputKind::Channel, object};
  return object;
}

void WriteBytes(ChannelObject object, const std::uint8_t* bytes, std::size_t length) {
  FileRecord* file = FileAt(object);
  if (file == nullptr) return;  // the null device
  if (file->kind == FileKind::Input || file->kind == FileKind::Record) RaiseError(error::kBadFileMode);
  const platform::ErrorCode failure = Write(*file, bytes, length);
  UpdatePrintColumn(*file->control, bytes, length);
  if (failure != 0) RaiseError(ReadWriteFailureError(failure));
}

std::uint32_t ChannelColumn(ChannelObject object) {
  const FileRecord* file = FileAt(object);
  return file == nullptr ? 0 : file->control->print_column;
}

std::uint32_t ChannelWidth(ChannelObject object) {
  const FileRecord* file = FileAt(object);
  return file == nullptr ? 0 : file->control->print_width;
}

// Every channel is closed even when writing a mark fails; the first failure is raised afterwards.
void CloseChannels(std::span<const std::int32_t> channels) {
  for (const std::int32_t channel : channels) RequireChannelNumber(channel);
  platform::ErrorCode failure = 0;
  const auto close = [&failure](std::int32_t channel) {
    const platform::ErrorCode closed = CloseChannel(channel);
    if (failure == 0) failure = closed;
  };
  if (channels.empty()) {
    for (std::int32_t channel = 1; channel <= kLastChannel; ++channel) close(channel);
  }
  for (const std::int32_t channel : channels) close(channel);
  if (failure != 0) RaiseError(ReadWriteFailureError(failure));
}
