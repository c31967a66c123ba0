// What a user finds in an output file while the host waits for a key after a report or the break key: the whole
// records the program printed; the record under way is never finished, and the shutdown drops it.
#include "files/file_fixture.h"
#include "host/error_report.h"
#include "host/message_poll.h"
#include "host/run_state.h"
#include "host/runtime.h"
#include "recording_window.h"

namespace {

// Reads the file at the moment the host waits for a key.
class ReadingWindow : public RecordingWindow {
 public:
  ReadingWindow(Recording& recording, std::string path, std::string& seen)
      : RecordingWindow(recording), path_(std::move(path)), seen_(seen) {}
  bool WaitForKey(platform::WindowEvents& events) override {
    seen_ = Read(path_);
    return RecordingWindow::WaitForKey(events);
  }

 private:
  std::string path_;
  std::string& seen_;
};

class HostFlush : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    path = Path("cards.ren");
    OpenMainWindow(std::make_unique<ReadingWindow>(window, path, seen));
    Open(path, 3, file_mode::kOutput);
    Print(3, "#S1\r\n#E\r\n\r\n");
    MarkRecordEnd(3);
    Print(3, "#S2\r\nunfinished");
  }
  void TearDown() override {
    ReleaseRuntime();
    HostRun() = RunState{};  // the next test is a new run
    FileTest::TearDown();
  }

  Recording window;
  std::string path;
  std::string seen;
};

TEST_F(HostFlush, AReportFindsTheWholeRecordsInTheFile) {
  ReportError(nullptr, error::kInputPastEnd, 1520);
  EXPECT_EQ(seen, "#S1\r\n#E\r\n\r\n");
}

TEST_F(HostFlush, TheBreakKeysPromptFindsTheWholeRecordsInTheFile) {
  HostRun().break_enabled = true;
  HostRun().break_pending = true;
  EXPECT_THROW(PollHost(), RunEnded);
  EXPECT_EQ(seen, "#S1\r\n#E\r\n\r\n");
}

}  // namespace
