// The real program on real files in a temporary folder: batch runs, their operand checks and statuses, and the
// interactive program on a pseudo-terminal.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "program/program_fixture.h"

namespace {

std::string Summary(const std::string& mailbox, int mails, const std::string& output) {
  return "qelvorin: " + mailbox + ": " + std::to_string(mails) + " mails -> " + output + "\n";
}

TEST_F(Program, ABatchRunGathersSeveralMailboxesIntoOneCardFile) {
  const std::vector<std::string> names{"basic", "subjects", "body"};
  std::vector<std::string> arguments;
  std::string expected;
  for (const std::string& name : names) {
    arguments.push_back(Golden(name));
    expected += Records(Read(kGolden / (name + ".ren")));
  }
  arguments.insert(arguments.end(), {"-o", Path("all.ren")});
  const probe::PipedRun run = Run(arguments);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(Path("all.ren")), expected + "\x1a");
  // The banner of every pass and the final count of each mailbox are in the transcript.
  EXPECT_NE(run.output.find("zirpa"), std::string::npos);
  EXPECT_NE(run.output.find(Path("basic.mbx")), std::string::npos);
  // Standard error: one summary line per mailbox, and the subjects' unlisted zone after its mailbox's name.
  const std::string zone_warning = "qelvorin: " + Path("subjects.mbx") + ": \xe6\x9c\xaa\xe7\x99\xbb\xe9\x8c\xb2";  // 未登録
  EXPECT_EQ(run.errors.find(zone_warning), Summary(Path("basic.mbx"), 4, Path("all.ren")).size()) << run.errors;
  EXPECT_TRUE(run.errors.ends_with(Summary(Path("subjects.mbx"), 13, Path("all.ren")) +
                                   Summary(Path("body.mbx"), 4, Path("all.ren"))))
      << run.errors;
}

TEST_F(Program, EveryUsualFormOfTheOptionsIsRead) {
  const std::string mailbox = Golden("basic");
  const std::string card = Read(kGolden / "basic.ren");
  const std::vector<std::vector<std::string>> forms{
      {mailbox, "-o", Path("a.ren")},       {"-o" + Path("b.ren"), mailbox}, {"--output", Path("c.ren"), mailbox},
      {mailbox, "--output=" + Path("d.ren")}, {"-qo", Path("e.ren"), mailbox}};
  for (const std::vector<std::string>& form : forms) {
    const probe::PipedRun run = Run(form);
    EXPECT_EQ(run.status, 0) << form.back() << run.errors;
  }
  for (const char* name : {"a.ren", "b.ren", "c.ren", "d.ren", "e.ren"}) EXPECT_EQ(Read(Path(name)), card) << name;

  // After "--" an argument that looks like an option is a mailbox.
  std::filesystem::copy_file(mailbox, Path("-q"));
  ASSERT_EQ(chdir(folder.c_str()), 0);
  probe::PipedRun run = Run({"-o", "f.ren", "--", "-q"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(Path("f.ren")), card);
  EXPECT_NE(run.output.find("zirpa"), std::string::npos);
  EXPECT_EQ(run.errors, Summary("-q", 4, "f.ren"));

  for (const char* help : {"-h", "--help"}) {
    run = Run({help, "-o"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.output.starts_with("usage: qelvorin")) << run.output;
    for (const char* status : {"\n  0 ", "\n  1 ", "\n  2 ", "\n  129 ", "\n  130 ", "\n  143 "}) {
      EXPECT_NE(run.output.find(status), std::string::npos) << status;
    }
  }
  for (const char* version : {"-V", "--version"}) EXPECT_TRUE(Run({version}).output.starts_with("qelvorin 0."));

  // One line naming the fault, then where to look; nothing else.
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--bogus", mailbox, "-o", Path("g.ren")}, {"-x"}, {mailbox, "-o"}, {"--output"}}) {
    run = Run(bad);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");
    const std::size_t line_end = run.errors.find('\n');
    ASSERT_NE(line_end, std::string::npos) << run.errors;
    EXPECT_TRUE(run.errors.starts_with("qelvorin: ")) << run.errors;
    EXPECT_EQ(run.errors.substr(line_end + 1), "Try 'qelvorin --help' for more information.\n");
  }
  EXPECT_NE(Run({"--bogus"}).errors.find("--bogus"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Path("g.ren")));
}

TEST_F(Program, AppendingGivesWhatOneRunGivesAndQuietWritesNoTranscript) {
  const std::string basic = Golden("basic");
  const std::string subjects = Golden("subjects");
  const std::string body = Golden("body");
  ASSERT_EQ(Run({basic, subjects, body, "-o", Path("one.ren")}).status, 0);
  ASSERT_EQ(Run({basic, "-o", Path("two.ren")}).status, 0);
  const probe::PipedRun appended = Run({"-a", "--quiet", subjects, body, "-o", Path("two")});
  EXPECT_EQ(appended.status, 0) << appended.errors;
  EXPECT_EQ(Read(Path("two.ren")), Read(Path("one.ren")));
  EXPECT_EQ(appended.output, "");
  EXPECT_TRUE(appended.errors.ends_with(Summary(subjects, 13, Path("two") + ".ren") +
                                        Summary(body, 4, Path("two") + ".ren")))
      << appended.errors;

  // Without --append the file is replaced; appending to no file makes it.
  ASSERT_EQ(Run({"-q", body, "-o", Path("two.ren")}).status, 0);
  EXPECT_EQ(Read(Path("two.ren")), Read(kGolden / "body.ren"));
  ASSERT_EQ(Run({"--append", body, "-o", Path("three.ren")}).status, 0);
  EXPECT_EQ(Read(Path("three.ren")), Read(kGolden / "body.ren"));
}

TEST_F(Program, TheFirstPassReplacesAnExistingFileAndANameWithoutADotGetsRen) {
  Write(Path("out.ren"), "old records that must go\r\n\x1a");
  probe::PipedRun run = Run({Golden("basic"), "-o", Path("out")});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(Path("out.ren")), Read(kGolden / "basic.ren"));
  EXPECT_FALSE(std::filesystem::exists(Path("out")));

  std::filesystem::create_directory(Path("folder.d"));
  run = Run({Path("basic.mbx"), "--output=" + Path("folder.d/card")});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(Path("folder.d/card")), Read(kGolden / "basic.ren"));
}

TEST_F(Program, BadOperandsStopBeforeAnythingIsWritten) {
  const std::string mailbox = Golden("basic");
  const auto refused = [&](std::vector<std::string> arguments) {
    const probe::PipedRun run = Run(std::move(arguments));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.starts_with("qelvorin: ")) << run.errors;
    EXPECT_EQ(run.output, "");
  };
  // A bad operand is told in one line, without the usage.
  const auto refused_operand = [&](std::vector<std::string> arguments) {
    const probe::PipedRun run = Run(std::move(arguments));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.starts_with("qelvorin: ")) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
    EXPECT_EQ(run.output, "");
  };
  refused_operand({Path("missing.mbx"), "-o", Path("out.ren")});
  refused_operand({mailbox, "-o", Path("no/such/folder/out.ren")});
  refused_operand({mailbox, "-o", mailbox});
  // An existing output is replaced: a pipe or a folder must not be.
  ASSERT_EQ(mkfifo(Path("pipe.ren").c_str(), 0600), 0);
  refused_operand({mailbox, "-o", Path("pipe.ren")});
  std::filesystem::create_directory(Path("folder.ren"));
  refused_operand({mailbox, "-o", Path("folder.ren")});
  // Nor is anything that is not a card file made one by adding ".ren": standard output, a device, a folder.
  ASSERT_EQ(chdir(folder.c_str()), 0);
  std::filesystem::create_directory(Path("folder"));
  for (const std::string output : {"-", "/dev/null", ".", "..", "folder/", "folder", "folder/."}) {
    refused_operand({mailbox, "-o", output});
    refused_operand({mailbox, "--output=" + output});
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_FALSE(std::filesystem::exists("/dev/null.ren"));
  EXPECT_FALSE(std::filesystem::exists(Path("-.ren")));
  EXPECT_FALSE(std::filesystem::exists(Path(".ren")));
  EXPECT_FALSE(std::filesystem::exists(Path("folder/.ren")));
  refused({mailbox});
  refused({"-o", Path("out.ren")});
  refused({"--bogus"});
  refused({});  // no operands and no terminal
  EXPECT_FALSE(std::filesystem::exists(Path("out.ren")));

  const probe::PipedRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("usage: qelvorin"), std::string::npos);
  EXPECT_EQ(Run({"--version"}).status, 0);
}

TEST_F(Program, AnUntrappedErrorIsReportedAndEndsWithStatusOne) {
  const probe::PipedRun run = Run({Golden("basic"), Golden("truncated_body"), "-o", Path("out.ren")});
  EXPECT_EQ(run.status, 1);
  // The report on standard error names the mailbox and the mail, then gives the report line and the message.
  const std::string prefix = "qelvorin: " + Path("truncated_body.mbx") + ": mail 3: Qelvorin [";
  EXPECT_TRUE(run.errors.starts_with(Summary(Path("basic.mbx"), 4, Path("out.ren")) + prefix)) << run.errors;
  EXPECT_NE(run.errors.find("[54] "), std::string::npos) << run.errors;
  EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 2) << run.errors;
  // The console keeps its own report.
  EXPECT_NE(run.output.find("[54]"), std::string::npos) << run.output;
  EXPECT_EQ(Read(Path("out.ren")), Records(Read(kGolden / "basic.ren")) + Read(kGolden / "truncated_body.ren"));
}

TEST_F(Program, AnOutputNameWithAParenthesisEndsWithError57AndLeavesTheMailbox) {
  const std::string mailbox = Golden("basic");
  const std::string before = Read(mailbox);
  const probe::PipedRun run = Run({mailbox, "-o", Path("card(1")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("[57]"), std::string::npos) << run.errors;
  EXPECT_EQ(Read(mailbox), before);
}

TEST_F(Program, AJapaneseFileNameIsShownInTheTerminalsEncoding) {
  const std::string mailbox = Path("\xe3\x83\xa1\xe3\x83\xbc\xe3\x83\xab.mbx");  // メール.mbx
  std::filesystem::copy_file(kGolden / "basic.mbx", mailbox);
  const probe::PipedRun run = Run({mailbox, "-o", Path("\xe5\x87\xba\xe5\x8a\x9b")});  // 出力
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.output.find(mailbox), std::string::npos) << run.output;
  EXPECT_EQ(Read(Path("\xe5\x87\xba\xe5\x8a\x9b.ren")), Read(kGolden / "basic.ren"));
}

TEST_F(Program, TheCountsRowIsContinuedByTheNextBanner) {
  const probe::PipedRun run = Run({Golden("basic"), Golden("subjects"), "-o", Path("out.ren")});
  ASSERT_EQ(run.status, 0) << run.errors;
  // basic holds four mails: its count " 4 " is followed on the same row by the banner's TAB 10 and stars.
  EXPECT_NE(run.output.find(" 4 " + std::string(7, ' ') + "*****"), std::string::npos) << run.output;
}

TEST_F(Program, OnATerminalAProgressLineGoesWithEachMailboxAndThePipeGetsNone) {
  // A mailbox long enough to be read over many polls: the golden one five hundred times.
  const std::string mails = Read(kGolden / "basic.mbx");
  std::string bytes;
  for (int copy = 0; copy < 500; ++copy) bytes += mails;
  Write(Path("long.mbx"), bytes);
  const std::string basic = Golden("basic");

  probe::TerminalChild terminal({kProgram, Path("long.mbx"), basic, "-o", Path("out.ren")}, kLibraryFolder);
  EXPECT_EQ(terminal.Finish(), 0);
  const std::string& seen = terminal.received();
  // The line fits 80 columns: a long path is shortened from its start.
  const std::string progress = "long.mbx (1/2): ";
  const std::size_t first = seen.find(progress);
  ASSERT_NE(first, std::string::npos) << seen;
  const std::size_t line_start = seen.rfind("\rqelvorin: ", first);
  ASSERT_NE(line_start, std::string::npos) << seen;
  EXPECT_LE(seen.find("\x1b[K", first) - line_start, 80U) << seen;  // the CR and at most 79 columns
  EXPECT_NE(seen.find(" mails  ", first), std::string::npos) << seen;
  EXPECT_NE(seen.find(" left\x1b[K", first), std::string::npos) << seen;
  // The summary line takes the progress line's place: the line is erased, then the summary is written.
  const std::size_t summary = seen.find("\r\x1b[Kqelvorin: " + Path("long.mbx") + ": 2000 mails -> ");
  ASSERT_NE(summary, std::string::npos) << seen;
  EXPECT_LT(first, summary);
  EXPECT_EQ(seen.find(progress, summary), std::string::npos);

  // Quiet: the summary lines alone, on the terminal too.
  probe::TerminalChild quiet({kProgram, "-q", Path("long.mbx"), "-o", Path("out.ren")}, kLibraryFolder);
  EXPECT_EQ(quiet.Finish(), 0);
  EXPECT_EQ(quiet.received(), "qelvorin: " + Path("long.mbx") + ": 2000 mails -> " + Path("out.ren") + "\r\n");

  const probe::PipedRun piped = Run({Path("long.mbx"), basic, "-o", Path("out.ren")});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.errors, Summary(Path("long.mbx"), 2000, Path("out.ren")) + Summary(basic, 4, Path("out.ren")));
}

TEST_F(Program, CtrlCErasesTheProgressLineBeforeItsNotice) {
  const std::string mails = Read(kGolden / "basic.mbx");
  std::string bytes;
  for (int copy = 0; copy < 8000; ++copy) bytes += mails;
  Write(Path("huge.mbx"), bytes);
  probe::TerminalChild terminal({kProgram, Path("huge.mbx"), "-o", Path("out.ren")}, kLibraryFolder);
  ASSERT_TRUE(terminal.ReadUntil(" left\x1b[K"));
  terminal.Type("\x03");
  EXPECT_EQ(terminal.Finish(), 130);
  const std::string notice = "\r\x1b[Kqelvorin: " + Path("huge.mbx") + ": \xe4\xb8\xad\xe6\x96\xad";  // 中断
  EXPECT_NE(terminal.received().find(notice), std::string::npos) << terminal.received();
  EXPECT_TRUE(Read(Path("out.ren")).ends_with("\x1a"));
}

TEST_F(Program, TheInteractiveProgramAsksConvertsAndEndsOnEscape) {
  const std::string mailbox = Golden("basic");
  const std::unique_ptr<probe::TerminalChild> started = StartWithMailbox(mailbox);
  ASSERT_TRUE(started);
  probe::TerminalChild& terminal = *started;
  const std::size_t asked = terminal.received().size();
  terminal.Type("\r");
  ASSERT_TRUE(terminal.ReadUntil("*.mbx", asked));  // the next pass asks for a mailbox again
  terminal.Type("\x1b");
  EXPECT_EQ(terminal.Finish(), 0);
  EXPECT_EQ(Read(Path("nivoka.ren")), Read(kGolden / "basic.ren"));
}

TEST_F(Program, TheMailboxIsChosenWithTheArrowKeysFromTheListedFolder) {
  Golden("subjects");
  Golden("basic");
  Write(Path("notes.txt"), "not a mailbox");
  ASSERT_EQ(chdir(folder.c_str()), 0);
  probe::TerminalChild terminal({kProgram}, kLibraryFolder);
  // The list: "..", then basic.mbx and subjects.mbx; notes.txt does not match *.mbx.
  ASSERT_TRUE(terminal.ReadUntil("  subjects.mbx")) << terminal.received();
  EXPECT_EQ(terminal.received().find("notes.txt"), std::string::npos);
  terminal.Type("\x1b[B");
  ASSERT_TRUE(terminal.ReadUntil("\x1b[7m  basic.mbx")) << "the highlight in reverse video";
  terminal.Type("\x1b[B\r");
  ASSERT_TRUE(terminal.ReadUntil("nivoka.ren"));
  std::size_t mark = terminal.received().size();
  terminal.Type("\r");
  ASSERT_TRUE(terminal.ReadUntil("*.mbx", mark));
  terminal.Type("\x1b");
  EXPECT_EQ(terminal.Finish(), 0);
  EXPECT_EQ(Read(Path("nivoka.ren")), Read(kGolden / "subjects.ren"));
}

TEST_F(Program, AMailboxTypedByItsNameInTheFolderIsTaken) {
  Golden("basic");
  ASSERT_EQ(chdir(folder.c_str()), 0);
  probe::TerminalChild terminal({kProgram}, kLibraryFolder);
  ASSERT_TRUE(terminal.ReadUntil("*.mbx"));
  terminal.Type("ba\t\r");  // Tab completes the name
  ASSERT_TRUE(terminal.ReadUntil("nivoka.ren"));
  const std::size_t mark = terminal.received().size();
  terminal.Type("out.ren\r");
  ASSERT_TRUE(terminal.ReadUntil("*.mbx", mark));
  terminal.Type("\x1b");
  EXPECT_EQ(terminal.Finish(), 0);
  EXPECT_EQ(Read(Path("out.ren")), Read(kGolden / "basic.ren"));
}

TEST_F(Program, AResizeWhileTheDialogIsOpenDrawsItAgainAtOnce) {
  Golden("basic");
  ASSERT_EQ(chdir(folder.c_str()), 0);
  probe::TerminalChild terminal({kProgram}, kLibraryFolder);
  ASSERT_TRUE(terminal.ReadUntil("  basic.mbx"));
  std::size_t mark = terminal.received().size();
  terminal.Resize(60, 20);
  // The question stays in view, with the hint on the last row.
  const std::string hint = "\x1b[20;1H\x1b[7m\xe7\xab\xaf\xe6\x9c\xab";  // 端末... on row 20
  ASSERT_TRUE(terminal.ReadUntil(hint, mark)) << terminal.received().substr(mark);
  EXPECT_NE(terminal.received().find("*.mbx", mark), std::string::npos);
  mark = terminal.received().size();
  terminal.Resize(80, 24);
  ASSERT_TRUE(terminal.ReadUntil("  basic.mbx", mark)) << "drawn again without a key";
  terminal.Type("\x1b");
  EXPECT_EQ(terminal.Finish(), 0);
}

TEST_F(Program, CtrlCInADialogInterruptsTheProgram) {
  ASSERT_EQ(chdir(folder.c_str()), 0);
  probe::TerminalChild terminal({kProgram}, kLibraryFolder);
  ASSERT_TRUE(terminal.ReadUntil("*.mbx"));
  terminal.Type("\x03");
  ASSERT_TRUE(terminal.ReadUntil("\xe4\xb8\xad\xe6\x96\xad"));  // 中断しました
  terminal.Type("k");
  EXPECT_EQ(terminal.Finish(), 130);
}

TEST_F(Program, ChoosingTheMailboxAsTheOutputLeavesTheMailboxWhole) {
  const std::string mailbox = Golden("basic");
  const std::string before = Read(mailbox);
  const std::unique_ptr<probe::TerminalChild> started = StartWithMailbox(mailbox);
  ASSERT_TRUE(started);
  probe::TerminalChild& terminal = *started;
  terminal.Type(mailbox + "\r");
  ASSERT_TRUE(terminal.ReadUntil("]:"));  // the report of the refused delete
  terminal.Type("k");
  EXPECT_EQ(terminal.Finish(), 1);
  EXPECT_EQ(Read(mailbox), before);
}

TEST_F(Program, ABadOutputNameGivesTheTwoErrorLinesAndTheFirstDialogAgain) {
  const std::string mailbox = Golden("basic");
  const std::unique_ptr<probe::TerminalChild> started = StartWithMailbox(mailbox);
  ASSERT_TRUE(started);
  probe::TerminalChild& terminal = *started;
  // The dialog itself refuses a missing folder.
  terminal.Type(Path("missing/out.ren") + "\r");
  ASSERT_TRUE(terminal.ReadUntil("フォルダーが見つかりません。"));
  // A name the dialog takes but the open refuses.
  std::size_t mark = terminal.received().size();
  std::string erase_and_type = "\x15";  // Ctrl+U clears the answer first
  erase_and_type += Path("bad*name.ren") + "\r";
  terminal.Type(erase_and_type);
  ASSERT_TRUE(terminal.ReadUntil("\xe3\x83\x91\xe3\x82\xb9", mark));  // パス...: the second error line
  ASSERT_TRUE(terminal.ReadUntil("nivoka.ren", mark));
  mark = terminal.received().size();
  terminal.Type(Path("ok.ren") + "\r");
  ASSERT_TRUE(terminal.ReadUntil("*.mbx", mark));
  terminal.Type("\x1b");
  EXPECT_EQ(terminal.Finish(), 0);
  EXPECT_EQ(Read(Path("ok.ren")), Read(kGolden / "basic.ren"));
}

TEST_F(Program, EveryRealMailboxConvertsInABatchRun) {
  const std::filesystem::path corpus = QELVORIN_CORPUS;
  if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no real mail beside the project";
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (entry.path().extension() != ".mbx") continue;
    const std::string card = Path(entry.path().stem().string() + ".ren");
    const probe::PipedRun run = Run({entry.path().string(), "-o", card});
    EXPECT_EQ(run.status, 0) << entry.path() << run.errors;
    const std::string bytes = Read(card);
    EXPECT_TRUE(!bytes.empty() && bytes.back() == '\x1a') << entry.path();
  }
}

// A name whose characters convert to cp932 and back as different ones would reach another file.
TEST_F(Program, ANameThatDoesNotConvertBackExactlyIsRefused) {
  const std::string full_width = Path("report\uFF0D" "1.ren");
  Write(full_width, "cards\r\n\x1A");
  probe::PipedRun run = Run({Golden("basic"), "-o", Path("report\u2212" "1.ren")});
  EXPECT_EQ(run.status, 2) << run.errors;
  EXPECT_EQ(Read(full_width), "cards\r\n\x1A");

  std::filesystem::copy_file(kGolden / "basic.mbx", Path("mail\uFF5E" "1.mbx"));
  std::filesystem::copy_file(kGolden / "body.mbx", Path("mail\u301C" "1.mbx"));
  run = Run({Path("mail\u301C" "1.mbx"), "-o", Path("out.ren")});
  EXPECT_EQ(run.status, 2) << run.errors;
  EXPECT_FALSE(std::filesystem::exists(Path("out.ren")));
}

TEST_F(Program, AReadOnlyCardFileIsNotReplaced) {
  Write(Path("kept.ren"), "cards\r\n\x1A");
  std::filesystem::permissions(Path("kept.ren"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const probe::PipedRun run = Run({Golden("basic"), "-o", Path("kept.ren")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("[75]"), std::string::npos) << run.errors;
  EXPECT_EQ(Read(Path("kept.ren")), "cards\r\n\x1A");
}

// Too few descriptors for the output: the run-time report of the unopened channel stays, and one line says why.
TEST_F(Program, AnOutputThatCannotBeCreatedIsToldInOneLine) {
#ifdef QELVORIN_SANITIZED
  GTEST_SKIP() << "the sanitizers' own reports need descriptors that this run takes away";
#endif
  const probe::PipedRun run = Run({Golden("basic"), "-o", Path("out.ren")}, [] {
    for (int descriptor = 3; descriptor < 1024; ++descriptor) close(descriptor);  // what the test process holds
    const rlimit descriptors{6, 6};
    setrlimit(RLIMIT_NOFILE, &descriptors);
  });
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("qelvorin: cannot create the output file " + Path("out.ren") + ": too many open files\n"),
            std::string::npos)
      << run.errors;
  EXPECT_NE(run.errors.find("[57]"), std::string::npos) << run.errors;
}

}  // namespace
