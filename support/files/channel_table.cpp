// The channel table and the file slots.
#include "files/channel_table.h"

#include "values/raise_error.h"

namespace {
ChannelObject& ObjectEntry(std::int32_t channel) { return file_state.channel_objects[static_cast<std::size_t>(channel)]; }
FileRecord*& SlotEntry(ChannelObject object) {
  return file_state.file_slots[static_cast<std::size_t>(object - kFirstFileSlot)];
}
}  // namespace

void RaiseBadChannelNumber() { RaiseNumberedError(error::kBadChannelNumber); }

void RaiseChannelNotOpen() { RaiseNumberedError(error::kChannelNotOpen); }

ChannelObject ObjectOf(std::int32_t channel) { return ObjectEntry(channel); }
void Bind(std::int32_t channel, ChannelObject object) { ObjectEntry(channel) = object; }
void Unbind(std::int32_t channel) { ObjectEntry(channel) = kNoObject; }

ChannelObject FreeFileSlot() {
  for (std::int32_t slot = 0; slot < kFileSlots; ++slot) {
    if (file_state.file_slots[static_cast<std::size_t>(slot)] == nullptr) return kFirstFileSlot + slot;
  }
  RaiseNumberedError(error::kTooManyFiles);
}

void Register(ChannelObject object, FileRecord* record) { SlotEntry(object) = record; }
void Unregister(ChannelObject object) { SlotEntry(object) = nullptr; }

bool ReadingProgressOf(std::int32_t channel, ReadingProgress& progress) {
  if (channel < 1 || channel > kLastChannel) return false;
  const FileRecord* file = FileAt(ObjectOf(channel));
  if (file == nullptr) return false;
  progress = {file->control->position, file->control->size};
  return true;
}
