// The run-time context of the running code, the error state and the module blocks.
#include "values/run_context.h"

#include "texts.h"

const ModuleBlock kQelvorinModule{texts::ModuleName};

namespace {
const ModuleBlock* main_module = nullptr;
}  // namespace

void SetMainModule(const ModuleBlock& module) { main_module = &module; }
const ModuleBlock* MainModule() { return main_module; }

void ResetRunContext() {
  Context() = RunContext{};
  Errors() = ErrorState{};
}
