// The run-time context of the running code, the error state and the module blocks.
#include "run_context.h"

#include "texts.h"

const ModuleBlock kQelvorinModule{texts::ModuleName};

namespace {
RunContext context;
ErrorState errors;
const ModuleBlock* main_module = nullptr;
}  // namespace

RunContext& Context() { return context; }
ErrorState& Errors() { return errors; }

void SetModule(const ModuleBlock& module) { context.module = &module; }
void SetMainModule(const ModuleBlock& module) { main_module = &module; }
const ModuleBlock* MainModule() { return main_module; }

void ResetRunContext() {
  context = RunContext{};
  errors = ErrorState{};
}
