// The run-time context of the running code, the error state and the module blocks.
#pragma once

#include "values/value_state.h"

// The converter's one module.
extern const ModuleBlock kQelvorinModule;

// Read by every statement: inline, so that reading them costs no call.
inline RunContext& Context() { return value_state.context; }
inline ErrorState& Errors() { return value_state.errors; }

inline void SetModule(const ModuleBlock& module) { Context().module = &module; }
inline void SetMainModule(const ModuleBlock& module) { value_state.main_module = &module; }
inline const ModuleBlock* MainModule() { return value_state.main_module; }

