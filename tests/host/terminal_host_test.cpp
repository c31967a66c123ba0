// The real host, run as a child: on a pseudo-terminal (screen drawing, keys, the break key, signals) and with its
// output to a pipe (the transcript).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "child_process.h"

namespace {

const std::string kProbe = QELVORIN_PROBE;
const std::string kLibraryFolder = QELVORIN_BUILD_DIR "/";

const std::string kReportLine = "Qelvorin [90行]:エラー[53]";
const std::string kMessage53 = "装置名が正しくないか、装置を使えません";
const std::string kPressAnyKey = "任意のキーを押してください";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TerminalHost : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/qelvorin-host-XXXXXX";
    folder = mkdtemp(name);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string folder;
};

TEST_F(TerminalHost, AnUntrappedErrorIsShownOnTheScreenWaitsForAKeyAndEndsWithStatusOne) {
  probe::TerminalChild child({kProbe, "report"}, kLibraryFolder);
  ASSERT_TRUE(child.ReadUntil(kPressAnyKey)) << child.received();
  const std::string& screen = child.received();
  EXPECT_NE(screen.find("\x1b[?1049h"), std::string::npos) << "drawn on the alternate screen";
  EXPECT_NE(screen.find("\x1b]0;host_probe\x07"), std::string::npos) << "titled after the executable";
  EXPECT_NE(screen.find("line 1"), std::string::npos);
  EXPECT_NE(screen.find(" 30 "), std::string::npos);
  EXPECT_NE(screen.find(kReportLine), std::string::npos);
  EXPECT_NE(screen.find(kMessage53), std::string::npos);
  child.Type("x");
  EXPECT_EQ(child.Finish(), 1);
  const std::string after = child.received().substr(child.received().find(kPressAnyKey));
  EXPECT_NE(after.find("\x1b[?1049l"), std::string::npos) << "the terminal is given back";
  EXPECT_NE(after.find(kReportLine + "\r\n" + kMessage53), std::string::npos) << "the report stays readable";
}

TEST_F(TerminalHost, CtrlCInterruptsWithThePromptKeepsWholeRecordsAndEndsWithStatus130) {
  const std::string output = folder + "/out.ren";
  probe::TerminalChild child({kProbe, "loop", output}, kLibraryFolder);
  ASSERT_TRUE(child.ReadUntil("ready")) << child.received();
  child.Type("\x03");
  ASSERT_TRUE(child.ReadUntil("中断しました Qelvorin[")) << child.received();
  ASSERT_TRUE(child.ReadUntil(kPressAnyKey));
  child.Type("q");
  EXPECT_EQ(child.Finish(), 130);
  EXPECT_EQ(ReadFile(output), "kept\r\n\x1A");
}

TEST_F(TerminalHost, HangUpAndTerminateEndThroughTheNormalShutdownWithWholeRecords) {
  for (const auto& [signal, status] : {std::pair{SIGHUP, 129}, std::pair{SIGTERM, 143}}) {
    const std::string output = folder + "/out" + std::to_string(signal) + ".ren";
    probe::TerminalChild child({kProbe, "loop", output}, kLibraryFolder);
    ASSERT_TRUE(child.ReadUntil("ready")) << child.received();
    child.Signal(signal);
    EXPECT_EQ(child.Finish(), status) << "signal " << signal;
    EXPECT_EQ(ReadFile(output), "kept\r\n\x1A") << "signal " << signal;
  }
}

TEST_F(TerminalHost, ASmallTerminalShowsTheTopLeftAndAHint) {
  probe::TerminalChild child({kProbe, "report"}, kLibraryFolder, 40, 10);
  ASSERT_TRUE(child.ReadUntil(kPressAnyKey)) << child.received();
  child.Type("x");
  EXPECT_EQ(child.Finish(), 1);
  EXPECT_NE(child.received().find("\x1b[10;1H\x1b[7m端末が80"), std::string::npos) << "the hint on the last row";
  EXPECT_EQ(child.received().find("\x1b[10;1Hline"), std::string::npos) << "nothing else drawn there";
}

TEST_F(TerminalHost, AResizeAtThePromptDrawsTheScreenAgainAtOnceWithTheCursorInView) {
  probe::TerminalChild child({kProbe, "report"}, kLibraryFolder);
  ASSERT_TRUE(child.ReadUntil(kPressAnyKey)) << child.received();
  std::size_t mark = child.received().size();
  child.Resize(40, 6);
  // Five rows show the prompt's row: the report's end, not the top-left.
  ASSERT_TRUE(child.ReadUntil("\x1b[6;1H\x1b[7m端末が80", mark)) << child.received().substr(mark);
  EXPECT_NE(child.received().find(kPressAnyKey, mark), std::string::npos);
  EXPECT_EQ(child.received().find("line 1", mark), std::string::npos);
  mark = child.received().size();
  child.Resize(80, 24);
  ASSERT_TRUE(child.ReadUntil("line 1", mark)) << "drawn again without a key";
  child.Type("x");
  EXPECT_EQ(child.Finish(), 1);
}

TEST(Transcript, EachRowIsWrittenOnceAndTheReportAlsoGoesToStandardError) {
  const probe::PipedRun run = probe::RunPiped({kProbe, "report"}, kLibraryFolder);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "line 1\nline 2\n 30\n\n" + kReportLine + "\n" + kMessage53 + "\n" + kPressAnyKey + "\n");
  EXPECT_EQ(run.errors, kReportLine + "\n" + kMessage53 + "\n");
}

TEST(Transcript, WithoutTheMessageLibraryTheReportLineStandsAlone) {
  char name[] = "/tmp/qelvorin-empty-XXXXXX";
  const std::string empty = mkdtemp(name);
  const probe::PipedRun run = probe::RunPiped({kProbe, "report"}, empty + "/");
  std::filesystem::remove_all(empty);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, kReportLine + "\n");
  EXPECT_EQ(run.output, "line 1\nline 2\n 30\n\n" + kReportLine + "\n" + kPressAnyKey + "\n");
}

TEST(Transcript, BatchRunsOnATerminalShowTheTranscriptWithTheRowInPlace) {
  probe::TerminalChild child({kProbe, "batch"}, kLibraryFolder);
  ASSERT_TRUE(child.ReadUntil(kPressAnyKey)) << child.received();
  child.Type("x");
  EXPECT_EQ(child.Finish(), 1);
  const std::string& received = child.received();
  EXPECT_EQ(received.find("\x1b[?1049h"), std::string::npos) << "no screen of its own";
  EXPECT_NE(received.find("\rline 2\x1b[K\r\n"), std::string::npos);
  EXPECT_NE(received.find("\r 30\x1b[K\r\n"), std::string::npos);
  EXPECT_NE(received.find(kReportLine), std::string::npos);
}

}  // namespace
