// The real program when something other than the mailbox ends its run: the file-size limit, stop signals and
// kill -9. The card file then holds whole records, in order, and (but after kill -9) one end-of-file mark.
#include <sys/resource.h>

#include <csignal>
#include <thread>

#include "program/program_fixture.h"

namespace {

using namespace std::chrono_literals;

constexpr int kCopies = 3000;
const std::string kRecordEnd = "#E\r\n\r\n";

class Endings : public Program {
 protected:
  void SetUp() override {
    Program::SetUp();
    // The basic mailbox many times over: a conversion long enough to be stopped in the middle of a mail.
    const std::string basic = Read(kGolden / "basic.mbx");
    std::string mailbox;
    for (int copy = 0; copy < kCopies; ++copy) mailbox += basic;
    mailbox_ = Path("big.mbx");
    Write(mailbox_, mailbox);
    for (int copy = 0; copy < kCopies; ++copy) all_records_ += Records(Read(kGolden / "basic.ren"));
  }

  // The card file holds the conversion's first records, each whole, and the mark after them.
  void ExpectWholeRecordsAndTheMark(const std::string& card) const {
    ASSERT_FALSE(card.empty());
    EXPECT_EQ(card.back(), '\x1A');
    const std::string records = Records(card);
    EXPECT_TRUE(records.empty() || records.ends_with(kRecordEnd)) << "ends with " << records.substr(records.size() - 40);
    EXPECT_TRUE(all_records_.starts_with(records)) << records.size() << " bytes";
  }

  // Runs the conversion in the background and waits until its card file has received its first records.
  std::unique_ptr<probe::BackgroundChild> StartConversion(const std::string& card,
                                                          const std::function<void()>& prepare = [] {}) const {
    auto child = std::make_unique<probe::BackgroundChild>(std::vector<std::string>{kProgram, mailbox_, "-o", card},
                                                          kLibraryFolder, prepare);
    for (int wait = 0; wait < 1000 && (!std::filesystem::exists(card) || std::filesystem::file_size(card) == 0);
         ++wait) {
      std::this_thread::sleep_for(1ms);
    }
    return child;
  }

  std::string mailbox_;
  std::string all_records_;
};

TEST_F(Endings, TheConversionOfTheBigMailboxIsItsCopiesRecords) {
  const probe::PipedRun run = Run({mailbox_, "-o", Path("all.ren")});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(Path("all.ren")), all_records_ + "\x1A");
}

// Under the limit the write fails as on a full disk: a report, status 1, and the file cut back to its last whole
// record, which leaves room for the mark.
TEST_F(Endings, TheFileSizeLimitIsAFailedWriteWithAReport) {
  for (const rlim_t limit : {100'000, 1'000}) {
    const std::string card = Path("limited" + std::to_string(limit) + ".ren");
    const probe::PipedRun run = Run({mailbox_, "-o", card}, [limit] {
      const rlimit size{limit, limit};
      setrlimit(RLIMIT_FSIZE, &size);
    });
    EXPECT_EQ(run.status, 1) << "limit " << limit;
    EXPECT_NE(run.errors.find("[67]"), std::string::npos) << run.errors;
    ExpectWholeRecordsAndTheMark(Read(card));
  }
}

TEST_F(Endings, AStopSignalInTheMiddleOfAMailDropsItsRecord) {
  for (const auto& [stop, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}, std::pair{SIGHUP, 129}}) {
    const std::string card = Path("stopped" + std::to_string(stop) + ".ren");
    const std::unique_ptr<probe::BackgroundChild> child = StartConversion(card);
    child->Signal(stop);
    EXPECT_EQ(child->ExitWithin(5s), status) << "signal " << stop;
    const std::string held = Read(card);
    ExpectWholeRecordsAndTheMark(held);
    EXPECT_LT(held.size(), all_records_.size()) << "stopped before the end";
  }
}

// Nothing runs after kill -9: the file has no mark, and every record in it but the last is whole.
TEST_F(Endings, AfterKillNineEveryRecordButTheLastIsWholeAndTheMarkIsMissing) {
  for (int kill = 0; kill < 3; ++kill) {
    const std::string card = Path("killed" + std::to_string(kill) + ".ren");
    const std::unique_ptr<probe::BackgroundChild> child = StartConversion(card);
    std::this_thread::sleep_for(std::chrono::milliseconds(7 * kill));
    child->Signal(SIGKILL);
    EXPECT_EQ(child->ExitWithin(5s), 128 + SIGKILL);
    const std::string held = Read(card);
    EXPECT_TRUE(held.empty() || held.back() != '\x1A');
    EXPECT_TRUE(all_records_.starts_with(held)) << held.size() << " bytes";
  }
}

}  // namespace
