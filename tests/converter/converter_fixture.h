// Runs the converter's routines on a fresh set of program values, with the console drawn on a recording window and
// the mailbox and card file as real files in a temporary folder.
#pragma once

#include <string>
#include <string_view>

#include "converter/converter.h"
#include "files/file_fixture.h"
#include "host/recording_window.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "statements/error_trap.h"
#include "statements/statements.h"

struct Report {
  RuntimeErrorNumber number = 0;
  std::uint16_t line = 0;
};

class ConverterTest : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    OpenMainWindow(std::make_unique<RecordingWindow>(window));
    CheckStackBalance(true);
    SetErrorReportHook([this](const ModuleBlock*, RuntimeErrorNumber number, std::uint16_t line) {
      report = {number, line};
    });
  }
  void TearDown() override {
    CheckStackBalance(false);
    FileTest::TearDown();
    ReleaseRuntime();
    HostRun() = RunState{};  // the next test is a new run
  }

  // Runs one local routine of the converter on the program values; the exit code of the run.
  int RunLocal(std::string_view routine) {
    const Routine<Converter> program = ConverterRoutine({GoSub(1, routine), ExitRoutine(2)});
    return RunMain(program, values);
  }

  // Converts the mailbox bytes into a new card file and closes every channel, as the end of a run does; the card
  // file's bytes.
  std::string Convert(const std::string& mailbox) {
    Write(Path("in.mbx"), mailbox);
    Open(Path("in.mbx"), kMailboxChannel, file_mode::kInput);
    const std::string card = Path("out" + std::to_string(++conversions) + ".ren");
    Open(card, kOutputChannel, file_mode::kOutput);
    exit_code = RunLocal("CONVERT");
    CloseChannels({});
    return Read(card);
  }

  std::string Row(std::int32_t row) const { return RowText(MainWindow()->screen, row); }

  Converter values;
  Report report;
  int exit_code = 0;
  int conversions = 0;
  Recording window;
};
