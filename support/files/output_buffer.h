// The output of disk files, collected in a buffer so that the file receives whole records at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "files/channel_table.h"

inline constexpr std::uint32_t kOutputBufferSize = 64 * 1024;

// Takes printed bytes for the file. Output and append files collect them; when the buffer is full, the bytes up to
// the last record end go to the file (a record longer than the buffer goes in whole lines, a line longer than it
// in pieces). Other kinds write at once. Returns the failure of a write.
platform::ErrorCode CollectOutputSlowly(FileRecord& file, const std::uint8_t* bytes, std::size_t length);
// Where the next length bytes go when an output or append file's buffer, as it is, has room for them; else null.
// The caller writes them there and adds them to the pending length. Only output and append files ever get a buffer,
// at their first write.
inline std::uint8_t* RoomInBuffer(FileRecord& file, std::size_t length) {
  PendingOutput& pending = file.pending;
  if (pending.bytes == nullptr || length > kOutputBufferSize - pending.length) return nullptr;
  return pending.bytes + pending.length;
}
// Most printed items fit into the buffer as it is: they are only copied.
inline platform::ErrorCode CollectOutput(FileRecord& file, const std::uint8_t* bytes, std::size_t length) {
  std::uint8_t* room = RoomInBuffer(file, length);
  if (room == nullptr) return CollectOutputSlowly(file, bytes, length);
  if (length > 0) std::memcpy(room, bytes, length);
  file.pending.length += static_cast<std::uint32_t>(length);
  return 0;
}
// The bytes collected so far end a record.
void MarkPendingRecordEnd(FileRecord& file);
// Writes every collected byte. After a failed write the collected bytes are gone, and the file is cut back to its
// last whole record: it could not take the rest in order any more.
platform::ErrorCode WritePending(FileRecord& file);
// Writes the collected whole records and keeps the record under way.
platform::ErrorCode WriteWholeRecords(FileRecord& file);
// Forgets the record under way: its collected bytes, and what a record longer than the buffer already wrote.
void DropUnfinishedRecord(FileRecord& file);

// Test control of the failure paths: the nth write of an output file from now on (counting from 1) puts half of its
// bytes into the file and then fails as on a full disk; 0 fails none.
void FailOutputWrite(std::size_t nth);
