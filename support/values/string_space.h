// The one block that holds the bytes of every stored string. Each stored string is a header naming its owner
// descriptor, followed by its bytes; the owner link lets the space move strings and correct their owners.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "values/run_context.h"
#include "values/string_descriptor.h"
#include "values/value_state.h"

namespace string_space {

inline constexpr std::size_t kUnit = 65536;
// Owner pointer, creating frame and length.
inline constexpr std::size_t kHeaderSize = sizeof(void*) + 2 * sizeof(std::uint32_t);

// This module's part of the run's state.
inline StringSpaceState& state = value_state.string_space;

struct Header {
  StringDescriptor* owner;
  std::uint32_t frame;
  std::uint32_t length;
};
static_assert(sizeof(Header) == kHeaderSize, "the header is its three fields, packed");

inline bool IsWatched(const StringDescriptor* owner) {
  return reinterpret_cast<std::uintptr_t>(owner) - state.watched_low < state.watched_high - state.watched_low;
}
// Notes that the string behind data is now owned from inside the watched area.
void NoteWatchedOwner(const std::uint8_t* data);

// The owner is the first field of the header just before the bytes; the space itself is writable, data points
// into it.
inline void WriteOwnerBefore(const std::uint8_t* data, StringDescriptor* owner) {
  std::memcpy(const_cast<std::uint8_t*>(data) - kHeaderSize, &owner, sizeof owner);
}

// Most stored strings are short: copying them here costs less than a call. Source and destination never overlap.
inline void CopyBytes(std::uint8_t* to, const std::uint8_t* from, std::size_t length) {
  if (length > 16) {
    std::memcpy(to, from, length);
  } else if (length >= 8) {
    std::uint64_t head;
    std::uint64_t tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + length - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + length - 8, &tail, 8);
  } else if (length >= 4) {
    std::uint32_t head;
    std::uint32_t tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + length - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + length - 4, &tail, 4);
  } else {
    for (std::size_t index = 0; index < length; ++index) to[index] = from[index];
  }
}

// Copies a line or a printed item, seldom more than a few hundred bytes, into or out of the space: sixteen at a time,
// the last sixteen overlapping the ones before, which costs less than a call. Source and destination never overlap.
inline void CopyInSixteens(std::uint8_t* to, const std::uint8_t* from, std::size_t length) {
  if (length < 16) {
    CopyBytes(to, from, length);
    return;
  }
  for (std::size_t offset = 0; offset + 16 < length; offset += 16) std::memcpy(to + offset, from + offset, 16);
  std::memcpy(to + length - 16, from + length - 16, 16);
}

// The store when the space must be made or room made in it first (which may move every string).
std::uint8_t* StoreMakingRoom(StringDescriptor* owner, const std::uint8_t* bytes, std::uint32_t length);

// Appends the header of a string of length bytes for the given owner where there is room without moving anything,
// and returns where its bytes go; null when room must be made first (or there is no space yet: it has no units).
// An owner in the watched area needs the note AppendInPlace adds; a string stack slot never lies there.
inline std::uint8_t* AppendHeader(StringDescriptor* owner, std::uint32_t length) {
  const std::size_t needed = kHeaderSize + length;
  if (state.units * kUnit - state.used < needed) return nullptr;
  std::uint8_t* data = state.block + state.used + kHeaderSize;
  const Header header{owner, Context().frame, length};
  std::memcpy(data - kHeaderSize, &header, sizeof header);
  state.used += needed;
  return data;
}

inline std::uint8_t* AppendInPlace(StringDescriptor* owner, std::uint32_t length) {
  std::uint8_t* data = AppendHeader(owner, length);
  if (data != nullptr && IsWatched(owner)) NoteWatchedOwner(data);
  return data;
}

// Stores length bytes (length > 0) for the given owner and returns where they now lie. The source may lie in the
// space itself. Errors 7 and 82. Nearly every operation stores its result, so the common store, an append where
// there is room, is inline.
inline std::uint8_t* Store(StringDescriptor* owner, const std::uint8_t* bytes, std::uint32_t length) {
  std::uint8_t* data = AppendInPlace(owner, length);
  if (data == nullptr) return StoreMakingRoom(owner, bytes, length);
  CopyBytes(data, bytes, length);
  return data;
}
// The same for a temporary, owned by a string stack slot.
inline std::uint8_t* StoreTemporary(StringDescriptor* slot, const std::uint8_t* bytes, std::uint32_t length) {
  std::uint8_t* data = AppendHeader(slot, length);
  if (data == nullptr) return StoreMakingRoom(slot, bytes, length);
  CopyBytes(data, bytes, length);
  return data;
}

// Marks the stored bytes behind data free; they stay in place until the next compaction.
inline void Free(const std::uint8_t* data) { WriteOwnerBefore(data, nullptr); }
inline void SetOwner(const std::uint8_t* data, StringDescriptor* owner) {
  WriteOwnerBefore(data, owner);
  if (IsWatched(owner)) NoteWatchedOwner(data);
}
inline bool IsWithinWatched(const void* low, const void* high) {
  return reinterpret_cast<std::uintptr_t>(low) >= state.watched_low &&
         reinterpret_cast<std::uintptr_t>(high) <= state.watched_high;
}
// The walk of FreeOwnedWithin.
void FreeOwnedByWalking(const void* low, const void* high);
// Frees every stored string whose owner descriptor lies in [low, high). Every named routine's return comes here; one
// whose locals own no string returns at once.
inline void FreeOwnedWithin(const void* low, const void* high) {
  if (state.none_watched && IsWithinWatched(low, high)) return;
  FreeOwnedByWalking(low, high);
}
void WatchNewArea(const void* low, const void* high);
// Names the area that holds the locals of the named routines. The space keeps track of where the first string
// owned from inside it lies, so that freeing the strings of a range within it walks only the strings from there
// on (those stored or taken over since the routine was entered), not the whole space. Every named routine's entry
// names it again.
inline void WatchOwnersWithin(const void* low, const void* high) {
  if (reinterpret_cast<std::uintptr_t>(low) != state.watched_low ||
      reinterpret_cast<std::uintptr_t>(high) != state.watched_high) {
    WatchNewArea(low, high);
  }
}

// Moves the live strings together and returns the free room; error 82 when shrinking fails.
std::size_t Compact();

std::size_t Units();
std::size_t UsedBytes();
// The owner named in the header of the stored bytes behind data (null when they are free).
StringDescriptor* OwnerOf(const std::uint8_t* data);

// Frees the whole space at the end of a run.
void Discard();

}  // namespace string_space
