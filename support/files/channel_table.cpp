// The channel table and the file slots.
#include "channel_table.h"

#include <array>

#include "error_trap.h"

namespace {
std::array<ChannelObject, kLastChannel + 1> channel_objects{};
std::array<FileRecord*, kFileSlots> file_slots{};
}  // namespace

void RequireChannelNumber(std::int32_t channel) {
  if (channel < 1 || channel > kLastChannel) RaiseError(error::kBadChannelNumber);
}

ChannelObject OpenObject(std::int32_t channel) {
  RequireChannelNumber(channel);
  const ChannelObject object = channel_objects[static_cast<std::size_t>(channel)];
  if (object == kNoObject) RaiseError(error::kChannelNotOpen);
  return object;
}

ChannelObject ObjectOf(std::int32_t channel) { return channel_objects[static_cast<std::size_t>(channel)]; }
void Bind(std::int32_t channel, ChannelObject object) { channel_objects[static_cast<std::size_t>(channel)] = object; }
void Unbind(std::int32_t channel) { channel_objects[static_cast<std::size_t>(channel)] = kNoObject; }

FileRecord* FileAt(ChannelObject object) {
  if (object < kFirstFileSlot || object >= kFirstFileSlot + kFileSlots) return nullptr;
  return file_slots[static_cast<std::size_t>(object - kFirstFileSlot)];
}

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
