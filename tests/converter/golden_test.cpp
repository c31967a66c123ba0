// The golden mailboxes and the real mail beside the project, converted through the real channels and console.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "converter/console_text.h"
#include "converter_fixture.h"

namespace {

class Golden : public ConverterTest {
 protected:
  // A new run with fresh program values, as each mailbox converts in a program of its own.
  void Restart() {
    TearDown();
    values = Converter{};
    report = {};
    SetUp();
  }

  std::string ConsoleRows() const {
    std::string rows;
    for (std::int32_t row = 0; row < TextScreen::kRows; ++row) rows += ConsoleTextToUtf8(Row(row)) + "\n";
    while (rows.size() >= 2 && rows.ends_with("\n\n")) rows.pop_back();
    return rows == "\n" ? "" : rows;
  }
};

TEST_F(Golden, EveryCaseGivesItsCardFileAndConsoleRows) {
  const std::filesystem::path folder = QELVORIN_GOLDEN;
  int cases = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".mbx") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++cases;
    const std::filesystem::path base = entry.path().parent_path() / entry.path().stem();
    const std::string expected_card = Read(base.string() + ".ren");
    const std::string expected_rows = Read(base.string() + ".console");
    Restart();
    EXPECT_EQ(Convert(Read(entry.path().string())), expected_card);
    const bool truncated = entry.path().stem().string().starts_with("truncated");
    EXPECT_EQ(exit_code, truncated ? 1 : 0);
    EXPECT_EQ(report.number, truncated ? error::kInputPastEnd : 0);
    EXPECT_EQ(ConsoleRows(), expected_rows);
  }
  EXPECT_GE(cases, 8);
}

// Each record of a card file runs from "#S" to "#E" and an empty line; the file ends with one 0x1A.
bool RecordsAreWhole(const std::string& card, int& records) {
  if (card.empty() || card.back() != '\x1a') return false;
  std::istringstream lines(card.substr(0, card.size() - 1));
  std::string line;
  bool inside = false;
  bool after_end = false;
  while (std::getline(lines, line, '\n')) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (after_end) {
      if (!line.empty()) return false;
      after_end = false;
    } else if (!inside) {
      if (line != "#S") return false;
      inside = true;
    } else if (line == "#E") {
      inside = false;
      after_end = true;
      ++records;
    }
  }
  return !inside && !after_end;
}

TEST_F(Golden, RealMailConvertsWithoutARunTimeError) {
  const std::filesystem::path folder = QELVORIN_CORPUS;
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no real mail beside the project";
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".mbx") continue;
    SCOPED_TRACE(entry.path().filename().string());
    Restart();
    const std::string card = Convert(Read(entry.path().string()));
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(report.number, 0);
    int records = 0;
    EXPECT_TRUE(RecordsAreWhole(card, records));
    EXPECT_GT(records, 0);
  }
}

}  // namespace
