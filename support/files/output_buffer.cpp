// Collecting the printed bytes of output files and writing them out at record ends.
#include "files/output_buffer.h"

#include <algorithm>
#include <cstring>

#include "values/memory.h"

namespace {

// A write the test control cuts off: half of its bytes reach the file, then the disk is full.
platform::ErrorCode WriteToFile(FileRecord& file, const std::uint8_t* bytes, std::size_t length, std::size_t& written) {
  std::size_t& countdown = file_state.writes_before_fault;
  if (countdown == 0 || --countdown != 0) {
    return platform::WriteFile(file.handle, bytes, length, written);
  }
  platform::WriteFile(file.handle, bytes, length / 2, written);
  return platform::win32_error::kDiskFull;
}

platform::ErrorCode Write(FileRecord& file, const std::uint8_t* bytes, std::size_t length) {
  std::size_t written = 0;
  const platform::ErrorCode failure = WriteToFile(file, bytes, length, written);
  ControlBlock& control = *file.control;
  control.position += written;
  if (control.size < control.position) control.size = control.position;
  return failure;
}

bool Collects(const FileRecord& file) { return file.kind == FileKind::Output || file.kind == FileKind::Append; }

// The file gives up the bytes past its last whole record, and what is collected is dropped: after a failed write
// the file could not take the rest in order, and at an abnormal end the record under way is never finished.
void CutBackToWholeRecords(FileRecord& file) {
  PendingOutput& pending = file.pending;
  pending.length = 0;
  pending.record_end = 0;
  ControlBlock& control = *file.control;
  if (control.position <= pending.whole_end) return;
  if (platform::TruncateFile(file.handle, pending.whole_end) != 0) return;
  control.position = pending.whole_end;
  control.size = pending.whole_end;
}

// Writes the first count collected bytes and keeps the rest.
platform::ErrorCode WriteOut(FileRecord& file, std::uint32_t count) {
  PendingOutput& pending = file.pending;
  const std::uint64_t start = file.control->position;
  if (const platform::ErrorCode failure = Write(file, pending.bytes, count)) {
    CutBackToWholeRecords(file);
    return failure;
  }
  if (pending.record_end > 0 && pending.record_end <= count) pending.whole_end = start + pending.record_end;
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
  if (pending.bytes == nullptr) {
    const platform::ErrorCode failure = Write(file, bytes, length);
    if (failure != 0) CutBackToWholeRecords(file);
    return failure;
  }
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
  if (!Collects(file)) return;
  PendingOutput& pending = file.pending;
  pending.record_end = pending.length;
  // Nothing waits: the record went out as it was printed.
  if (pending.length == 0) pending.whole_end = file.control->position;
}

platform::ErrorCode WritePending(FileRecord& file) {
  return file.pending.length == 0 ? 0 : WriteOut(file, file.pending.length);
}

platform::ErrorCode WriteWholeRecords(FileRecord& file) {
  return file.pending.record_end == 0 ? 0 : WriteOut(file, file.pending.record_end);
}

void DropUnfinishedRecord(FileRecord& file) {
  if (!Collects(file)) return;
  PendingOutput& pending = file.pending;
  // A record end waiting in the buffer finishes whatever the file holds past its last whole record.
  if (pending.record_end > 0) {
    pending.length = pending.record_end;
    return;
  }
  CutBackToWholeRecords(file);
}

void FailOutputWrite(std::size_t nth) { file_state.writes_before_fault = nth; }
