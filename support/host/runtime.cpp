// The end of a run.
#include "host/runtime.h"

#include "files/channels.h"
#include "files/directory_search.h"
#include "host/main_window.h"
#include "values/argument_area.h"
#include "values/arrays.h"
#include "values/string_space.h"
#include "values/string_values.h"

namespace {

// Whatever ended the run, the output files keep only their whole records.
void ResetFiles() {
  DropUnfinishedRecords();
  try {
    CloseChannels({});
  } catch (const RuntimeErrorSignal&) {
  }
  for (std::int32_t slot = 1; slot <= kSearchSlots; ++slot) DirClose(slot);
  runtime.files = FileState{};
}

void ResetValues() {
  DiscardArgumentArea();
  ReleaseAllArrays();
  ResetStringStack();
  string_space::Discard();
  ValueState& values = runtime.values;
  const MemoryState memory = values.memory;
  const ModuleBlock* main_module = values.main_module;
  values = ValueState{};
  values.memory = memory;
  values.main_module = main_module;
}

void ResetStatements() {
  StatementState& statements = runtime.statements;
  statements.poll_countdown = 1;
  statements.poll_hook = NoPoll;
  statements.routine_call_depth = 0;
  statements.frames.top = 0;
  statements.frames.current_frame_offset = 0;
  statements.report_hook = nullptr;
}

// The course of the run stays as the shutdown left it: a report that comes after the end is still ignored.
void ResetHost() { runtime.host.spacing = false; }

}  // namespace

void ReleaseRuntime() {
  CloseMainWindow();
  ResetFiles();
  ResetValues();
  ResetStatements();
  ResetHost();
}
