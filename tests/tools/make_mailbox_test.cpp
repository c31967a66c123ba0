// The benchmark's mailbox generator, run as a program: its mailboxes split into mails exactly where they were
// made, hold only CR LF line ends and whole cp932 characters, and are the same bytes for the same seed.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class MakeMailbox : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/qelvorin-mailbox-XXXXXX";
    folder_ = mkdtemp(name);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  // The exit status of the generator run with these arguments.
  static int Run(const std::string& arguments) {
    const int status = std::system((std::string(MAKE_MAILBOX) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Generate(const std::string& name, const std::string& megabytes, const std::string& seed = "") {
    EXPECT_EQ(Run(megabytes + " " + Path(name) + (seed.empty() ? "" : " " + seed)), 0);
    std::ifstream file(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

 private:
  std::string folder_;
};

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

TEST_F(MakeMailbox, TheSeedAloneDecidesTheBytes) {
  const std::string mailbox = Generate("default.mbx", "1");
  EXPECT_EQ(Generate("seed1.mbx", "1", "1"), mailbox);
  EXPECT_NE(Generate("seed2.mbx", "1", "2"), mailbox);
}

TEST_F(MakeMailbox, MailsSplitWhereTheyWereMade) {
  const std::string mailbox = Generate("two.mbx", "2", "5");
  ASSERT_GE(mailbox.size(), 2000000u);
  EXPECT_LT(mailbox.size(), 2100000u);  // it stops after the mail that reaches the size
  ASSERT_EQ(mailbox.rfind("From:", 0), 0u);
  ASSERT_EQ(mailbox.substr(mailbox.size() - 3), ".\r\n");

  std::size_t mails = 0;
  bool in_header = true;
  for (std::size_t start = 0; start < mailbox.size();) {
    const std::size_t end = mailbox.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = mailbox.substr(start, end - start);
    ASSERT_EQ(line.find_first_of(std::string("\r\n\x1a\0", 4)), std::string::npos) << line;
    for (std::size_t at = 0; at < line.size(); ++at) {
      if (!IsLeadByte(static_cast<unsigned char>(line[at]))) continue;
      ASSERT_TRUE(at + 1 < line.size() && IsTrailByte(static_cast<unsigned char>(line[at + 1]))) << line;
      ++at;
    }
    start = end + 2;
    if (line.empty()) in_header = false;
    if (line == ".") {
      ASSERT_FALSE(in_header) << "a mail without its empty line, mail " << mails + 1;
      ++mails;
      in_header = true;
      ASSERT_TRUE(start == mailbox.size() || mailbox.compare(start, 5, "From:") == 0) << "after mail " << mails;
    }
  }
  EXPECT_GT(mails, 500u);
}

TEST_F(MakeMailbox, TheHeadersProfileWritesShortMailOfFiveToSevenHeaders) {
  const std::string mailbox = Generate("short.mbx", "30k", "4 headers");
  ASSERT_GE(mailbox.size(), 30000u);
  EXPECT_LT(mailbox.size(), 31000u);
  std::size_t mails = 0;
  std::size_t headers = 0;
  std::size_t body_lines = 0;
  bool in_header = true;
  for (std::size_t start = 0; start < mailbox.size();) {
    const std::size_t end = mailbox.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = mailbox.substr(start, end - start);
    start = end + 2;
    if (line == ".") {
      EXPECT_GE(headers, 5u);
      EXPECT_LE(headers, 7u);
      EXPECT_LE(body_lines, 3u);
      ++mails;
      headers = body_lines = 0;
      in_header = true;
    } else if (line.empty()) {
      in_header = false;
    } else {
      ++(in_header ? headers : body_lines);
    }
  }
  EXPECT_GT(mails, 60u);
  EXPECT_LT(mailbox.size() / mails, 450u);
  EXPECT_EQ(Generate("again.mbx", "30k", "4 headers"), mailbox);
  EXPECT_NE(Generate("mixed.mbx", "30k", "4 mixed").substr(0, 2000), mailbox.substr(0, 2000));
}

TEST_F(MakeMailbox, RefusesBadArgumentsAndUnwritableFiles) {
  EXPECT_EQ(Run(""), 2);
  EXPECT_EQ(Run("0 " + Path("zero.mbx")), 2);
  EXPECT_EQ(Run("1x " + Path("size.mbx")), 2);
  EXPECT_EQ(Run("1 " + Path("seed.mbx") + " -3"), 2);
  EXPECT_EQ(Run("1 " + Path("profile.mbx") + " 3 long"), 2);
  EXPECT_EQ(Run("k " + Path("kilo.mbx")), 2);
  EXPECT_EQ(Run("1 " + Path("no-such-folder/out.mbx")), 1);
  EXPECT_FALSE(std::filesystem::exists(Path("zero.mbx")));
}

}  // namespace
