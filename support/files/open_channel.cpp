// Opening a file on a channel: mode and share rules, the existence check, create-then-reopen and the append
// position over a final end-of-file mark.
#include <cstring>
#include <memory>

#include "files/channel_table.h"
#include "files/error_tables.h"
#include "files/file_name.h"
#include "statements/error_trap.h"
#include "values/memory.h"
#include "values/string_values.h"

namespace {

constexpr std::int32_t kLastMode = 10;
constexpr std::int32_t kLongestRecord = 2048;

struct ModeRule {
  FileKind kind;
  std::int32_t default_share;
  bool refuses_deny_read;   // share code 2
  bool refuses_deny_none;   // share code 3
};

constexpr ModeRule kModes[kLastMode + 1] = {
    {FileKind::Record, 3, false, false},  // 0 is taken as 6 before this table is read
    {FileKind::Input, 3, true, false},   {FileKind::Output, 1, true, true}, {FileKind::Append, 1, true, true},
    {FileKind::Record, 3, false, false}, {FileKind::Record, 3, false, false}, {FileKind::Record, 3, false, false},
    {FileKind::Record, 3, false, false}, {FileKind::Bytes8, 3, false, false}, {FileKind::Bytes9, 3, false, false},
    {FileKind::Bytes10, 3, false, false},
};

// What a mode needs of the file: it must exist, it must not, or either; and how it is opened.
enum class Presence { MustExist, MustNotExist, Either };
struct OpenRule {
  Presence presence;
  platform::Access access;
};

OpenRule OpenRuleOf(std::int32_t mode) {
  using platform::Access;
  switch (mode) {
    case 1: case 4: case 8: return {Presence::MustExist, Access::Read};
    case 2: case 9: return {Presence::MustNotExist, Access::Write};
    case 5: return {Presence::Either, Access::Write};
    case 7: return {Presence::MustExist, Access::ReadWrite};
    default: return {Presence::Either, Access::ReadWrite};  // 3, 6, 10
  }
}

platform::Sharing SharingOf(std::int32_t share) {
  switch (share) {
    case share_code::kDenyWrite: return {true, false};
    case share_code::kDenyRead: return {false, true};
    case share_code::kDenyNone: return {true, true};
    default: return {false, false};  // exclusive, and compatibility sharing, which adds no sharing flag
  }
}

// Error 51 for a mode above 10 or a refused share code; the mode and share code actually used.
void CheckModeAndShare(std::int32_t& mode, std::int32_t& share) {
  if (mode < 0 || mode > kLastMode) RaiseError(error::kBadFileMode);
  if (mode == 0) {
    if (share != 0) RaiseError(error::kBadFileMode);
    mode = 6;
    share = share_code::kDenyNone;
  }
  const ModeRule& rule = kModes[mode];
  if ((share == share_code::kDenyRead && rule.refuses_deny_read) ||
      (share == share_code::kDenyNone && rule.refuses_deny_none)) {
    RaiseError(error::kBadFileMode);
  }
  if (share == 0 || mode == 7) share = rule.default_share;
}

std::uint16_t RecordLength(const FileName& parsed, std::int32_t mode) {
  if (!parsed.parameter) return 0;
  if (mode >= file_mode::kInput && mode <= file_mode::kAppend) RaiseError(error::kBadFileMode);
  const std::string& text = *parsed.parameter;
  if (text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) RaiseError(error::kBadArgument);
  const int length = std::stoi(text);
  if (length > kLongestRecord) RaiseError(error::kBadArgument);
  return static_cast<std::uint16_t>(length);
}

struct FileParts {
  void operator()(FileRecord* record) const {
    if (record == nullptr) return;
    platform::CloseFile(record->handle);
    if (record->control != nullptr) memory::Free(record->control->record_buffer);
    memory::Free(record->control);
    memory::Free(record);
  }
};
using OwnedRecord = std::unique_ptr<FileRecord, FileParts>;

OwnedRecord AllocateRecord(std::int32_t mode, std::uint16_t record_length) {
  OwnedRecord record(static_cast<FileRecord*>(memory::Allocate(sizeof(FileRecord))));
  if (!record) RaiseError(error::kOutOfMemory);
  record->handle = platform::kNoFile;
  record->control = static_cast<ControlBlock*>(memory::Allocate(sizeof(ControlBlock)));
  if (record->control == nullptr) RaiseError(error::kOutOfMemory);
  ControlBlock& control = *record->control;
  control.mode = static_cast<std::uint16_t>(mode);
  control.record_length = record_length;
  control.record_number = 1;
  if (kModes[mode].kind == FileKind::Record) {
    control.record_buffer = static_cast<std::uint8_t*>(memory::Allocate(record_length == 0 ? 1 : record_length));
    if (control.record_buffer == nullptr) RaiseError(error::kOutOfMemory);
  }
  return record;
}

platform::FileHandle OpenOrRaise(const char* path, platform::Access access, platform::Creation creation,
                                 platform::Sharing sharing) {
  const platform::OpenResult opened = platform::OpenFile(path, access, creation, sharing);
  if (opened.error != 0) {
    const WriteOpenFailureWatch& watch = file_state.write_open_failure_watch;
    if (access != platform::Access::Read && watch) watch(path, opened.error);
    RaiseError(OpenFailureError(opened.error));
  }
  return opened.handle;
}

void RaiseIfFailed(platform::ErrorCode code) {
  if (code != 0) RaiseError(ReadWriteFailureError(code));
}

// Appending starts over a final end-of-file mark, so the file keeps exactly one after the next close.
void PositionForAppend(FileRecord& record) {
  ControlBlock& control = *record.control;
  if (control.size > 0) {
    std::uint8_t last = 0;
    std::size_t read = 0;
    RaiseIfFailed(platform::SeekFile(record.handle, control.size - 1));
    RaiseIfFailed(platform::ReadFile(record.handle, &last, 1, read));
    if (read == 1 && last == kEndOfFileMark) --control.size;
  }
  control.position = control.size;
  RaiseIfFailed(platform::SeekFile(record.handle, control.position));
}

// Error 55 for a name that cannot be resolved or whose full path is too long to record.
std::string ResolvedPath(const std::string& name) {
  std::string full;
  if (platform::FullPath(name.c_str(), full) != 0 || full.size() >= platform::kMaxPath) {
    RaiseError(error::kBadFileName);
  }
  return full;
}

void OpenDiskFile(FileRecord& record, const std::string& name, std::int32_t mode, std::int32_t share) {
  std::string full = ResolvedPath(name);
  const bool exists = platform::FileExists(full.c_str());
  const OpenRule rule = OpenRuleOf(mode);
  if (rule.presence == Presence::MustExist && !exists) RaiseError(error::kFileNotFound);
  if (rule.presence == Presence::MustNotExist && exists) RaiseError(error::kFileExists);
  const platform::Sharing sharing = SharingOf(share);
  if (!exists) {
    platform::CloseFile(OpenOrRaise(full.c_str(), rule.access, platform::Creation::CreateAlways, sharing));
  }
  record.handle = OpenOrRaise(full.c_str(), rule.access, platform::Creation::OpenExisting, sharing);
  // A name that was a dangling link now leads to the file the open made: that file's path is recorded, so that
  // it cannot be deleted by its own name while open.
  if (!exists) full = ResolvedPath(full);
  std::memcpy(record.path, full.c_str(), full.size() + 1);
  record.kind = kModes[mode].kind;
  RaiseIfFailed(platform::FileSize(record.handle, record.control->size));
  if (record.kind == FileKind::Append) PositionForAppend(record);
  record.pending.whole_end = record.control->position;
}

}  // namespace

void WatchWriteOpenFailures(WriteOpenFailureWatch watch) { file_state.write_open_failure_watch = std::move(watch); }

void OpenChannel(std::int32_t channel, std::int32_t share, std::int32_t mode) {
  PoppedString popped;
  if (popped.length() > kLongestFileName) RaiseError(error::kBadFileName);
  RequireChannelNumber(channel);
  if (ObjectOf(channel) != kNoObject) RaiseError(error::kAlreadyOpen);
  CheckModeAndShare(mode, share);
  const FileName parsed = ParseFileName(popped.view());
  popped.Release();
  if (const ChannelObject device = DeviceObjectOf(parsed.name); device != kNoObject) {
    Bind(channel, device);
    return;
  }
  const std::uint16_t record_length = RecordLength(parsed, mode);
  const ChannelObject object = FreeFileSlot();
  OwnedRecord record = AllocateRecord(mode, record_length);
  OpenDiskFile(*record, parsed.name, mode, share);
  Register(object, record.release());
  Bind(channel, object);
}
