// Collecting the printed bytes of output files and writing them out at record ends.
#include "files/output_buffer.h"

#include <algorithm>
#include <cstring>

#include "values/memory.h"

namespace {

platform::ErrorCode Write(FileRecord& file, const std::uint8_t* bytes, std::size_t length) {
  std::size_t written = 0;
  const platform::ErrorCode failure = platform::WriteFile(file.handle, bytes, length, written);
  ControlBlock& control = *file.control;
  control.position += written;
  if (control.size < control.position) control.size = control.position;
  return failure;
}

bool Collects(const FileRecord& file) { return file.kind == FileKind::Output || file.kind == FileKind::Append; }

// Writes the first count collected bytes and keeps the rest.
platform::ErrorCode WriteOut(FileRecord& file, std::uint32_t count) {
  PendingOutput& pending = file.pending;
  if (const platform::ErrorCode failure = Write(file, pending.bytes, count)) {
    pending.length = 0;
    pending.record_end = 0;
    return failure;
  }
  std::memmove(pending.bytes, pending.bytes + count, pending.length - count);
  pending.length -= count;
  pending.record_end = pending.record_end > count ? pending.record_end - count : 0;
  return 0;
}

// How much of a full buffer goes out: the whole records, else the whole lines, else everything.
std::uint32_t Boundary(const PendingOutput& pending) {
  if (pending.record_end > 0) return pending.record_end;
  for (std::uint32_t end = pending.length; end > 0; --end) {
    if (pending.bytes[end - 1] == 0x0A) return end;
  }
  return pending.length;
}

}  // namespace

platform::ErrorCode CollectOutputSlowly(FileRecord& file, const std::uint8_t* bytes, std::size_t length) {
  if (!Collects(file)) return Write(file, bytes, length);
  PendingOutput& pending = file.pending;
  if (pending.bytes == nullptr) pending.bytes = static_cast<std::uint8_t*>(memory::Allocate(kOutputBufferSize));
  // Without memory for a buffer nothing is collected, and the bytes go out as they come.
  if (pending.bytes == nullptr) return Write(file, bytes, length);
  while (length > 0) {
    if (pending.length == kOutputBufferSize) {
      if (const platform::ErrorCode failure = WriteOut(file, Boundary(pending))) return failure;
    }
    const std::size_t part = std::min<std::size_t>(length, kOutputBufferSize - pending.length);
    std::memcpy(pending.bytes + pending.length, bytes, part);
    pending.length += static_cast<std::uint32_t>(part);
    bytes += part;
    length -= part;
  }
  return 0;
}

void MarkPendingRecordEnd(FileRecord& file) {
  if (Collects(file)) file.pending.record_end = file.pending.length;
}

platform::ErrorCode WritePending(FileRecord& file) {
  return file.pending.length == 0 ? 0 : WriteOut(file, file.pending.length);
}
