// A routine as a list of numbered statements, and the executor that runs it on the current frame.
//
// One statement of the program is one entry: its source line and what it does to the routine's state (the
// program-wide values, or a named routine's parameters and locals). Plain statements are lambdas without
// captures; jumps, local routine calls, the error trap, resumes and block IFs are entries of their own
// (statements.h), so that every label they name is checked when the list is built, as are the line numbers.
// A run-time error inside a statement ends it; when the frame's trap catches it, the executor continues at the
// trap label, otherwise the error passes to the caller.
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

#include "statements/error_trap.h"
#include "statements/flow.h"
#include "statements/statement_hook.h"
#include "values/argument_area.h"
#include "values/run_context.h"
#include "values/string_stack.h"

enum class EntryKind : std::uint8_t {
  Do,      // runs its body
  Jump,    // goes to its target, always or when its condition says so
  GoSub,   // calls the local routine at its target
  Return,  // returns from the local routine to the statement after its call
  Exit,    // ends the routine
  Trap,    // arms the frame's trap at its target, or disarms it
  Resume,  // leaves the error handler for its target
  If,      // block IF: on a false condition, goes to the next branch
  ElseIf,  // entered by a jump: as If; reached from the branch above: goes past EndIf
  Else,    // marker: reached from the branch above, goes past EndIf
  EndIf,   // marker
  Label,   // marker naming the statement after it
  End,     // the step after the last entry, where the executor stops
};

// A statement list entry that does not depend on the routine's state: jumps, markers and labels.
struct EntrySpec {
  EntryKind kind;
  std::uint16_t line = 0;
  std::string_view label;
  std::string_view target;
  bool jump_when = true;
};

// An entry whose condition is a lambda without captures, evaluated on the routine's state.
template <class Condition>
struct ConditionalSpec {
  EntrySpec entry;
};

template <class State>
struct Statement {
  using Body = Flow (*)(State&);
  using Test = bool (*)(State&);

  template <class Lambda>
    requires std::is_empty_v<Lambda>
  Statement(std::uint16_t source_line, Lambda) : Statement({}, source_line, &Invoke<Lambda>) {}
  template <class Lambda>
    requires std::is_empty_v<Lambda>
  Statement(std::string_view statement_label, std::uint16_t source_line, Lambda)
      : Statement(statement_label, source_line, &Invoke<Lambda>) {}
  // A body shared by several statements or routines, written as a function.
  Statement(std::uint16_t source_line, Body shared) : Statement({}, source_line, shared) {}
  Statement(std::string_view statement_label, std::uint16_t source_line, Body shared)
      : kind(EntryKind::Do), line(source_line), label(statement_label), body(shared) {}

  Statement(const EntrySpec& entry)  // NOLINT: entries are written as plain calls in the list
      : kind(entry.kind), line(entry.line), label(entry.label), target(entry.target), jump_when(entry.jump_when) {}
  template <class Condition>
  Statement(const ConditionalSpec<Condition>& conditional)  // NOLINT
      : Statement(conditional.entry) {
    test = &Check<Condition>;
  }

  EntryKind kind;
  std::uint16_t line;
  std::string_view label;
  std::string_view target;
  bool jump_when = true;
  Body body = nullptr;
  Test test = nullptr;

  // The markers come last among the kinds.
  bool IsStatement() const { return kind < EntryKind::Else; }

 private:
  template <class Lambda>
  static Flow Invoke(State& state) {
    if constexpr (std::is_void_v<std::invoke_result_t<Lambda, State&>>) {
      Lambda{}(state);
      return kNext;
    } else {
      return Lambda{}(state);
    }
  }
  template <class Condition>
  static bool Check(State& state) {
    return static_cast<bool>(Condition{}(state));
  }
};

template <class State>
using Section = std::vector<Statement<State>>;

// What the executor reads of an entry, resolved when the routine is built and packed together, one step per entry.
// The steps lead to each other directly, so that going on costs no arithmetic.
template <class State>
struct Step {
  typename Statement<State>::Body body;
  typename Statement<State>::Test test;
  const Step* next;    // the statement after it in the order of execution
  const Step* target;  // where it jumps; for an Else, past its EndIf
  std::uint16_t line;
  EntryKind kind;
  bool jump_when;
};

// Fails the build of a routine: a misspelt label or a misplaced line number is a fault of the program itself.
[[noreturn]] inline void RejectRoutine(const std::string& reason) { throw std::logic_error(reason); }

template <class State>
class Routine {
 public:
  Routine(const ModuleBlock& module, std::initializer_list<Statement<State>> statements)
      : Routine(module, Section<State>(statements)) {}
  // The main program is assembled from sections, one per local routine, in the order of their lines.
  Routine(const ModuleBlock& module, std::initializer_list<Section<State>> sections)
      : Routine(module, Join(sections)) {}

  // The steps point at each other: a routine stays where it was built.
  Routine(const Routine&) = delete;
  Routine& operator=(const Routine&) = delete;

  Routine(const ModuleBlock& module, Section<State> statements)
      : module_(&module),
        statements_(std::move(statements)),
        target_(statements_.size()),
        branch_end_(statements_.size()),
        next_(statements_.size()),
        size_(statements_.size()) {
    CollectLabels();
    CheckLines();
    ResolveTargets();
    ResolveBlocks();
    ResolveNext();
    PackSteps();
  }

  const ModuleBlock& module() const { return *module_; }
  std::size_t size() const { return size_; }
  // One step per entry and the End step after them.
  const Step<State>* StepAt(std::size_t index) const { return steps_.data() + index; }
  const Step<State>* End() const { return StepAt(size_); }
  std::size_t IndexOf(const Step<State>* step) const { return static_cast<std::size_t>(step - steps_.data()); }
  std::string_view TargetLabelOf(std::size_t index) const { return statements_[index].target; }

  std::size_t IndexOf(std::string_view label) const {
    const auto found = labels_.find(label);
    if (found == labels_.end()) RejectRoutine("no statement has the label " + std::string(label));
    return found->second;
  }

 private:
  static Section<State> Join(std::initializer_list<Section<State>> sections) {
    Section<State> joined;
    for (const Section<State>& section : sections) joined.insert(joined.end(), section.begin(), section.end());
    return joined;
  }

  void CollectLabels() {
    for (std::size_t index = 0; index < size(); ++index) {
      const std::string_view label = statements_[index].label;
      if (!label.empty() && !labels_.emplace(label, index).second) {
        RejectRoutine("label defined twice: " + std::string(label));
      }
    }
  }

  void CheckLines() const {
    std::uint32_t previous = 0;
    for (const Statement<State>& statement : statements_) {
      if (!statement.IsStatement()) continue;
      if (statement.line <= previous) {
        RejectRoutine("line " + std::to_string(statement.line) + " does not follow line " + std::to_string(previous));
      }
      previous = statement.line;
    }
  }

  void ResolveTargets() {
    for (std::size_t index = 0; index < size(); ++index) {
      const Statement<State>& statement = statements_[index];
      const bool names_target = statement.kind == EntryKind::Jump || statement.kind == EntryKind::GoSub ||
                                statement.kind == EntryKind::Resume ||
                                (statement.kind == EntryKind::Trap && !statement.target.empty());
      if (names_target) target_[index] = IndexOf(statement.target);
    }
  }

  // Block IFs: a false condition goes to the next ElseIf, past the Else, or past the EndIf; the end of a
  // branch goes past the EndIf.
  void ResolveBlocks() {
    struct Block {
      std::size_t head;  // the If or ElseIf whose false condition is not placed yet
      std::vector<std::size_t> branch_ends;
      bool has_else = false;
    };
    std::vector<Block> open;
    for (std::size_t index = 0; index < size(); ++index) {
      switch (statements_[index].kind) {
        case EntryKind::If: open.push_back({index, {}, false}); break;
        case EntryKind::ElseIf:
        case EntryKind::Else: {
          if (open.empty() || open.back().has_else) RejectRoutine("ElseIf or Else outside a block at " + Where(index));
          Block& block = open.back();
          const bool is_else = statements_[index].kind == EntryKind::Else;
          target_[block.head] = is_else ? index + 1 : index;
          block.head = is_else ? kNoStatement : index;
          block.has_else = is_else;
          block.branch_ends.push_back(index);
          break;
        }
        case EntryKind::EndIf: {
          if (open.empty()) RejectRoutine("EndIf without If at " + Where(index));
          const Block& block = open.back();
          if (block.head != kNoStatement) target_[block.head] = index + 1;
          for (const std::size_t end : block.branch_ends) branch_end_[end] = index + 1;
          open.pop_back();
          break;
        }
        default: break;
      }
    }
    if (!open.empty()) RejectRoutine("If without EndIf at " + Where(open.back().head));
  }

  // The statement after index in the order of execution: falling into an ElseIf or Else ends the branch.
  void ResolveNext() {
    for (std::size_t index = 0; index < size(); ++index) {
      std::size_t next = index + 1;
      while (next < size() && (statements_[next].kind == EntryKind::ElseIf || statements_[next].kind == EntryKind::Else)) {
        next = branch_end_[next];
      }
      next_[index] = next;
    }
  }

  // Where execution arriving at index really goes on: markers do nothing, so a label or an EndIf passes to the entry
  // after it and an Else past its EndIf, as the executor would take them one by one.
  std::size_t PastMarkers(std::size_t index) const {
    while (index < size_ && !statements_[index].IsStatement()) {
      index = statements_[index].kind == EntryKind::Else ? branch_end_[index] : index + 1;
    }
    return index;
  }

  // The steps lead from statement to statement, past the markers between them.
  void PackSteps() {
    steps_.resize(size_ + 1);
    for (std::size_t index = 0; index < size_; ++index) {
      const Statement<State>& statement = statements_[index];
      const std::size_t target = statement.kind == EntryKind::Else ? branch_end_[index] : target_[index];
      steps_[index] = {statement.body, statement.test, StepAt(PastMarkers(next_[index])), StepAt(PastMarkers(target)),
                       statement.line, statement.kind, statement.jump_when};
    }
    steps_[size_] = {nullptr, nullptr, End(), End(), 0, EntryKind::End, true};
  }

  std::string Where(std::size_t index) const {
    for (std::size_t before = index + 1; before-- > 0;) {
      if (statements_[before].IsStatement()) return "line " + std::to_string(statements_[before].line);
    }
    return "the start";
  }

  const ModuleBlock* module_;
  Section<State> statements_;
  std::vector<std::size_t> target_;
  std::vector<std::size_t> branch_end_;  // of an ElseIf or Else: past its EndIf
  std::vector<std::size_t> next_;
  std::unordered_map<std::string_view, std::size_t> labels_;
  std::size_t size_;
  std::vector<Step<State>> steps_;
};

// Runs one of the rarer entries and returns the entry that runs next.
template <class State>
const Step<State>* RunRareEntry(const Routine<State>& routine, const Step<State>* step) {
  // Only a label a routine starts or an error is caught at is met here: the steps lead past the others.
  if (step->kind >= EntryKind::Else) return step->kind == EntryKind::Else ? step->target : step + 1;
  StatementStart(step);
  SetLine(step->line);
  switch (step->kind) {
    case EntryKind::Exit:
      return routine.End();
    case EntryKind::Trap:
      SetErrorTrap(routine.TargetLabelOf(routine.IndexOf(step)));
      return step->next;
    case EntryKind::Resume:
      return routine.StepAt(ResumeAt(routine.IndexOf(step->target)).statement);
    default:
      return step->next;
  }
}

enum class StackCheck : bool { Off, On };

// Runs a plain statement while tests check that it leaves the string stack as it found it.
template <class State>
Flow RunBalanced(const Step<State>& step, State& state) {
  const std::uint16_t depth = string_stack::Depth();
  const Flow flow = step.body(state);
  if (string_stack::Depth() != depth) {
    RejectRoutine("line " + std::to_string(step.line) + " leaves the string stack unbalanced");
  }
  return flow;
}

// Runs the statements from index on until the routine ends. Plain statements, block IFs, jumps and local routine
// calls are nearly all that runs: they are handled here, most frequent first, and the End step is met only once.
// The tests' check of the string stack is chosen once per run of the steps, not at every statement.
template <class State, StackCheck Check>
void RunSteps(const Routine<State>& routine, const Step<State>* step, State& state) {
  for (;;) {
    const EntryKind kind = step->kind;
    if (kind == EntryKind::Do) [[likely]] {
      StatementStart(step);
      SetLine(step->line);
      const Flow flow = Check == StackCheck::On ? RunBalanced(*step, state) : step->body(state);
      if (flow.kind == FlowKind::Next) [[likely]] {
        step = step->next;
      } else {
        step = flow.kind == FlowKind::Jump ? routine.StepAt(flow.statement) : routine.End();
      }
    } else if (kind == EntryKind::If || kind == EntryKind::ElseIf) {
      StatementStart(step);
      SetLine(step->line);
      step = step->test(state) ? step->next : step->target;
    } else if (kind == EntryKind::Jump) {
      StatementStart(step);
      SetLine(step->line);
      step = step->test != nullptr && step->test(state) != step->jump_when ? step->next : step->target;
    } else if (kind == EntryKind::GoSub) {
      StatementStart(step);
      SetLine(step->line);
      CallRoutine(step->next);
      step = step->target;
    } else if (kind == EntryKind::Return) {
      StatementStart(step);
      SetLine(step->line);
      step = static_cast<const Step<State>*>(ReturnFromRoutine());
    } else if (kind == EntryKind::End) {
      return;
    } else {
      step = RunRareEntry(routine, step);
    }
  }
}

// Runs the routine's statements on the current frame until it ends; errors the frame does not catch pass on.
template <class State>
void RunRoutine(const Routine<State>& routine, State& state) {
  SetModule(routine.module());
  const Step<State>* step = routine.StepAt(0);
  for (;;) {
    try {
      if (StackBalanceChecked()) {
        RunSteps<State, StackCheck::On>(routine, step, state);
      } else {
        RunSteps<State, StackCheck::Off>(routine, step, state);
      }
      return;
    } catch (const RuntimeErrorSignal&) {
      // As a protected call does: the stack is emptied on the way out, and a frame that catches the error also
      // drops the argument records it made before it resumes.
      RestoreAfterError();
      const std::string_view label = CatchingLabel();
      ReleaseFrameArguments();
      const auto* failed = static_cast<const Step<State>*>(Context().statement);
      Errors().retry = failed != nullptr ? routine.IndexOf(failed) : kNoStatement;
      Errors().resume_next = failed != nullptr ? routine.IndexOf(failed->next) : kNoStatement;
      step = routine.StepAt(routine.IndexOf(label));
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
