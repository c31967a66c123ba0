// The end of a run for the value support.
#include "statements/runtime.h"

#include "values/argument_area.h"
#include "values/arrays.h"
#include "values/run_context.h"
#include "statements/statement_hook.h"
#include "values/string_space.h"
#include "values/string_values.h"

void ReleaseRuntime() {
  ReleaseArguments(ArgumentRecordCount());
  ReleaseAllArrays();
  ResetStringStack();
  string_space::Discard();
  ResetStatementHook();
  ResetRunContext();
}
