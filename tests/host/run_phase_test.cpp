// The run on the host: the poll, the keyboard ring, the break key, the end call, reports and the shutdown,
// observed through a recording window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "files/file_fixture.h"
#include "host/console_output.h"
#include "host/error_report.h"
#include "host/install_folder.h"
#include "host/message_poll.h"
#include "host/program_title.h"
#include "host/run_phase.h"
#include "files/channel_table.h"
#include "files/directory_search.h"
#include "files/output_target.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/text_format.h"
#include "recording_window.h"
#include "statements/routine.h"
#include "messages.h"
#include "texts.h"

namespace {

struct Program {
  int statements_run = 0;
  std::string output_path;
};

void Say(std::string_view text) {
  SelectConsoleOutput(0);
  PushStringConstant(text);
  PrintString(Separator::LineEnd);
}

class HostRun : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    OpenMainWindow(std::make_unique<RecordingWindow>(window));
    SetInstallFolder(kBuildFolder);
    SetProgramTitle("QELVORIN");
    ::HostRun().break_enabled = true;  // as the start-up does
  }
  void TearDown() override {
    ForgetInstallFolder();
    ReleaseRuntime();
    ::HostRun() = RunState{};  // the next test is a new run
    FileTest::TearDown();
  }

  int Run(const Routine<Program>& routine) {
    return RunPhase([&] { return RunMain(routine, program); });
  }

  static constexpr const char* kBuildFolder = QELVORIN_BUILD_DIR "/";
  Recording window;
  Program program;
};

// A program of n counted statements.
Routine<Program> Counted(int statements) {
  std::vector<Statement<Program>> list;
  for (int line = 1; line <= statements; ++line) {
    list.push_back({static_cast<std::uint16_t>(line * 10), [](Program& p) { ++p.statements_run; }});
  }
  return Routine<Program>(kQelvorinModule, std::move(list));
}

TEST_F(HostRun, ThePollRunsAtTheFirstStatementAndThenAtEveryEleventh) {
  EXPECT_EQ(Run(Counted(23)), 0);
  EXPECT_EQ(window.polls, 3);
  EXPECT_TRUE(window.closed);
}

TEST_F(HostRun, AShortProgramIsStillPolledOnce) {
  EXPECT_EQ(Run(Counted(3)), 0);
  EXPECT_EQ(window.polls, 1);
}

TEST_F(HostRun, TheRingHoldsTwoHundredFiftyFiveKeysAndBeepsForTheRest) {
  window.poll_keys.push_back(std::string(300, 'a'));
  const Routine<Program> routine(kQelvorinModule, {
      {10, [](Program&) {}},
      {20, [](Program&) {
         KeyboardRing& keys = MainWindow()->keys;
         int count = 0;
         while (keys.HasKey()) {
           keys.Take();
           ++count;
         }
         if (count != 255) RaiseError(error::kOverflow);
       }},
  });
  EXPECT_EQ(Run(routine), 0);
  EXPECT_EQ(window.beeps, 45);
}

TEST_F(HostRun, TheBreakKeyStopsTheRunWithTheInterruptPromptAndClosesTheChannelsWithWholeRecords) {
  program.output_path = Path("out.ren");
  std::vector<Statement<Program>> list;
  list.push_back({10, [](Program& p) {
                    Push(p.output_path);
                    OpenChannel(3, 0, file_mode::kOutput);
                    SelectOutputChannel(3);
                    PushStringConstant("kept");
                    PrintString(Separator::LineEnd);
                    MarkRecordEnd(3);
                    PushStringConstant("unfinished");
                    PrintString(Separator::LineEnd);
                  }});
  for (int line = 2; line <= 20; ++line) {
    list.push_back({static_cast<std::uint16_t>(line * 10), [](Program& p) { ++p.statements_run; }});
  }
  // Ctrl+C reaches the host at the second poll, at the start of statement 12, which then does not run: the line
  // shown is the last one that ran.
  window.poll_keys.push_back("x");
  window.poll_keys.push_back("\x03");
  EXPECT_EQ(Run(Routine<Program>(kQelvorinModule, std::move(list))), 130);
  EXPECT_EQ(program.statements_run, 10);
  EXPECT_EQ(window.Row(1) + " ", FillPattern(texts::InterruptPrompt, {texts::Interrupted, "Qelvorin", "110", ""}));
  EXPECT_EQ(window.Row(2), texts::PressAnyKey);
  EXPECT_EQ(window.waits, 1);
  EXPECT_EQ(Read(program.output_path), "kept\r\n\x1A");
}

TEST_F(HostRun, TheEndCallEndsTheRunWithItsCode) {
  const Routine<Program> routine(kQelvorinModule, {
      {10, [](Program&) { Say("bye"); }},
      {20, [](Program&) { EndRun(7); }},
      {30, [](Program& p) { ++p.statements_run; }},
  });
  EXPECT_EQ(Run(routine), 7);
  EXPECT_EQ(program.statements_run, 0);
  EXPECT_EQ(window.Row(0), "bye");
  EXPECT_TRUE(window.closed);
}

TEST_F(HostRun, AnUntrappedErrorIsReportedWithTheLibrarysMessageAndEndsWithStatusOne) {
  const Routine<Program> routine(kQelvorinModule, {
      {10, [](Program&) { Say("start"); }},
      {120, [](Program&) { RaiseError(error::kBadDevice); }},
      {130, [](Program& p) { ++p.statements_run; }},
  });
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(program.statements_run, 0);
  EXPECT_EQ(window.Row(0), "start");
  EXPECT_EQ(window.Row(1), "");
  EXPECT_EQ(window.Row(2), FillPattern(texts::ReportLine, {"Qelvorin", "120", "53"}));
  EXPECT_EQ(window.Row(3), messages::BadDevice);
  EXPECT_EQ(window.Row(4), texts::PressAnyKey);
  EXPECT_EQ(window.waits, 1);
  EXPECT_EQ(window.echoed, "\r\n" + window.Row(2) + "\r\n" + std::string(messages::BadDevice));
}

TEST_F(HostRun, WithoutTheLibraryTheReportLineStandsAlone) {
  std::filesystem::create_directory(Path("empty"));
  SetInstallFolder((std::filesystem::path(Path("empty")) / "").string());
  const Routine<Program> routine(kQelvorinModule, {{50, [](Program&) { RaiseError(error::kOverflow); }}});
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(window.Row(1), FillPattern(texts::ReportLine, {"Qelvorin", "50", "6"}));
  EXPECT_EQ(window.Row(2), texts::PressAnyKey);
}

TEST_F(HostRun, TheReportPromptEnablesADisabledWindowUntilItsKeyAndThenClosesTheHelp) {
  window.disabled = true;
  const Routine<Program> routine(kQelvorinModule, {{10, [](Program&) { RaiseError(error::kOverflow); }}});
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(window.seen_enabled, std::vector<bool>{true});
  EXPECT_TRUE(window.disabled) << "disabled again after the key";
  EXPECT_EQ(window.help_closes, 1);
}

TEST_F(HostRun, TheRunBeginsWithTheBackingPicture) {
  EXPECT_EQ(Run(Counted(2)), 0);
  EXPECT_EQ(window.pictures, 1);
  EXPECT_TRUE(window.boxes.empty());
}

TEST_F(HostRun, ABackingPictureThatCannotBeMadeIsToldAndTheRunGoesOn) {
  window.picture_possible = false;
  EXPECT_EQ(Run(Counted(2)), 0);
  EXPECT_EQ(program.statements_run, 2);
  EXPECT_EQ(window.boxes, std::vector<std::string>{"QELVORIN.EXE|" + std::string(texts::StartFailure5)});
}

TEST_F(HostRun, NobodyAtTheKeyboardEndsThePromptAtOnce) {
  window.wait_answer = "";
  const Routine<Program> routine(kQelvorinModule, {{10, [](Program&) { RaiseError(error::kOverflow); }}});
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(window.waits, 1);
}

TEST_F(HostRun, ACloseEndsTheRunWithoutAnotherStatement) {
  window.poll_keys.push_back("close");
  EXPECT_EQ(Run(Counted(5)), 0);
  EXPECT_EQ(program.statements_run, 0);
  EXPECT_TRUE(window.boxes.empty());
}

TEST_F(HostRun, ACloseDuringTheReportStillEndsAsAFailure) {
  window.wait_answer = "close";
  const Routine<Program> routine(kQelvorinModule, {{10, [](Program&) { RaiseError(error::kOverflow); }}});
  EXPECT_EQ(Run(routine), 1);
}

TEST_F(HostRun, TheShutdownClosesEveryChannelWithItsWholeRecordsAndMarkAfterAnError) {
  program.output_path = Path("out.ren");
  const Routine<Program> routine(kQelvorinModule, {
      {10, [](Program& p) {
         Push(p.output_path);
         OpenChannel(3, 0, file_mode::kAppend);
         SelectOutputChannel(3);
         PushStringConstant("#E");
         PrintString(Separator::LineEnd);
         MarkRecordEnd(3);
         PushStringConstant("#S");
         PrintString(Separator::LineEnd);
       }},
      {20, [](Program&) { RaiseError(error::kInputPastEnd); }},
  });
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(Read(program.output_path), "#E\r\n\x1A");
}

// The end of a run resets the runtime's every part: the next run starts as the first one did.
TEST_F(HostRun, TheEndOfARunLeavesEveryPartOfTheRuntimeFresh) {
  program.output_path = Path("out.ren");
  const Routine<Program> routine(kQelvorinModule, {
      {10, [](Program& p) {
         Push(p.output_path);
         OpenChannel(3, 0, file_mode::kAppend);
         SelectOutputChannel(3);
         Push(p.output_path);
         DirOpen(2);
         Push("pending");
       }},
      {20, [](Program&) { RaiseError(error::kInputPastEnd); }},
  });
  EXPECT_EQ(Run(routine), 1);
  EXPECT_EQ(ObjectOf(3), kNoObject);
  EXPECT_FALSE(runtime.files.search_slots[1].in_use);
  EXPECT_EQ(CurrentOutputTarget().kind, OutputKind::Console);
  EXPECT_EQ(string_stack::Depth(), 0u);
  EXPECT_EQ(string_space::Units(), 0u);
  EXPECT_EQ(Errors().number, 0);
  EXPECT_EQ(Context().line, 0);
  EXPECT_TRUE(::HostRun().terminating);  // what comes after the end is not reported
  EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(HostRun, ErrorsAfterTheReportAreIgnored) {
  const Routine<Program> routine(kQelvorinModule, {{10, [](Program&) { RaiseError(error::kOverflow); }}});
  EXPECT_EQ(Run(routine), 1);
  const int waits = window.waits;
  ReportError(&kQelvorinModule, error::kBadArgument, 20);
  EXPECT_EQ(window.waits, waits);
}

TEST(HostTexts, TheTitleIsTheExecutablesNameUpToItsFirstDot) {
  EXPECT_EQ(TitleFromPath("C:\\TOOLS\\A.B.EXE"), "A");
  EXPECT_EQ(TitleFromPath("/usr/local/bin/qelvorin"), "qelvorin");
  EXPECT_EQ(TitleFromPath("C:"), "");
  EXPECT_EQ(TitleFromPath("C:\\TOOLS\\"), "");
  SetProgramTitle("A");
  EXPECT_EQ(BoxCaption(), "A.EXE");
}

TEST(HostTexts, PatternsTakeTheirValuesInTurnAndKeepDoubleByteCharacters) {
  EXPECT_EQ(FillPattern(texts::ReportLine, {"M", "120", "5"}), "M [120\x8D\x73]:\x83\x47\x83\x89\x81\x5B[5]");
  EXPECT_EQ(FillPattern("%s-%d%%x", {"a", "1"}), "a-1%%x");
}

}  // namespace
