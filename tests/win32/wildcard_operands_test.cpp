// Batch operands with "*" and "?" on Windows: the files they match, by name, with the operand's folder.
#include <filesystem>

#include "app/command_line.h"
#include "app/wildcard_operands.h"
#include "files/file_fixture.h"

namespace {

using WildcardOperands = FileTest;

TEST_F(WildcardOperands, APatternStandsForTheFilesItMatchesSortedByName) {
  for (const char* name : {"c.mbx", "a.mbx", "b2.mbx", "notes.txt"}) Write(Path(name), "x");
  std::filesystem::create_directory(Path("folder.mbx"));
  const std::string prefix = folder + "\\";
  EXPECT_EQ(ExpandWildcards(prefix + "*.mbx"),
            (std::vector<std::string>{prefix + "a.mbx", prefix + "b2.mbx", prefix + "c.mbx"}))
      << "folders are left out";
  EXPECT_EQ(ExpandWildcards(prefix + "?.mbx"), (std::vector<std::string>{prefix + "a.mbx", prefix + "c.mbx"}));
  EXPECT_EQ(ExpandWildcards(prefix + "*.none"), std::vector<std::string>{prefix + "*.none"}) << "matches nothing";
  EXPECT_EQ(ExpandWildcards("plain.mbx"), std::vector<std::string>{"plain.mbx"});
}

TEST_F(WildcardOperands, ABatchCommandLineTakesTheExpandedMailboxes) {
  for (const char* name : {"b.mbx", "a.mbx"}) Write(Path(name), "x");
  std::string mailboxes = Path("*.mbx");
  std::string option = "-o";
  std::string output = Path("all.ren");
  char program[] = "qelvorin.exe";
  char* argv[] = {program, mailboxes.data(), option.data(), output.data(), nullptr};
  const Command command = ParseCommandLine(4, argv, true, ExpandWildcards);
  ASSERT_EQ(command.kind, CommandKind::Batch) << command.reason;
  ASSERT_EQ(command.mailboxes.size(), 2u);
  EXPECT_TRUE(command.mailboxes[0].ends_with("\\a.mbx"));
  EXPECT_TRUE(command.mailboxes[1].ends_with("\\b.mbx"));
}

}  // namespace
