// Numbered file channels: opening in the sequential, record and byte modes, line input, end-of-file tests,
// writing printed bytes, closing with the end-of-file mark, and deleting files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/files.h"
#include "values/string_descriptor.h"

inline constexpr std::int32_t kLastChannel = 255;
inline constexpr std::uint8_t kEndOfFileMark = 0x1A;

// The mode numbers of OpenChannel.
namespace file_mode {
inline constexpr std::int32_t kInput = 1;
inline constexpr std::int32_t kOutput = 2;
inline constexpr std::int32_t kAppend = 3;
}  // namespace file_mode

// The share codes: 0 takes the mode's default.
namespace share_code {
inline constexpr std::int32_t kDenyWrite = 1;
inline constexpr std::int32_t kDenyRead = 2;
inline constexpr std::int32_t kDenyNone = 3;
inline constexpr std::int32_t kExclusive = 4;
}  // namespace share_code

// Pops the file name and opens it on the channel.
void OpenChannel(std::int32_t channel, std::int32_t share, std::int32_t mode);
// Told of a file to be written that the platform would not create or open (its full path and the platform's
// reason), just before the run-time error is raised: a batch run says in one line what the error number does not.
using WriteOpenFailureWatch = std::function<void(std::string_view path, platform::ErrorCode reason)>;
void WatchWriteOpenFailures(WriteOpenFailureWatch watch);

// Printed output: the object a channel is open on, and the finished bytes of each printed item.
using ChannelObject = std::int32_t;
// Makes the channel the output target and returns the object it is open on.
ChannelObject SelectOutputChannel(std::int32_t channel);
void WriteBytes(ChannelObject object, const std::uint8_t* bytes, std::size_t length);
// (The common printed item goes straight into the file's buffer: printed_items.h.)
// Bytes written since the last line end.
std::uint32_t ChannelColumn(ChannelObject object);
// The line width of printed output; 0, no limit, for every channel.
std::uint32_t ChannelWidth(ChannelObject object);

// An output or append file receives its printed bytes whole records at a time. They are collected in a 64 KiB
// buffer; when it is full, the bytes up to the last record end go to the file (a record longer than the buffer
// goes in whole lines). MarkRecordEnd says that the bytes printed to the channel so far end a record.
void MarkRecordEnd(std::int32_t channel);
// Writes out the whole records collected on every channel; a record under way waits for its end. The host calls it
// before any report, prompt, dialog or interrupt. A failed write raises its error, after every channel was tried:
// the bytes that channel had collected are lost, and its file is cut back to its last whole record.
void FlushChannels();
// Whatever ends a run besides the program's own close, an output file keeps only whole records: the shutdown drops
// the record under way on every channel (collected, or already in the file when longer than the buffer) before it
// closes them with their end-of-file mark. Closing a channel otherwise writes everything printed to it.
void DropUnfinishedRecords();

void SelectInputChannel(std::int32_t channel);
// Reads the next line of the selected channel into the variable, without its line end.
void LineInput(StringDescriptor& destination);
// -1 (true) at the end of the file, else 0. At most one unread byte left counts as the end: a line input may
// still take that byte as a last line.
std::int32_t EndOfFile(std::int32_t channel);
// True when a line input from the channel, opened for input, would find no byte left (error 54).
bool NothingLeftToRead(std::int32_t channel);

// How far a file has been read: the position of its next unread byte and its size.
struct ReadingProgress {
  std::uint64_t position;
  std::uint64_t size;
};
// The progress of the file open on the channel; nothing raised, and false, when no file is open on it.
bool ReadingProgressOf(std::int32_t channel, ReadingProgress& progress);

// Closes the listed channels; an empty list closes every channel.
void CloseChannels(std::span<const std::int32_t> channels);
// Pops a file name and deletes the file, which must not be open on any channel.
void DeleteFile();
