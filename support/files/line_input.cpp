// Reading lines and testing for the end of a file. A line ends at CR (with an LF right after it consumed too),
// at an end-of-file mark that is the file's last byte, or at the end of the file; NUL bytes are dropped and a
// lone LF is part of the line. Bytes read ahead are kept for the next line. Both the line input and the end test
// see the file through the read-ahead, and a read that comes up short ends the file there, so a file cut short
// while it is read ends alike for both.
#include <algorithm>
#include <bit>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "files/channel_table.h"
#include "files/error_tables.h"
#include "files/file_state.h"
#include "statements/error_trap.h"
#include "values/memory.h"
#include "values/scratch_buffer.h"
#include "values/string_values.h"

namespace {

constexpr std::uint32_t kReadAheadSize = 64 * 1024;
// Bytes are looked at sixteen at a time. The read-ahead has that much spare room after its end, so that its last
// held bytes are looked at like the others: the bytes behind them are stale or zero, never unset, and ignored.
constexpr std::size_t kChunk = 16;
constexpr std::size_t kLongestLine = 2147483647;
constexpr int kNoByte = -1;


void RaiseIfFailed(platform::ErrorCode failure) {
  if (failure != 0) RaiseError(ReadWriteFailureError(failure));
}

void Refill(FileRecord& file, std::uint64_t position) {
  ReadAhead& ahead = file.ahead;
  if (ahead.bytes == nullptr) {
    ahead.bytes = static_cast<std::uint8_t*>(memory::Allocate(kReadAheadSize + kChunk));
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
  if (file == nullptr) RaiseError(error::kInputPastEnd);  // nothing can be read from a device
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

// The bytes that need a look of their own among sixteen, bit i for byte i: NUL is dropped, CR ends the line, an
// end-of-file mark may end the file. The machine's vector instructions take all sixteen at once where it has them.
std::uint32_t BytesNeedingALook(const std::uint8_t* bytes) {
#ifdef __SSE2__
  const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  const __m128i nul = _mm_cmpeq_epi8(chunk, _mm_setzero_si128());
  const __m128i cr = _mm_cmpeq_epi8(chunk, _mm_set1_epi8(0x0D));
  const __m128i mark = _mm_cmpeq_epi8(chunk, _mm_set1_epi8(static_cast<char>(kEndOfFileMark)));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(nul, cr), mark)));
#else
  std::uint32_t marks = 0;
  for (std::size_t index = 0; index < kChunk; ++index) {
    const std::uint8_t byte = bytes[index];
    if (byte == 0x00 || byte == 0x0D || byte == kEndOfFileMark) marks |= 1U << index;
  }
  return marks;
#endif
}

// The number of plain bytes at the start of bytes[0, available), looked at sixteen at a time; the last ones are
// looked at with the bytes behind them, which the read-ahead's spare room holds.
std::size_t PlainRun(const std::uint8_t* bytes, std::size_t available) {
  for (std::size_t count = 0; count < available; count += kChunk) {
    if (const std::uint32_t marks = BytesNeedingALook(bytes + count)) {
      return std::min<std::size_t>(count + static_cast<std::size_t>(std::countr_zero(marks)), available);
    }
  }
  return available;
}

// The bytes the read-ahead holds from the position on, up to the end of the file; empty when the position lies
// outside it.
struct HeldBytes {
  const std::uint8_t* bytes;
  std::size_t count;
};
HeldBytes HeldFrom(const FileRecord& file, std::uint64_t position) {
  const ReadAhead& ahead = file.ahead;
  const std::uint64_t end = std::min<std::uint64_t>(ahead.start + ahead.length, file.control->size);
  if (position < ahead.start || position >= end) return {nullptr, 0};
  return {ahead.bytes + (position - ahead.start), static_cast<std::size_t>(end - position)};
}

// Reads one line into the scratch buffer and returns its length; the position moves past the line end. Runs of
// plain bytes are taken straight from the read-ahead.
std::size_t ReadLine(FileRecord& file, ScratchBuffer& line) {
  std::uint64_t position = file.control->position;
  std::size_t length = 0;
  for (int byte = ByteAt(file, position); byte != kNoByte; byte = ByteAt(file, position)) {
    const HeldBytes held = HeldFrom(file, position);
    const std::size_t plain = PlainRun(held.bytes, held.count);
    if (plain > 0) {
      AppendToLine(line, length, held.bytes, plain);
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

// The line is stored for the variable at once, as an assigned temporary would be: stored while the variable still
// holds its old value, which is released after (a store that makes room may move it). The stack slot that temporary
// would take is asked for all the same, so that a stack that cannot be made (7) or is full (16) still refuses it.
void StoreLine(StringDescriptor& destination, const std::uint8_t* bytes, std::size_t length) {
  const auto stored_length = static_cast<std::uint32_t>(length);
  string_stack::NextSlot();
  if (destination.kind != StringKind::Variable) {
    MakeTemporary(stored_length, bytes);
    AssignFromStack(destination);
    return;
  }
  std::uint8_t* data = length == 0 ? nullptr : string_space::Store(&destination, bytes, stored_length);
  ReleaseString(destination);
  destination = {StringKind::Variable, stored_length, data};
}

// The common line: short and plain and ended by CR (with or without LF) inside the read-ahead, it is what ReadLine
// would build in the static scratch buffer.
struct PlainLine {
  const std::uint8_t* bytes;
  std::uint32_t length;
  std::size_t taken;  // with its line end
};

// Finds the common line at the position; false, having done nothing, for any other line and for a file that is not
// an input file, which the full reading reads or raises the error for.
bool FindPlainLine(const FileRecord* file, PlainLine& line) {
  if (file == nullptr || file->kind != FileKind::Input) return false;
  const HeldBytes held = HeldFrom(*file, file->control->position);
  const std::size_t length = PlainRun(held.bytes, std::min(held.count, ScratchBuffer::kStaticSize + 1));
  if (length > ScratchBuffer::kStaticSize || length + 1 >= held.count || held.bytes[length] != 0x0D) return false;
  line = {held.bytes, static_cast<std::uint32_t>(length), held.bytes[length + 1] == 0x0A ? length + 2 : length + 1};
  return true;
}

// The full store of a common line, then the position moves past it.
[[gnu::noinline]] void StorePlainLine(StringDescriptor& destination, const std::uint8_t* bytes, std::uint32_t length,
                                      ControlBlock& control, std::size_t taken) {
  StoreLine(destination, bytes, length);
  control.position += taken;
}

// Lines that are not common: long ones, ones with bytes that need a look, ones that run past the read-ahead.
[[gnu::noinline]] void ReadWholeLine(StringDescriptor& destination) {
  FileRecord& file = InputFile(file_state.input_object);
  // Short lines are built in the static scratch buffer; longer ones grow it as far as they need.
  ScratchBuffer line(ScratchBuffer::kStaticSize);
  const std::size_t length = ReadLine(file, line);
  StoreLine(destination, line.data(), length);
}

}  // namespace

void SelectInputChannel(std::int32_t channel) {
  const ChannelObject object = OpenObject(channel);
  if (object == kConsoleWindowDevice) RaiseError(error::kBadFileMode);
  if (object >= kFirstPortDevice && object <= kLastPortDevice) RaiseError(error::kBadDevice);
  file_state.input_object = object;
}

// Nearly every line is a common one for a variable where the space has room: it is stored here, and anything rarer
// goes to a call of its own, so that the common path makes none.
void LineInput(StringDescriptor& destination) {
  if (destination.kind == StringKind::Unassigned) destination = {StringKind::Variable, 0, nullptr};
  FileRecord* file = FileAt(file_state.input_object);
  PlainLine line;
  if (!FindPlainLine(file, line)) {
    ReadWholeLine(destination);
    return;
  }
  ControlBlock& control = *file->control;
  // As StoreLine does it, when the stack has the slot, the variable needs no note as a watched owner and the space
  // has room without moving anything.
  const bool plain_store = destination.kind == StringKind::Variable && string_stack::SlotFree() &&
                           !string_space::IsWatched(&destination);
  std::uint8_t* data = nullptr;
  if (plain_store && line.length > 0) data = string_space::AppendHeader(&destination, line.length);
  if (!plain_store || (line.length > 0 && data == nullptr)) {
    StorePlainLine(destination, line.bytes, line.length, control, line.taken);
    return;
  }
  ReleaseString(destination);
  destination = {StringKind::Variable, line.length, data};
  control.position += line.taken;
  string_space::CopyInSixteens(data, line.bytes, line.length);
}

std::int32_t EndOfFile(std::int32_t channel) {
  const ChannelObject object = OpenObject(channel);
  if (object == kConsoleWindowDevice) RaiseError(error::kBadFileMode);
  FileRecord* file = FileAt(object);
  if (file == nullptr) return -1;  // nothing can be read from a device
  const ControlBlock& control = *file->control;
  switch (file->kind) {
    case FileKind::Input: return AtMostOneByteLeft(*file) ? -1 : 0;
    case FileKind::Bytes8: return control.position >= control.size ? -1 : 0;
    default: RaiseNumberedError(error::kBadFileMode);
  }
}

bool NothingLeftToRead(std::int32_t channel) {
  FileRecord* file = FileAt(OpenObject(channel));
  if (file == nullptr) return true;
  if (file->kind != FileKind::Input) RaiseError(error::kBadFileMode);
  // Asked before nearly every line: a byte the read-ahead holds answers at once.
  const std::uint64_t position = file->control->position;
  return HeldFrom(*file, position).count == 0 && ByteAt(*file, position) == kNoByte;
}
