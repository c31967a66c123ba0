// A routine as a list of numbered statements, and the executor that runs it on the current frame.
//
// One statement of the program is one entry: its source line, an optional label and a body that works on the
// routine's state (the program-wide values, or a named routine's parameters and locals). A body returns nothing
// to go on with the next statement, or a Flow: GoTo(label), CallRoutine(label), ReturnFromRoutine(), a resume
// of the error handler, or kExit. A run-time error inside a body ends the statement; when the frame's trap
// catches it, the executor continues at the trap label, otherwise the error passes to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "error_trap.h"
#include "flow.h"
#include "run_context.h"
#include "statement_hook.h"

template <class State>
struct Statement {
  using Body = Flow (*)(State&);

  template <class Lambda>
    requires std::is_empty_v<Lambda>
  Statement(std::uint16_t source_line, Lambda) : line(source_line), body(&Invoke<Lambda>) {}
  template <class Lambda>
    requires std::is_empty_v<Lambda>
  Statement(std::string_view statement_label, std::uint16_t source_line, Lambda)
      : line(source_line), label(statement_label), body(&Invoke<Lambda>) {}
  // A body shared by several statements or routines, written as a function.
  Statement(std::uint16_t source_line, Body shared) : line(source_line), body(shared) {}
  Statement(std::string_view statement_label, std::uint16_t source_line, Body shared)
      : line(source_line), label(statement_label), body(shared) {}

  std::uint16_t line;
  std::string_view label;
  Body body;

 private:
  // Bodies are lambdas without captures: all they touch comes through the state.
  template <class Lambda>
  static Flow Invoke(State& state) {
    if constexpr (std::is_void_v<std::invoke_result_t<Lambda, State&>>) {
      Lambda{}(state);
      return kNext;
    } else {
      return Lambda{}(state);
    }
  }
};

template <class State>
class Routine {
 public:
  Routine(const ModuleBlock& module, std::initializer_list<Statement<State>> statements)
      : Routine(module, std::vector<Statement<State>>(statements)) {}

  Routine(const ModuleBlock& module, std::vector<Statement<State>> statements)
      : module_(&module), statements_(std::move(statements)) {
    for (std::size_t index = 0; index < statements_.size(); ++index) {
      const std::string_view label = statements_[index].label;
      if (!label.empty() && !labels_.emplace(label, index).second) {
        throw std::logic_error("label defined twice: " + std::string(label));
      }
    }
  }

  const ModuleBlock& module() const { return *module_; }
  std::size_t size() const { return statements_.size(); }
  const Statement<State>& operator[](std::size_t index) const { return statements_[index]; }

  std::size_t IndexOf(std::string_view label) const {
    const auto found = labels_.find(label);
    if (found == labels_.end()) throw std::logic_error("no statement has the label " + std::string(label));
    return found->second;
  }

  // The statement that follows the one at index under the given flow; size() ends the routine.
  std::size_t Follow(const Flow& flow, std::size_t index) const {
    switch (flow.kind) {
      case FlowKind::Next: return index + 1;
      case FlowKind::GoTo: return IndexOf(flow.label);
      case FlowKind::Jump: return flow.statement;
      case FlowKind::Exit: return size();
    }
    return size();
  }

 private:
  const ModuleBlock* module_;
  std::vector<Statement<State>> statements_;
  std::unordered_map<std::string_view, std::size_t> labels_;
};

// Runs the routine's statements on the current frame until it ends; errors the frame does not catch pass on.
template <class State>
void RunRoutine(const Routine<State>& routine, State& state) {
  SetModule(routine.module());
  std::size_t index = 0;
  for (;;) {
    try {
      while (index < routine.size()) {
        const Statement<State>& statement = routine[index];
        StatementStart(index + 1);
        SetLine(statement.line);
        index = routine.Follow(statement.body(state), index);
      }
      return;
    } catch (const RuntimeErrorSignal&) {
      index = routine.IndexOf(CatchingLabel());
    }
  }
}

// Runs the main program at main level; the result is the run's exit code: 0 at its end, the code of the end
// call, or 1 after an error that no trap caught has been reported.
template <class State>
int RunMain(const Routine<State>& routine, State& state) {
  SetMainModule(routine.module());
  try {
    RunRoutine(routine, state);
  } catch (const RuntimeErrorSignal&) {
    ReportUncaughtError();
    return 1;
  } catch (const RunEnded& ended) {
    return ended.exit_code;
  }
  return 0;
}
