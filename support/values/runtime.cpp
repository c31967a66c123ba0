// The end of a run for the value support.
#include "runtime.h"

#include "argument_area.h"
#include "arrays.h"
#include "run_context.h"
#include "statement_hook.h"
#include "string_space.h"
#include "string_values.h"

void ReleaseRuntime() {
  ReleaseArguments(ArgumentRecordCount());
  ReleaseAllArrays();
  ResetStringStack();
  string_space::Discard();
  ResetStatementHook();
  ResetRunContext();
}
