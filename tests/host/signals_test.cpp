// Signals as a user sends them to the real host: ignored ones stay ignored, a stop is acted on while nobody reads
// the output, and every signal that ends the process gives the terminal back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "child_process.h"

namespace {

using namespace std::chrono_literals;

const std::string kProbe = QELVORIN_PROBE;
const std::string kLibraryFolder = QELVORIN_BUILD_DIR "/";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class Signals : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (std::filesystem::temp_directory_path() / "qelvorin-signals-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder = name;
  }
  // A new card file for each child.
  std::string Output(int signal) const { return folder + "/out" + std::to_string(signal) + ".ren"; }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string folder;
};

// nohup, or a background job of a shell without job control, starts the program with these ignored.
TEST_F(Signals, ASignalTheCallerIgnoresStaysIgnored) {
  for (const int ignored : {SIGHUP, SIGINT}) {
    const std::string output = Output(ignored);
    probe::BackgroundChild child({kProbe, "loop", output}, kLibraryFolder, [ignored] { signal(ignored, SIG_IGN); });
    ASSERT_TRUE(child.ReadUntil("ready"));
    child.Signal(ignored);
    EXPECT_EQ(child.ExitWithin(300ms), -1) << "signal " << ignored;
    child.Signal(SIGTERM);
    EXPECT_EQ(child.ExitWithin(5s), 143);
    EXPECT_EQ(ReadFile(output), "kept\r\n\x1A");
  }
}

// A pager or log collector that stops reading: the writes to standard output block, and a stop still ends the run
// within a second, in order, with the whole records and the mark.
TEST_F(Signals, AStopIsActedOnWhileAWriteToStandardOutputBlocks) {
  for (const auto& [stop, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}, std::pair{SIGHUP, 129}}) {
    const std::string output = Output(stop);
    probe::BackgroundChild child({kProbe, "chatter", output}, kLibraryFolder);
    ASSERT_TRUE(child.ReadUntil("ready"));
    std::this_thread::sleep_for(300ms);  // the pipe fills and the chatter blocks
    child.Signal(stop);
    EXPECT_EQ(child.ExitWithin(1s), status) << "signal " << stop;
    EXPECT_EQ(ReadFile(output), "kept\r\n\x1A") << "signal " << stop;
  }
}

TEST_F(Signals, EverySignalThatEndsTheProgramGivesTheTerminalBack) {
  for (const int fatal : {SIGUSR1, SIGALRM, SIGVTALRM, SIGPROF, SIGRTMIN + 3}) {
    probe::TerminalChild child({kProbe, "loop", Output(fatal)}, kLibraryFolder);
    ASSERT_TRUE(child.ReadUntil("ready")) << child.received();
    termios raw{};
    ASSERT_TRUE(child.Settings(raw));
    ASSERT_EQ(raw.c_lflag & ICANON, 0u) << "the keys are read raw";
    const std::size_t before = child.received().size();
    child.Signal(fatal);
    EXPECT_EQ(child.Finish(), 128 + fatal);
    EXPECT_NE(child.received().find("\x1b[?1049l", before), std::string::npos) << "signal " << fatal;
    termios given_back{};
    ASSERT_TRUE(child.Settings(given_back));
    EXPECT_NE(given_back.c_lflag & ICANON, 0u) << "signal " << fatal;
    EXPECT_NE(given_back.c_lflag & ECHO, 0u) << "signal " << fatal;
  }
}

}  // namespace
