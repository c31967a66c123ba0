// Reading lines and testing for the end of a file. A line ends at CR (with an LF right after it consumed too),
// at an end-of-file mark that is the file's last byte, or at the end of the file; NUL bytes are dropped and a
// lone LF is part of the line. Bytes read ahead are kept for the next line. Both the line input and the end test
// see the file through the read-ahead, and a read that comes up short ends the file there, so a file cut short
// while it is read ends alike for both.
#include <algorithm>
#include <bit>
#include <cstring>

#include "channel_table.h"
#include "error_tables.h"
#include "error_trap.h"
#include "memory.h"
#include "scratch_buffer.h"
#include "string_values.h"

namespace {

constexpr std::uint32_t kReadAheadSize = 64 * 1024;
constexpr std::size_t kLongestLine = 2147483647;
constexpr int kNoByte = -1;

ChannelObject input_object = kNoObject;

void RaiseIfFailed(platform::ErrorCode failure) {
  if (failure != 0) RaiseError(ReadWriteFailureError(failure));
}

void Refill(FileRecord& file, std::uint64_t position) {
  ReadAhead& ahead = file.ahead;
  if (ahead.bytes == nullptr) {
    ahead.bytes = static_cast<std::uint8_t*>(memory::Allocate(kReadAheadSize));
    if (ahead.bytes == nullptr) RaiseError(error::kOutOfMemory);
  }
  const std::uint64_t left = file.control->size - position;
  const std::size_t wanted = left < kReadAheadSize ? static_cast<std::size_t>(left) : kReadAheadSize;
  ahead.start = position;
  ahead.length = 0;
  RaiseIfFailed(platform::SeekFile(file.handle, position));
  for (std::size_t read = 1; ahead.length < wanted && read > 0;) {
    RaiseIfFailed(platform::ReadFile(file.handle, ahead.bytes + ahead.length, wanted - ahead.length, read));
    ahead.length += static_cast<std::uint32_t>(read);
  }
  // The file was cut short by someone else: its end is where the bytes stop.
  if (ahead.length < wanted) file.control->size = position + ahead.length;
}

int ByteAfterRefill(FileRecord& file, std::uint64_t position) {
  if (position >= file.control->size) return kNoByte;
  Refill(file, position);
  if (position >= file.control->size) return kNoByte;
  return file.ahead.bytes[position - file.ahead.start];
}

// The byte at a file offset, or kNoByte past the end.
int ByteAt(FileRecord& file, std::uint64_t position) {
  const ReadAhead& ahead = file.ahead;
  if (position - ahead.start < ahead.length && position < file.control->size) {
    return ahead.bytes[position - ahead.start];
  }
  return ByteAfterRefill(file, position);
}

FileRecord& InputFile(ChannelObject object) {
  FileRecord* file = FileAt(object);
  if (file == nullptr) RaiseError(error::kInputPastEnd);  // the null device has nothing to read
  if (file->kind != FileKind::Input) RaiseError(error::kBadFileMode);
  if (ByteAt(*file, file->control->position) == kNoByte) RaiseError(error::kInputPastEnd);
  return *file;
}

// The end of the file is reached when at most one unread byte is left, whatever that byte is; a line input still
// takes a last single byte. The byte after the position is looked at first, so that the byte at the position is
// the one the read-ahead holds for the line input that follows.
bool AtMostOneByteLeft(FileRecord& file) {
  const std::uint64_t position = file.control->position;
  const int next = ByteAt(file, position + 1);
  const int first = ByteAt(file, position);
  return first == kNoByte || next == kNoByte;
}

// A byte that needs a look of its own: NUL is dropped, CR ends the line, an end-of-file mark may end the file.
bool IsPlainByte(std::uint8_t byte) { return byte != 0x00 && byte != 0x0D && byte != kEndOfFileMark; }

// Appends bytes to the line, growing it by doubling whenever it is full, as one byte at a time would.
void AppendToLine(ScratchBuffer& line, std::size_t& length, const std::uint8_t* bytes, std::size_t count) {
  while (count > 0) {
    if (length == line.size()) {
      if (length == kLongestLine) RaiseError(error::kStringTooLong);
      line.Grow(length > kLongestLine / 2 ? kLongestLine : length * 2);
    }
    const std::size_t taken = count < line.size() - length ? count : line.size() - length;
    std::memcpy(line.data() + length, bytes, taken);
    length += taken;
    bytes += taken;
    count -= taken;
  }
}

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kTopBits = 0x8080808080808080u;
static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

// The top bit of each zero byte of the word is set; bits above the first zero byte may be set falsely, so only the
// lowest set bit is to be trusted.
std::uint64_t ZeroBytes(std::uint64_t word) { return (word - kEveryByte) & ~word & kTopBits; }

// The bytes that need a look, found a word at a time: the first of them lies at the lowest set bit. They are control
// codes, which text seldom holds, so words without a byte below 0x20 are passed at once.
std::uint64_t BytesNeedingALook(std::uint64_t word) {
  if (((word - kEveryByte * 0x20) & ~word & kTopBits) == 0) return 0;
  return ZeroBytes(word) | ZeroBytes(word ^ (kEveryByte * 0x0D)) | ZeroBytes(word ^ (kEveryByte * kEndOfFileMark));
}

// The plain bytes from the position on that the read-ahead holds (the byte at the position is in it).
std::size_t PlainRun(const FileRecord& file, std::uint64_t position) {
  const ReadAhead& ahead = file.ahead;
  const std::uint64_t end = std::min<std::uint64_t>(ahead.start + ahead.length, file.control->size);
  const std::uint8_t* bytes = ahead.bytes + (position - ahead.start);
  const auto available = static_cast<std::size_t>(end - position);
  std::size_t count = 0;
  for (; available - count >= 8; count += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + count, sizeof word);
    if (const std::uint64_t found = BytesNeedingALook(word)) return count + std::countr_zero(found) / 8;
  }
  while (count < available && IsPlainByte(bytes[count])) ++count;
  return count;
}

// Reads one line into the scratch buffer and returns its length; the position moves past the line end. Runs of
// plain bytes are taken straight from the read-ahead.
std::size_t ReadLine(FileRecord& file, ScratchBuffer& line) {
  std::uint64_t position = file.control->position;
  std::size_t length = 0;
  for (int byte = ByteAt(file, position); byte != kNoByte; byte = ByteAt(file, position)) {
    const std::size_t plain = PlainRun(file, position);
    if (plain > 0) {
      AppendToLine(line, length, file.ahead.bytes + (position - file.ahead.start), plain);
      position += plain;
      continue;
    }
    ++position;
    if (byte == 0x00) continue;
    if (byte == 0x0D) {
      if (ByteAt(file, position) == 0x0A) ++position;
      break;
    }
    if (byte == kEndOfFileMark && position == file.control->size) break;
    const auto single = static_cast<std::uint8_t>(byte);
    AppendToLine(line, length, &single, 1);
  }
  file.control->position = position;
  return length;
}

// The common line, short and plain and ended by CR (with or without LF) inside the read-ahead, is stored straight
// from there; it is what ReadLine would build in the static scratch buffer. Returns false for any other line.
bool StorePlainLine(FileRecord& file) {
  const std::uint64_t position = file.control->position;
  const std::size_t plain = PlainRun(file, position);
  const ReadAhead& ahead = file.ahead;
  const std::uint64_t end = position + plain;
  const std::uint64_t known_end = std::min<std::uint64_t>(ahead.start + ahead.length, file.control->size);
  if (plain > ScratchBuffer::kStaticSize || end + 1 >= known_end) return false;
  const std::uint8_t* bytes = ahead.bytes + (position - ahead.start);
  if (bytes[plain] != 0x0D) return false;
  MakeTemporary(static_cast<std::uint32_t>(plain), bytes);
  file.control->position = bytes[plain + 1] == 0x0A ? end + 2 : end + 1;
  return true;
}

}  // namespace

void SelectInputChannel(std::int32_t channel) { input_object = OpenObject(channel); }

void LineInput(StringDescriptor& destination) {
  if (destination.kind == StringKind::Unassigned) destination = {StringKind::Variable, 0, nullptr};
  FileRecord& file = InputFile(input_object);
  if (!StorePlainLine(file)) {
    // Short lines are built in the static scratch buffer; longer ones grow it as far as they need.
    ScratchBuffer line(ScratchBuffer::kStaticSize);
    const std::size_t length = ReadLine(file, line);
    MakeTemporary(static_cast<std::uint32_t>(length), line.data());
  }
  AssignFromStack(destination);
}

std::int32_t EndOfFile(std::int32_t channel) {
  const ChannelObject object = OpenObject(channel);
  FileRecord* file = FileAt(object);
  if (file == nullptr) return -1;
  const ControlBlock& control = *file->control;
  switch (file->kind) {
    case FileKind::Input: return AtMostOneByteLeft(*file) ? -1 : 0;
    case FileKind::Bytes8: return control.position >= control.size ? -1 : 0;
    default: RaiseError(error::kBadFileMode);
  }
}

bool NothingLeftToRead(std::int32_t channel) {
  FileRecord* file = FileAt(OpenObject(channel));
  if (file == nullptr) return true;
  if (file->kind != FileKind::Input) RaiseError(error::kBadFileMode);
  return ByteAt(*file, file->control->position) == kNoByte;
}
