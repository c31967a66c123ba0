// Statements, local and named routines, and the error trap, run through the statement executor.
#include <vector>

#include "statements/named_routine.h"
#include "statements/statements.h"
#include "values/argument_area.h"
#include "values/runtime_fixture.h"

namespace {

struct Report {
  const ModuleBlock* module = nullptr;
  RuntimeErrorNumber number = 0;
  std::uint16_t line = 0;
};

struct Program {
  std::vector<int> trail;
  RuntimeErrorNumber seen = 0;
  std::uint16_t seen_line = 0;
  int attempts = 0;
  std::size_t depth_seen = 0;
  const std::uint8_t* local_bytes = nullptr;
  StringDescriptor text{};
};

class Statements : public RuntimeTest {
 protected:
  void SetUp() override { ListenForReports(); }
  void ListenForReports() {
    SetErrorReportHook([this](const ModuleBlock* module, RuntimeErrorNumber number, std::uint16_t line) {
      report = {module, number, line};
    });
  }

  int Run(const Routine<Program>& routine) { return RunMain(routine, program); }

  Program program;
  Report report;
};

Flow RecordAndResumeNext(Program& p) {
  p.seen = ErrorNumber();
  p.seen_line = Errors().line;
  return ResumeNext();
}

TEST_F(Statements, ATrappedErrorResumesAfterTheFailingStatementWithAnEmptyStack) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) {
         p.trail.push_back(20);
         Push("a");
         Push("b");
         RaiseError(error::kBadArgument);
       }},
      {30, [](Program& p) {
         p.trail.push_back(30);
         p.depth_seen = string_stack::Depth();
       }},
      {40, [](Program&) { return kExit; }},
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{20, 30}));
  EXPECT_EQ(program.seen, error::kBadArgument);
  EXPECT_EQ(program.seen_line, 20);
  EXPECT_EQ(program.depth_seen, 0u);
  EXPECT_EQ(ErrorNumber(), 0);
}

// Raising is the low half: it records where and throws. Emptying the stack is the catcher's work, so an error that
// passes through code outside any executor leaves the operands for the frame that catches it.
TEST_F(Statements, RaisingRecordsAndThrowsAndTheCatcherEmptiesTheStack) {
  SetLine(77);
  Push("pending");
  EXPECT_THROW(RaiseError(error::kBadArgument), RuntimeErrorSignal);
  EXPECT_EQ(Errors().number, error::kBadArgument);
  EXPECT_EQ(Errors().line, 77);
  EXPECT_EQ(string_stack::Depth(), 1u);
  RestoreAfterError();
  EXPECT_EQ(string_stack::Depth(), 0u);
  Errors() = ErrorState{};

  const Routine<Program> uncaught(kQelvorinModule, {
      {10, [](Program&) {
         Push("a");
         RaiseError(error::kOutOfMemory);
       }},
  });
  EXPECT_EQ(Run(uncaught), 1);
  EXPECT_EQ(string_stack::Depth(), 0u);
  EXPECT_EQ(report.number, error::kOutOfMemory);
}

// Error number 0 is no error: the statement goes on, no handler runs and nothing is recorded.
TEST_F(Statements, RaisingErrorZeroReturns) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) {
         RaiseError(0);
         p.trail.push_back(20);
       }},
      {30, [](Program&) { return kExit; }},
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{20}));
  EXPECT_EQ(program.seen, 0);
  EXPECT_FALSE(Errors().raising);
}

TEST_F(Statements, ResumeRetryRunsTheStatementAgainAndResumeAtGoesToALabel) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "retry"),
      {20, [](Program& p) {
         if (++p.attempts < 3) RaiseError(error::kOverflow);
       }},
      OnErrorGoTo(30, "elsewhere"),
      {40, [](Program&) { RaiseError(error::kBadFileName); }},
      {50, [](Program& p) { p.trail.push_back(50); }},
      {"done", 60, [](Program& p) {
         p.trail.push_back(60);
         return kExit;
       }},
      {"retry", 100, [](Program&) { return ResumeRetry(); }},
      Label("elsewhere"),
      ResumeAtLabel(110, "done"),
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.attempts, 3);
  EXPECT_EQ(program.trail, (std::vector<int>{60}));
}

// The handler's own statements, and the local routine it calls, do not move the place a resume goes back to.
TEST_F(Statements, AHandlerOfSeveralStatementsResumesAtTheFailingStatement) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) {
         p.trail.push_back(20);
         if (++p.attempts == 1) RaiseError(error::kOverflow);
       }},
      {30, [](Program& p) {
         p.trail.push_back(30);
         if (p.attempts == 2) RaiseError(error::kBadArgument);
       }},
      {40, [](Program&) { return kExit; }},
      {"handler", 100, [](Program& p) { p.trail.push_back(100); }},
      GoSub(110, "note"),
      {120, [](Program& p) { p.trail.push_back(120); }},
      {130, [](Program&) { return ErrorNumber() == error::kOverflow ? ResumeRetry() : ResumeNext(); }},
      {"note", 200, [](Program& p) { p.trail.push_back(200); }},
      Return(210),
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{20, 100, 200, 120, 20, 30, 100, 200, 120}));
}

TEST_F(Statements, AnErrorInsideTheHandlerAtMainLevelIsReported) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program&) { RaiseError(error::kBadArgument); }},
      {30, [](Program&) { return kExit; }},
      {"handler", 100, [](Program&) { RaiseError(error::kOverflow); }},
  });
  EXPECT_EQ(Run(main), 1);
  EXPECT_EQ(report.module, &kQelvorinModule);
  EXPECT_EQ(MainModule(), &kQelvorinModule);
  EXPECT_EQ(report.number, error::kOverflow);
  EXPECT_EQ(report.line, 100);

  // The run is ending: a further raise abandons its operation but records nothing.
  EXPECT_THROW(RaiseError(error::kBadArgument), RuntimeErrorSignal);
  EXPECT_EQ(ErrorNumber(), error::kOverflow);
}

TEST_F(Statements, ResumeWithoutAnErrorIs20) {
  const Routine<Program> main(kQelvorinModule, {
      {10, [](Program&) { return ResumeNext(); }},
  });
  EXPECT_EQ(Run(main), 1);
  EXPECT_EQ(report.number, error::kResumeWithoutError);
  EXPECT_EQ(report.line, 10);
}

TEST_F(Statements, LocalRoutinesNestUpTo128Calls) {
  const Routine<Program> main(kQelvorinModule, {
      GoSub(10, "deeper"),
      ExitRoutine(20),
      {"deeper", 200, [](Program& p) { p.depth_seen = RoutineCallDepth(); }},
      GoSub(210, "deeper"),
  });
  EXPECT_EQ(Run(main), 1);
  EXPECT_EQ(report.number, error::kTooManyNestedCalls);
  EXPECT_EQ(program.depth_seen, kRoutineCallLimit);

  ReleaseRuntime();  // a new run: its receiver of reports too
  ListenForReports();
  const Routine<Program> stray_return(kQelvorinModule, {
      Return(10),
  });
  EXPECT_EQ(Run(stray_return), 1);
  EXPECT_EQ(report.number, error::kReturnWithoutCall);
}

TEST_F(Statements, ALocalRoutineReturnsAfterItsCall) {
  const Routine<Program> main(kQelvorinModule, {
      {10, [](Program& p) { p.trail.push_back(10); }},
      GoSub(11, "sub"),
      {20, [](Program& p) {
         p.trail.push_back(20);
         return kExit;
       }},
      {"sub", 30, [](Program& p) { p.trail.push_back(30); }},
      Return(31),
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{10, 30, 20}));
  EXPECT_EQ(RoutineCallDepth(), 0u);
}

TEST_F(Statements, ResumeNextAfterAnErrorInALocalRoutineContinuesInsideIt) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      GoSub(20, "sub"),
      {30, [](Program& p) {
         p.trail.push_back(30);
         return kExit;
       }},
      {"sub", 40, [](Program&) { RaiseError(error::kBadArgument); }},
      {41, [](Program& p) { p.trail.push_back(41); }},
      Return(42),
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{41, 30}));
  EXPECT_EQ(program.seen_line, 40);
  EXPECT_EQ(RoutineCallDepth(), 0u);
}

TEST_F(Statements, TheHostIsPolledAtTheFirstStatementAndEveryEleventh) {
  static std::vector<std::uint16_t> polled_at;
  polled_at.clear();
  SetPollHook([] { polled_at.push_back(Context().line); });
  std::vector<Statement<Program>> statements;
  for (std::uint16_t line = 1; line <= 30; ++line) statements.emplace_back(line, [](Program&) {});
  EXPECT_EQ(Run(Routine<Program>(kQelvorinModule, statements)), 0);
  // The poll runs inside the statement start, before the statement's own line is set.
  EXPECT_EQ(polled_at, (std::vector<std::uint16_t>{0, 11, 22}));
}

TEST_F(Statements, ThePollCanEndTheRun) {
  SetPollHook([] { throw RunEnded{7}; });
  const Routine<Program> main(kQelvorinModule, {
      {10, [](Program& p) { p.trail.push_back(10); }},
  });
  EXPECT_EQ(Run(main), 7);
  EXPECT_TRUE(program.trail.empty());
}

TEST_F(Statements, ArgumentRecordsOfTheCatchingFrameAreReleased) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program&) {
         Push("argument");
         MakeStringArgument();
         RaiseError(error::kBadArgument);
       }},
      {30, [](Program& p) { p.depth_seen = ArgumentRecordCount(); }},
      {40, [](Program&) { return kExit; }},
      {"handler", 100, RecordAndResumeNext},
  });
  program.depth_seen = 99;
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.depth_seen, 0u);
}

// A named routine in the manner of the converter's: its parameters by reference and zeroed locals.
struct DayFrame {
  Program* program;
  StringDescriptor scratch;
  float number;
};

const NamedRoutine<DayFrame, &DayFrame::program> FailingDay(kQelvorinModule, {
    {500, [](DayFrame& f) {
       f.program->trail.push_back(f.scratch.kind == StringKind::Unassigned && f.number == 0 ? 1 : 0);
       AssignConstant(f.scratch, "local bytes");
       f.program->local_bytes = f.scratch.data;
     }},
    {510, [](DayFrame&) { RaiseError(error::kBadArgument); }},
    {520, [](DayFrame& f) { f.program->trail.push_back(520); }},
});

TEST_F(Statements, AnErrorInANamedRoutineLeavesItAndIsCaughtByTheCaller) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) { FailingDay(p); }},
      {30, [](Program& p) {
         p.trail.push_back(30);
         return kExit;
       }},
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{1, 30}));
  EXPECT_EQ(program.seen, error::kBadArgument);
  EXPECT_EQ(program.seen_line, 20);  // the line of the call
  EXPECT_EQ(string_space::OwnerOf(program.local_bytes), nullptr);
  EXPECT_EQ(Context().frame, 0u);
  EXPECT_EQ(FrameStackUsed(), 0u);
}

TEST_F(Statements, AnUncaughtErrorInANamedRoutineReportsItsOwnLine) {
  const Routine<Program> main(kQelvorinModule, {
      {20, [](Program& p) { FailingDay(p); }},
  });
  EXPECT_EQ(Run(main), 1);
  EXPECT_EQ(report.number, error::kBadArgument);
  EXPECT_EQ(report.line, 510);
}

const NamedRoutine<DayFrame, &DayFrame::program> TrappingDay(kQelvorinModule, {
    OnErrorGoTo(600, "own handler"),
    {610, [](DayFrame&) { RaiseError(error::kOverflow); }},
    ExitRoutine(620),
    {"own handler", 630, [](DayFrame& f) { f.program->trail.push_back(630); }},
    // Falls off the end while its own handler runs.
});

TEST_F(Statements, ANamedRoutineEndingInsideItsHandlerIs19AndTrapsBelongToTheirFrame) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) { TrappingDay(p); }},
      {30, [](Program& p) {
         p.trail.push_back(30);
         p.depth_seen = Context().trap_label == "handler";
         return kExit;
       }},
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{630, 30}));
  EXPECT_EQ(program.seen, error::kRoutineEndsInHandler);
  EXPECT_EQ(program.depth_seen, 1u);
}

const NamedRoutine<DayFrame, &DayFrame::program> FailingHandler(kQelvorinModule, {
    OnErrorGoTo(650, "own handler"),
    {660, [](DayFrame&) { RaiseError(error::kOverflow); }},
    {"own handler", 670, [](DayFrame&) { RaiseError(error::kDivisionByZero); }},
});

TEST_F(Statements, AnErrorInsideANamedRoutinesHandlerIsCaughtFurtherOut) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) { FailingHandler(p); }},
      {30, [](Program&) { return kExit; }},
      {"handler", 100, RecordAndResumeNext},
  });
  EXPECT_EQ(Run(main), 0);
  EXPECT_EQ(program.seen, error::kDivisionByZero);
  EXPECT_EQ(program.seen_line, 20);
  EXPECT_EQ(Context().frame, 0u);
}

struct DayNameFrame {
  StringDescriptor result;
  StringDescriptor scratch;
};

const NamedRoutine<DayNameFrame> DayName(kQelvorinModule, {
    {700, [](DayNameFrame& f) { AssignConstant(f.scratch, "discarded"); }},
    {710, [](DayNameFrame& f) { AssignConstant(f.result, "Friday"); }},
});

TEST_F(Statements, AStringResultSurvivesTheRoutineItsLocalsDoNot) {
  DayName().Push();
  const StringDescriptor result = PopString();
  EXPECT_EQ(result.kind, StringKind::Temporary);
  EXPECT_EQ(TextOf(result), "Friday");
  ReleaseString(result);
  EXPECT_EQ(string_space::Compact(), string_space::kUnit);  // nothing else is live
}

struct DeepFrame {
  int* depth;
  StringDescriptor scratch;
};

extern const NamedRoutine<DeepFrame, &DeepFrame::depth> Recursing;
const NamedRoutine<DeepFrame, &DeepFrame::depth> Recursing(kQelvorinModule, {
    {800, [](DeepFrame& f) {
       ++*f.depth;
       Recursing(*f.depth);
     }},
});

TEST_F(Statements, NamedRoutinesNestUntilTheFrameBudgetRunsOut) {
  SetFrameStackBudget(16 * 1024);
  int depth = 0;
  const RuntimeErrorNumber raised = ErrorOf([&] { Recursing(depth); });
  SetFrameStackBudget(kDefaultFrameStackBudget);
  EXPECT_EQ(raised, error::kOutOfStackSpace);
  EXPECT_GT(depth, 10);
  EXPECT_EQ(FrameStackUsed(), 0u);
  EXPECT_EQ(Context().frame, 0u);
}

}  // namespace
