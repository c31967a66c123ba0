// Shared helpers for the value tests: a fixture that ends the run after each test, and short ways to push texts,
// pop them back and observe raised errors.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "host/runtime.h"
#include "statements/error_trap.h"
#include "statements/statement_hook.h"
#include "values/memory.h"
#include "values/run_context.h"
#include "values/string_space.h"
#include "values/string_stack.h"
#include "values/string_values.h"

class RuntimeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    memory::StopRefusing();
    SetPollHook(nullptr);
    SetErrorReportHook(nullptr);
    ReleaseRuntime();
  }
};

inline void Push(std::string_view text) { PushStringConstant(text); }

// Pops the top string and returns its bytes, releasing it when it is a temporary.
inline std::string PopText() {
  PoppedString popped;
  return std::string(popped.view());
}

inline std::string TextOf(const StringDescriptor& string) {
  return std::string(reinterpret_cast<const char*>(string.data), string.length);
}

// Runs an operation outside any routine and returns the number of the error it raised (0 when none); the error
// state is then cleared as a catching frame would.
inline RuntimeErrorNumber ErrorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RuntimeErrorSignal&) {
    RestoreAfterError();
    const RuntimeErrorNumber number = Errors().number;
    Errors() = ErrorState{};
    return number;
  }
  return 0;
}

// Bytes of a live string's data must lie just past a header that names the descriptor as their owner.
inline bool OwnsItsBytes(const StringDescriptor& string) {
  return string.length == 0 ? string.data == nullptr : string_space::OwnerOf(string.data) == &string;
}
