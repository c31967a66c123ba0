// Routines written in reading order: expressions, checked labels and lines, block IFs, named routines with
// by-reference parameters and results (the converter's own SEP and MDAY among them), all under the error trap.
#include <stdexcept>
#include <string>
#include <vector>

#include "converter/converter.h"
#include "statements/named_routine.h"
#include "statements/procedures.h"
#include "statements/statements.h"
#include "values/argument_area.h"
#include "values/runtime_fixture.h"

namespace {

struct Program {
  StringDescriptor text{};
  StringDescriptor first{};
  StringDescriptor rest{};
  float number = 0;
  float day = 0;
  std::vector<int> trail;
  RuntimeErrorNumber seen = 0;
};

class StatementLayer : public RuntimeTest {
 protected:
  void SetUp() override { CheckStackBalance(true); }
  void TearDown() override {
    CheckStackBalance(false);
    RuntimeTest::TearDown();
  }
  Program program;
};

// A text function with a numeric parameter: the first n bytes, then a mark.
struct ClipFrame {
  StringDescriptor* text;
  float* budget;
  StringDescriptor result;
};
const NamedRoutine<ClipFrame, &ClipFrame::text, &ClipFrame::budget> CLIP(kQelvorinModule, {
    {10, [](ClipFrame& f) { Let(f.result, Cat(Left(*f.text, *f.budget), "|")); }},
});

TEST_F(StatementLayer, ExpressionsReadInOrderAndRoundTheirCounts) {
  AssignConstant(program.text, "Re: Hello world");
  EXPECT_EQ(Value(InStr(program.text, ":")), 3);
  EXPECT_EQ(Value(InStr(5, program.text, "o")), 9);
  EXPECT_EQ(Value(InStrChars("\x82\xa0" "ab", "b")), 3);
  Let(program.first, LTrim(Mid(program.text, 4)));
  EXPECT_EQ(TextOf(program.first), "Hello world");
  Let(program.first, Left(program.text, 2.5F));  // halves round away from zero
  EXPECT_EQ(TextOf(program.first), "Re:");
  Let(program.first, Cat(UCase(Left(program.text, 2)), "-", LCase("ABC"), Str(12)));
  EXPECT_EQ(TextOf(program.first), "RE-abc 12");
  EXPECT_TRUE(Same(Right(program.text, 5), "world"));
  EXPECT_FALSE(Same(program.text, "Re:"));
  EXPECT_TRUE(Len(program.text) - 15 == 0);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(StatementLayer, NumbersKeepTheirPrecisionUntilStored) {
  // Whole numbers print their exact digits; single values print six significant digits.
  Let(program.first, Str(Val("1234567") - 1));
  EXPECT_EQ(TextOf(program.first), " 1234566");
  Let(program.number, Val("1234567") - 1);
  Let(program.first, Str(program.number));
  EXPECT_EQ(TextOf(program.first), " 1.23457E+06");
  Let(program.first, Str(Val("2.5") * 2));
  EXPECT_EQ(TextOf(program.first), " 5");
  EXPECT_EQ(ErrorOf([&] { Let(program.number, Val("1D300")); }), error::kOverflow);
  EXPECT_EQ(ErrorOf([&] { Let(program.first, Left(program.text, -1)); }), error::kBadArgument);
}

TEST_F(StatementLayer, NamedRoutinesTakeVariablesByReferenceAndExpressionsAsTemporaries) {
  AssignConstant(program.text, "29 Aug 1997");
  SEP(program.text, program.first, program.rest);
  EXPECT_EQ(TextOf(program.first), "29");
  EXPECT_EQ(TextOf(program.rest), "Aug 1997");
  SEP(program.rest, program.first, program.rest);  // the remainder may replace its source
  EXPECT_EQ(TextOf(program.first), "Aug");
  EXPECT_EQ(TextOf(program.rest), "1997");

  Let(program.first, CLIP(Cat(program.rest, "abc"), 5));
  EXPECT_EQ(TextOf(program.first), "1997a|");
  EXPECT_EQ(ArgumentRecordCount(), 0);
  EXPECT_EQ(FrameStackUsed(), 0u);

  float month = 2;
  EXPECT_EQ(Value(MDAY(month, Val("1996"))), 29);
  EXPECT_EQ(Value(MDAY(month, 1997)), 28);
  EXPECT_EQ(Value(MDAY(13, 1997)), 0);
  EXPECT_EQ(ArgumentRecordCount(), 0);
}

TEST_F(StatementLayer, BlockIfsChooseOneBranchAndResumeNextLeavesTheBlock) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) { Let(p.number, 2); }},
      Label("again"),
      If(30, [](Program& p) { return p.number == 1; }),
        {40, [](Program& p) { p.trail.push_back(40); }},
      ElseIf(50, [](Program& p) { return p.number == 2; }),
        {60, [](Program& p) { p.trail.push_back(60); }},
        {70, [](Program&) { RaiseError(error::kOverflow); }},
      Else(),
        {80, [](Program& p) { p.trail.push_back(80); }},
      EndIf(),
      {90, [](Program& p) { Let(p.number, p.number + 1); }},
      GoToUnless(100, [](Program& p) { return p.number > 3; }, "again"),
      ExitRoutine(110),
      Label("handler"),
      {120, [](Program& p) { p.seen = ErrorNumber(); }},
      {130, [](Program&) { return ResumeNext(); }},
  });
  EXPECT_EQ(RunMain(main, program), 0);
  // 2 takes the middle branch and fails at its end; the resume goes past EndIf, not into Else; 3 takes Else.
  EXPECT_EQ(program.trail, (std::vector<int>{60, 80}));
  EXPECT_EQ(program.seen, error::kOverflow);
}

// The steps lead past runs of markers: the end of an inner branch goes past both EndIfs, a return lands after its
// call even when an Else follows it, and a jump to a label goes on at the statement after it.
TEST_F(StatementLayer, RunsOfMarkersArePassedAsTheyStand) {
  const Routine<Program> main(kQelvorinModule, {
      {10, [](Program& p) { Let(p.number, 0); }},
      Label("loop"),
      If(20, [](Program& p) { return p.number < 2; }),
        If(30, [](Program& p) { return p.number == 0; }),
          {40, [](Program& p) { p.trail.push_back(40); }},
          GoSub(50, "sub"),
        Else(),
          {60, [](Program& p) { p.trail.push_back(60); }},
        EndIf(),
      Else(),
        {70, [](Program& p) { p.trail.push_back(70); }},
      EndIf(),
      Label("after"),
      {80, [](Program& p) { Let(p.number, p.number + 1); }},
      GoToIf(90, [](Program& p) { return p.number < 3; }, "loop"),
      ExitRoutine(100),
      Label("sub"),
      {110, [](Program& p) { p.trail.push_back(110); }},
      Return(120),
  });
  EXPECT_EQ(RunMain(main, program), 0);
  EXPECT_EQ(program.trail, (std::vector<int>{40, 110, 60, 70}));
  EXPECT_EQ(program.number, 3);
}

TEST_F(StatementLayer, AnErrorInANamedRoutineIsCaughtByTheCallersTrap) {
  const Routine<Program> main(kQelvorinModule, {
      OnErrorGoTo(10, "handler"),
      {20, [](Program& p) { Let(p.first, CLIP(p.text, -1)); }},
      {30, [](Program& p) { p.trail.push_back(30); }},
      ExitRoutine(40),
      Label("handler"),
      {50, [](Program& p) { p.seen = ErrorNumber(); }},
      {60, [](Program&) { return ResumeNext(); }},
  });
  EXPECT_EQ(RunMain(main, program), 0);
  EXPECT_EQ(program.seen, error::kBadArgument);
  EXPECT_EQ(program.trail, (std::vector<int>{30}));
  EXPECT_EQ(FrameStackUsed(), 0u);
  EXPECT_EQ(ArgumentRecordCount(), 0);
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(StatementLayer, MistakesInAStatementListFailWhenItIsBuilt) {
  using Statements = std::initializer_list<Statement<Program>>;
  const auto build = [](Statements statements) { Routine<Program>(kQelvorinModule, statements); };
  EXPECT_THROW(build({GoTo(10, "nowhere")}), std::logic_error);
  EXPECT_THROW(build({GoSub(10, "sub"), Label("sbu"), Return(20)}), std::logic_error);
  EXPECT_THROW(build({OnErrorGoTo(10, "handelr"), Label("handler"), Return(20)}), std::logic_error);
  EXPECT_THROW(build({{20, [](Program&) {}}, {10, [](Program&) {}}}), std::logic_error);
  EXPECT_THROW(build({{10, [](Program&) {}}, {10, [](Program&) {}}}), std::logic_error);
  EXPECT_THROW(build({If(10, [](Program&) { return true; })}), std::logic_error);
  EXPECT_THROW(build({Else(), EndIf()}), std::logic_error);
  EXPECT_THROW(build({Label("twice"), Label("twice")}), std::logic_error);
  EXPECT_NO_THROW(build({DisarmErrorTrap(10), GoTo(20, "end"), Label("end")}));
}

TEST_F(StatementLayer, AStatementThatLeavesAStringOnTheStackIsCaughtAtItsOwnLine) {
  const Routine<Program> main(kQelvorinModule, {
      {10, [](Program&) { PushStringConstant("forgotten"); }},
      {20, [](Program&) {}},
  });
  try {
    RunMain(main, program);
    FAIL() << "the unbalanced statement went unnoticed";
  } catch (const std::logic_error& failure) {
    EXPECT_NE(std::string(failure.what()).find("line 10"), std::string::npos);
  }
}

}  // namespace
