// Without the console, an error's report and its key prompt are message boxes: the report's offers the reference
// help, the prompt's does not.
#include <gtest/gtest.h>

#include <string>

#include "host/error_report.h"
#include "host/message_poll.h"
#include "host/program_title.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "host/text_format.h"
#include "win32/recorded_calls.h"
#include "texts.h"

namespace {

TEST(ReportBoxes, TheReportOffersHelpAndThePromptIsAPlainExclamation) {
  RecordedCalls calls;
  SetProgramTitle("qelvorin");
  ReportError(&kQelvorinModule, error::kBadArgument, 120);
  ASSERT_EQ(calls.boxes.size(), 1u);
  EXPECT_EQ(calls.boxes[0].style, static_cast<UINT>(MB_HELP | MB_ICONEXCLAMATION));
  EXPECT_EQ(calls.boxes[0].caption, "qelvorin.EXE");
  const std::string report = "\r\n" + FillPattern(texts::ReportLine, {std::string(texts::ModuleName), "120", "5"});
  EXPECT_EQ(calls.boxes[0].text.substr(0, report.size()), report) << "the box text begins with an empty line";
  KeyPrompt(PromptKind::AfterReport);
  ASSERT_EQ(calls.boxes.size(), 2u);
  EXPECT_EQ(calls.boxes[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(calls.boxes[1].text, "\r\n" + std::string(texts::PressAnyKey));
  ReleaseRuntime();
  HostRun() = RunState{};  // the next test is a new run
}

}  // namespace
