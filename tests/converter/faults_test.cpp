// Faults injected into a small conversion: every memory request in turn refused, every write of the card file in
// turn cut off halfway. Each run ends normally or with a clean report, and the card file then holds whole records
// and its end-of-file mark.
#include "converter_fixture.h"
#include "files/file_statements.h"
#include "files/output_buffer.h"

namespace {

constexpr int kMostRuns = 20000;

class Faults : public ConverterTest {
 protected:
  // The basic mailbox copies times over.
  void MakeMailbox(int copies) {
    const std::string basic = Read(QELVORIN_GOLDEN "/basic.mbx");
    const std::string records = Read(QELVORIN_GOLDEN "/basic.ren");
    std::string mailbox;
    for (int copy = 0; copy < copies; ++copy) mailbox += basic;
    for (int copy = 0; copy < copies; ++copy) all_records += records.substr(0, records.size() - 1);
    Write(Path("in.mbx"), mailbox);
  }
  void TearDown() override {
    FailOutputWrite(0);
    ConverterTest::TearDown();
  }

  // A pass of the driver: both files opened in the program, CONVERT, then the end of a run's shutdown (the record
  // under way dropped, every channel closed), with the fault armed as the run starts. Returns the run's status.
  int Pass(const std::string& card, const std::function<void()>& arm_fault) {
    report = {};
    AssignConstant(values.mailbox_path, Path("in.mbx"));
    AssignConstant(values.out_path, card);
    const Routine<Converter> program = ConverterRoutine({
        {1, [](Converter& c) { OpenFile(c.mailbox_path, kMailboxChannel, file_mode::kInput); }},
        {2, [](Converter& c) { OpenFile(c.out_path, kOutputChannel, file_mode::kOutput); }},
        GoSub(3, "CONVERT"),
        ExitRoutine(4),
    });
    arm_fault();
    const int status = RunMain(program, values);
    memory::StopRefusing();
    FailOutputWrite(0);
    DropUnfinishedRecords();
    ErrorOf([] { CloseChannels({}); });
    return status;
  }

  // A normal end, or a report of the error that stopped the run; the card file, when there is one, holds the first
  // records of the conversion, each whole, and the mark.
  void ExpectCleanEnd(int status, const std::string& card, const std::string& fault) {
    EXPECT_TRUE(status == 0 || (status == 1 && report.number != 0)) << fault << ": status " << status;
    if (!std::filesystem::exists(card)) return;
    const std::string held = Read(card);
    ASSERT_FALSE(held.empty()) << fault;
    EXPECT_EQ(held.back(), '\x1A') << fault;
    const std::string records = held.substr(0, held.size() - 1);
    EXPECT_TRUE(records.empty() || records.ends_with("#E\r\n\r\n")) << fault;
    EXPECT_TRUE(all_records.starts_with(records)) << fault;
    if (status == 0) {
      EXPECT_EQ(records, all_records) << fault;
    }
  }

  std::string all_records;
};

TEST_F(Faults, EveryRefusedMemoryRequestEndsCleanly) {
  MakeMailbox(4);
  int runs = 0;
  for (std::size_t allowed = 0; runs < kMostRuns; ++allowed, ++runs) {
    const std::string card = Path("refused" + std::to_string(allowed) + ".ren");
    std::size_t before = 0;
    const int status = Pass(card, [&] {
      before = memory::GrantedRequests();
      memory::RefuseAfter(allowed);
    });
    const bool refused = memory::GrantedRequests() - before >= allowed;
    ExpectCleanEnd(status, card, "request " + std::to_string(allowed + 1) + " refused");
    std::filesystem::remove(card);
    if (!refused) break;
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_LT(runs, kMostRuns);
  EXPECT_GT(runs, 10);
}

TEST_F(Faults, EveryFailedWriteOfTheCardFileEndsCleanly) {
  MakeMailbox(60);  // about 190 KB of records: the buffer is written several times
  int failed = 0;
  for (std::size_t nth = 1; nth < 100; ++nth) {
    const std::string card = Path("failed" + std::to_string(nth) + ".ren");
    const int status = Pass(card, [nth] { FailOutputWrite(nth); });
    ExpectCleanEnd(status, card, "write " + std::to_string(nth) + " failed");
    if (status == 0) break;
    EXPECT_EQ(report.number, 67);
    ++failed;
    std::filesystem::remove(card);
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GE(failed, 3);
}

}  // namespace
