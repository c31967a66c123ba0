// The run's whole mutable state, one part per layer: each layer reads its own part inline and knows nothing of the
// parts above it; the runtime names them all and ends a run with one reset.
#pragma once

#include "files/file_state.h"
#include "host/host_state.h"
#include "statements/statement_state.h"
#include "values/value_state.h"

struct Runtime {
  ValueState& values;
  StatementState& statements;
  FileState& files;
  HostState& host;
};

inline constexpr Runtime runtime{value_state, statement_state, file_state, host_state};

// The end of a run: every channel is closed with its whole records and its mark (a failure is ignored), every search
// closed, everything the run allocated freed, and every part starts afresh. The memory counts and the program title
// belong to the process and stay; so do the switches tests set (the stack balance check, the frame stack budget).
void ReleaseRuntime();
