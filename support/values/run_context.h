// The run-time context of the running code, the error state and the module blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "values/error_numbers.h"

// Identifies a module of the converter; its name appears in error reports.
struct ModuleBlock {
  std::string_view name;
};

// The converter's one module.
extern const ModuleBlock kQelvorinModule;

inline constexpr std::size_t kNoStatement = std::numeric_limits<std::size_t>::max();

// Statement positions are indexes into the statement list of the frame's routine.
struct RunContext {
  std::uint32_t frame = 0;  // nesting depth of named routines; 0 at main level
  std::string_view trap_label;  // empty: no trap armed
  std::uint16_t line = 0;
  std::size_t statement = kNoStatement;  // the statement under way
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

// The context and error state of the one run, read by every statement: inline, so that reading them costs no call.
namespace run_context_state {
inline RunContext context;
inline ErrorState errors;
}  // namespace run_context_state

inline RunContext& Context() { return run_context_state::context; }
inline ErrorState& Errors() { return run_context_state::errors; }

inline void SetModule(const ModuleBlock& module) { Context().module = &module; }
void SetMainModule(const ModuleBlock& module);
const ModuleBlock* MainModule();

// Forgets the context and error state of a finished run.
void ResetRunContext();
