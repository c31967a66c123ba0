// The file layer's part of the run's state: which object each channel is open on, the disk files in their slots,
// the targets of the output and input statements, the directory searches and the dialogs in use. One object, read
// inline by every input and output statement; the runtime's one reset starts it afresh.
#pragma once

#include <array>
#include <cstdint>

#include "files/channels.h"
#include "files/directory_search.h"
#include "platform/dialogs.h"
#include "platform/files.h"

struct FileRecord;

inline constexpr ChannelObject kNoObject = 0;
inline constexpr std::int32_t kFileSlots = 256;

enum class OutputKind : std::uint8_t { Console, Channel };

struct OutputTarget {
  OutputKind kind = OutputKind::Console;
  ChannelObject channel = 0;
};

struct SearchSlot {
  bool in_use = false;
  bool started = false;
  bool has_entry = false;
  bool found_any = false;
  platform::FindHandle handle = nullptr;
  char* pattern = nullptr;
  platform::FindData found{};
};

struct FileState {
  std::array<ChannelObject, kLastChannel + 1> channel_objects{};
  std::array<FileRecord*, kFileSlots> file_slots{};
  OutputTarget output_target;
  ChannelObject input_object = kNoObject;
  std::array<SearchSlot, kSearchSlots> search_slots{};
  platform::FileDialogs* dialogs = nullptr;
  WriteOpenFailureWatch write_open_failure_watch;
  // Test control: the write of an output file that fails, counted down; 0 when none will.
  std::size_t writes_before_fault = 0;
};

inline FileState file_state;
