// The value layer's part of the run's state: the string space, the string stack, the array registry, the scratch
// buffer, the context of the running code and the error state. It is one object, read inline by every operand;
// the runtime's one reset releases what it holds and starts it afresh.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "values/error_numbers.h"
#include "values/string_descriptor.h"

// Identifies a module of the converter; its name appears in error reports.
struct ModuleBlock {
  std::string_view name;
};

inline constexpr std::size_t kNoStatement = std::numeric_limits<std::size_t>::max();

// Statement positions are indexes into the statement list of the frame's routine.
struct RunContext {
  std::uint32_t frame = 0;  // nesting depth of named routines; 0 at main level
  std::string_view trap_label;  // empty: no trap armed
  std::uint16_t line = 0;
  const void* statement = nullptr;  // the executor's step under way; null before the first
  const ModuleBlock* module = nullptr;
  const void* local_low = nullptr;
  const void* local_high = nullptr;
};

struct ErrorState {
  RuntimeErrorNumber number = 0;
  std::uint16_t line = 0;
  const ModuleBlock* module = nullptr;
  bool raising = false;
  bool in_handler = false;
  std::uint32_t handler_frame = 0;
  // Where the handler's ResumeRetry and ResumeNext continue: the statement that failed and the one after it.
  std::size_t retry = kNoStatement;
  std::size_t resume_next = kNoStatement;
  // Only frames shallower than this may catch the error being raised: an error inside a handler skips the
  // handler's own frame and everything it called.
  std::uint32_t catch_limit = std::numeric_limits<std::uint32_t>::max();
};

struct StringSpaceState {
  std::uint8_t* block = nullptr;
  std::size_t units = 0;
  std::size_t used = 0;
  // The watched owner area (see string_space::WatchOwnersWithin); an offset no stored string owned from inside it
  // lies before, and whether there is none at all (the offset then moves to the first one that comes).
  std::uintptr_t watched_low = 0;
  std::uintptr_t watched_high = 0;
  std::size_t first_watched = 0;
  bool none_watched = false;
};

struct StringStackSlot {
  StringDescriptor* reference;
  StringDescriptor copy;
};

// The depth is top - slots; top is the slot the next push fills and end the one past the last (all three null
// while there is no stack).
struct StringStackState {
  StringStackSlot* slots = nullptr;
  StringStackSlot* top = nullptr;
  StringStackSlot* end = nullptr;
};

struct ArrayDescriptor;
// The arrays dimensioned so far, with the frame that owns each.
struct ArrayRegistryEntry {
  std::uint32_t frame;
  ArrayDescriptor* descriptor;
};

struct ArrayRegistryState {
  ArrayRegistryEntry* entries = nullptr;
  std::size_t count = 0;
  std::size_t capacity = 0;
};

// The refusal controls that let tests reach the out-of-memory paths, and the counts of blocks. The counts belong to
// the process, not to one run: a reset keeps them, so that a block a run leaves behind still shows.
struct MemoryState {
  std::size_t requests_left = std::numeric_limits<std::size_t>::max();
  std::size_t largest_granted = std::numeric_limits<std::size_t>::max();
  std::size_t granted = 0;
  std::size_t live = 0;
};

// The by-reference argument records, packed in one area that comes and goes with them.
struct ArgumentAreaState {
  std::byte* area = nullptr;
  void* kept = nullptr;  // the area's block while no record is there, for the next call
  std::uint16_t record_count = 0;
  std::uint16_t used = 0;
};

struct ValueState {
  StringSpaceState string_space;
  StringStackState string_stack;
  ArrayRegistryState arrays;
  ArgumentAreaState arguments;
  bool scratch_in_use = false;
  RunContext context;
  ErrorState errors;
  const ModuleBlock* main_module = nullptr;
  MemoryState memory;
};

inline ValueState value_state;
