// The string space: storing, freeing, compacting, growing and shrinking, with owner correction after every move.
#include "values/string_space.h"

#include <cstring>
#include <memory>

#include "values/memory.h"
#include "values/raise_error.h"
#include "values/run_context.h"

namespace string_space {

namespace {

constexpr std::size_t kNone = SIZE_MAX;

// Headers lie unaligned between the strings, so they are read and written by copying.
Header ReadHeader(std::size_t offset) {
  Header header;
  std::memcpy(&header, state.block + offset, sizeof header);
  return header;
}

void NoteWatchedAt(std::size_t offset) {
  if (state.none_watched || offset < state.first_watched) state.first_watched = offset;
  state.none_watched = false;
}

void WriteOwner(std::size_t offset, StringDescriptor* owner) {
  std::memcpy(state.block + offset, &owner, sizeof(owner));
  if (IsWatched(owner)) NoteWatchedAt(offset);
}

void WriteHeader(std::size_t offset, const Header& header) {
  std::memcpy(state.block + offset, &header, sizeof header);
  if (IsWatched(header.owner)) NoteWatchedAt(offset);
}

std::size_t OffsetOf(const std::uint8_t* data) { return static_cast<std::size_t>(data - state.block) - kHeaderSize; }
std::size_t FreeRoom() { return state.units * kUnit - state.used; }

bool Contains(const std::uint8_t* bytes) { return state.block != nullptr && bytes >= state.block && bytes < state.block + state.used; }

// Points every live owner from the given offset on at its bytes' current place.
void CorrectOwners(std::size_t from) {
  for (std::size_t offset = from; offset < state.used;) {
    const Header header = ReadHeader(offset);
    if (header.owner != nullptr && header.owner->length != 0) header.owner->data = state.block + offset + kHeaderSize;
    offset += kHeaderSize + header.length;
  }
}

void Resize(std::size_t new_units) {
  auto* resized = static_cast<std::uint8_t*>(memory::Resize(state.block, new_units * kUnit));
  if (resized == nullptr) RaiseError(error::kStringSpaceCorrupt);
  state.block = resized;
  state.units = new_units;
  CorrectOwners(0);
}

void Create(std::size_t needed) {
  const std::size_t new_units = needed / kUnit + 1;
  state.block = static_cast<std::uint8_t*>(memory::Allocate(new_units * kUnit));
  if (state.block == nullptr) RaiseError(error::kOutOfMemory);
  state.units = new_units;
  state.used = 0;
}

struct FreeBlock {
  void operator()(std::uint8_t* bytes) const { memory::Free(bytes); }
};

// Source bytes inside the space could move while room is made, so they are copied out first.
std::unique_ptr<std::uint8_t, FreeBlock> ProtectiveCopy(const std::uint8_t* bytes, std::uint32_t length) {
  if (!Contains(bytes)) return nullptr;
  auto* copy = static_cast<std::uint8_t*>(memory::AllocateUnfilled(length));
  if (copy == nullptr) RaiseError(error::kOutOfMemory);
  std::memcpy(copy, bytes, length);
  return std::unique_ptr<std::uint8_t, FreeBlock>(copy);
}

void MakeRoom(std::size_t needed) {
  const std::size_t room = Compact();
  if (room < needed) Resize(state.units + (needed - room) / kUnit + 1);
}

}  // namespace

// Only making room moves strings: then a source inside the space is copied out first.
std::uint8_t* StoreMakingRoom(StringDescriptor* owner, const std::uint8_t* bytes, std::uint32_t length) {
  const std::size_t needed = kHeaderSize + length;
  std::unique_ptr<std::uint8_t, FreeBlock> copy;
  if (state.block == nullptr) {
    Create(needed);
  } else {
    copy = ProtectiveCopy(bytes, length);
    if (copy) bytes = copy.get();
    MakeRoom(needed);
  }
  WriteHeader(state.used, {owner, Context().frame, length});
  std::uint8_t* data = state.block + state.used + kHeaderSize;
  CopyBytes(data, bytes, length);
  state.used += needed;
  return data;
}

void NoteWatchedOwner(const std::uint8_t* data) { NoteWatchedAt(OffsetOf(data)); }

StringDescriptor* OwnerOf(const std::uint8_t* data) { return ReadHeader(OffsetOf(data)).owner; }

// A range inside the watched area owns nothing below the first string owned from the area.
void FreeOwnedByWalking(const void* low, const void* high) {
  const auto* first = static_cast<const std::uint8_t*>(low);
  const auto* end = static_cast<const std::uint8_t*>(high);
  const bool within_watched = IsWithinWatched(low, high);
  std::size_t still_watched = state.used;
  for (std::size_t offset = within_watched ? state.first_watched : 0; offset < state.used;) {
    const Header header = ReadHeader(offset);
    const auto* owner = reinterpret_cast<const std::uint8_t*>(header.owner);
    if (owner != nullptr && owner >= first && owner < end) {
      WriteOwner(offset, nullptr);
    } else if (still_watched == state.used && IsWatched(header.owner)) {
      still_watched = offset;
    }
    offset += kHeaderSize + header.length;
  }
  state.first_watched = still_watched;
  state.none_watched = still_watched == state.used;
}

void WatchNewArea(const void* low, const void* high) {
  state.watched_low = reinterpret_cast<std::uintptr_t>(low);
  state.watched_high = reinterpret_cast<std::uintptr_t>(high);
  state.first_watched = 0;  // not known yet: the next walk finds it
  state.none_watched = false;
}

std::size_t Compact() {
  if (state.block == nullptr) return 0;
  // Kept in locals: the moves could otherwise be taken to change them.
  std::uint8_t* const bytes = state.block;
  const std::size_t end = state.used;
  std::size_t write = 0;
  std::size_t first_moved = end;
  std::size_t watched_at = kNone;
  for (std::size_t read = 0; read < end;) {
    Header header;
    std::memcpy(&header, bytes + read, sizeof header);
    const std::size_t size = kHeaderSize + header.length;
    if (header.owner != nullptr) {
      if (read != write) {
        std::memmove(bytes + write, bytes + read, size);
        if (first_moved == end) first_moved = write;
      }
      if (watched_at == kNone && IsWatched(header.owner)) watched_at = write;
      write += size;
    }
    read += size;
  }
  const bool removed = write != state.used;
  state.used = write;
  state.first_watched = watched_at == kNone ? state.used : watched_at;
  state.none_watched = watched_at == kNone;
  if (removed) CorrectOwners(first_moved < state.used ? first_moved : state.used);
  // An emptied space shrinks too, so that the room reported is the room there is.
  const std::size_t wanted_units = state.used / kUnit + 1;
  if (state.units > wanted_units) Resize(wanted_units);
  return FreeRoom();
}

std::size_t Units() { return state.units; }
std::size_t UsedBytes() { return state.used; }

void Discard() {
  memory::Free(state.block);
  state.block = nullptr;
  state.units = 0;
  state.used = 0;
  state.first_watched = 0;
  state.none_watched = false;
}

}  // namespace string_space
