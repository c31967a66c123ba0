// Real mailboxes, when the shared corpus sits beside the project: every line is read, and the lines with their
// CR LF ends add up to the whole file.
#include <filesystem>

#include "file_fixture.h"

namespace {

using RealMail = FileTest;

TEST_F(RealMail, EveryByteOfEveryMailboxIsRead) {
  const std::filesystem::path corpus = QELVORIN_CORPUS;
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  int mailboxes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (entry.path().extension() != ".mbx") continue;
    ++mailboxes;
    const std::string bytes = Read(entry.path().string());
    Open(entry.path().string(), 1, file_mode::kInput);
    std::size_t lines = 0;
    std::size_t line_bytes = 0;
    while (EndOfFile(1) == 0) {
      line_bytes += NextLine(1).size();
      ++lines;
    }
    Close(1);
    std::size_t line_ends = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++line_ends;
    EXPECT_EQ(lines, line_ends) << entry.path();
    EXPECT_EQ(line_bytes + 2 * lines, bytes.size()) << entry.path();
  }
  EXPECT_GT(mailboxes, 0);
}

}  // namespace
