// The channel table and the file slots.
#include "files/channel_table.h"

#include <array>

#include "statements/error_trap.h"

using channel_table_state::channel_objects;
using channel_table_state::file_slots;

void RaiseBadChannelNumber() { RaiseError(error::kBadChannelNumber); }

void RaiseChannelNotOpen() { RaiseError(error::kChannelNotOpen); }

ChannelObject ObjectOf(std::int32_t channel) { return channel_objects[static_cast<std::size_t>(channel)]; }
void Bind(std::int32_t channel, ChannelObject object) { channel_objects[static_cast<std::size_t>(channel)] = object; }
void Unbind(std::int32_t channel) { channel_objects[static_cast<std::size_t>(channel)] = kNoObject; }

ChannelObject FreeFileSlot() {
  for (std::int32_t slot = 0; slot < kFileSlots; ++slot) {
    if (file_slots[static_cast<std::size_t>(slot)] == nullptr) return kFirstFileSlot + slot;
  }
  RaiseError(error::kTooManyFiles);
}

void Register(ChannelObject object, FileRecord* record) {
  file_slots[static_cast<std::size_t>(object - kFirstFileSlot)] = record;
}
void Unregister(ChannelObject object) { file_slots[static_cast<std::size_t>(object - kFirstFileSlot)] = nullptr; }

bool ReadingProgressOf(std::int32_t channel, ReadingProgress& progress) {
  if (channel < 1 || channel > kLastChannel) return false;
  const FileRecord* file = FileAt(ObjectOf(channel));
  if (file == nullptr) return false;
  progress = {file->control->position, file->control->size};
  return true;
}
