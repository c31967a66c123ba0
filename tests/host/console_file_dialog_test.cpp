// The terminal's open and save dialogs through the recording window: what they list, their keys and their rules.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "files/dialog_paths.h"
#include "files/file_dialogs.h"
#include "host/console_file_dialog.h"
#include "platform/keys.h"
#include "recording_window.h"
#include "texts.h"

namespace {

namespace flag = platform::dialog_flag;

const std::string kMail = "\x83\x81\x81\x5b\x83\x8b";  // メール in cp932
const std::string kMe = "\x83\x81";                       // メ
const std::string kDown(1, static_cast<char>(platform::key::kDown));
const std::string kUp(1, static_cast<char>(platform::key::kUp));
const std::string kLeft(1, static_cast<char>(platform::key::kLeft));
const std::string kHome(1, static_cast<char>(platform::key::kHome));
const std::string kEnd(1, static_cast<char>(platform::key::kEnd));
const std::string kPageDown(1, static_cast<char>(platform::key::kPageDown));
const std::string kBackspace(1, static_cast<char>(platform::key::kBackspace));
const std::string kDelete(1, static_cast<char>(platform::key::kDelete));

constexpr std::int32_t kFieldRow = 1;
constexpr std::int32_t kNoteRow = 2;
constexpr std::int32_t kFilterRow = 4;
constexpr std::int32_t kListTop = 6;

class ConsoleDialog : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    std::string name = (std::filesystem::temp_directory_path() / "qelvorin-dialog-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder = name;
    for (const char* file : {"b.mbx", "a.mbx", "notes.txt", ".hidden.mbx", "sub/inner.mbx", "zeta/z.txt",
                             "\xe3\x83\xa1\xe3\x83\xbc\xe3\x83\xab.mbx",  // メール.mbx: shown in cp932
                             "na\xc3\xafve.mbx"}) {                       // naïve.mbx: no cp932 form, left out
      std::filesystem::create_directories((folder / file).parent_path());
      std::ofstream(folder / file) << "x";
    }
  }
  void TearDown() override {
    std::filesystem::remove_all(folder);
    ConsoleTest::TearDown();
  }

  // The dialog answered with the batches of keys, one batch a wait.
  std::optional<std::string> Show(std::initializer_list<std::string> keys,
                                  platform::FileDialogKind kind = platform::FileDialogKind::Open,
                                  std::uint32_t flags = flag::kPathMustExist | flag::kFileMustExist,
                                  std::string_view filter = "Mail (*.mbx)") {
    window.wait_keys.assign(keys.begin(), keys.end());
    window.seen.clear();
    window.seen_caret_x.clear();
    window.wait_answer = "";  // nobody at the keyboard once the keys are used up
    const std::string initial = kind == platform::FileDialogKind::Open ? "*.mbx" : "out.ren";
    const platform::FileDialogRequest request{kind, "Choose", BuildFilter(filter), folder.string(), initial,
                                              flags};
    return ConsoleFileDialog().Show(request);
  }

  // A row of the screen as the wait'th wait found it.
  std::string Seen(std::size_t wait, std::int32_t row) const {
    const std::string& text = window.seen.at(wait).at(static_cast<std::size_t>(row));
    return text.substr(0, text.find_last_not_of(' ') + 1);
  }
  std::string Path(const std::string& name) const { return (folder / name).string(); }

  std::filesystem::path folder;
};

TEST_F(ConsoleDialog, ListsFoldersThenMatchingFilesAndGivesTheConsoleBack) {
  WriteText(screen(), "console text");
  EXPECT_EQ(Show({"\x1b"}), std::nullopt);
  EXPECT_EQ(Seen(0, 0), "Choose");
  EXPECT_EQ(Seen(0, kFieldRow), std::string(texts::DialogFileName) + "*.mbx");
  EXPECT_EQ(Seen(0, kNoteRow), texts::DialogKeys);
  EXPECT_EQ(Seen(0, 3), std::string(texts::DialogFolder) + folder.string());
  EXPECT_EQ(Seen(0, kFilterRow), std::string(texts::DialogFilter) + "Mail (*.mbx)");
  const std::vector<std::string> listed{"  ../", "  sub/", "  zeta/", "  a.mbx", "  b.mbx", "  " + kMail + ".mbx", ""};
  for (std::size_t index = 0; index < listed.size(); ++index) {
    EXPECT_EQ(Seen(0, kListTop + static_cast<std::int32_t>(index)), listed[index]) << index;
  }
  EXPECT_EQ(window.Row(0), "console text");
  EXPECT_EQ(window.Row(kListTop), "");
  EXPECT_EQ(screen().cursor_column(), 12);
  EXPECT_EQ(screen().cursor_row(), 0);
}

TEST_F(ConsoleDialog, AFileTwoPatternsMatchIsListedOnce) {
  Show({"\x1b"}, platform::FileDialogKind::Open, flag::kPathMustExist, "Some (*.mbx, a*)");
  EXPECT_EQ(Seen(0, kListTop + 3), "  a.mbx");
  EXPECT_EQ(Seen(0, kListTop + 4), "  b.mbx");
  EXPECT_EQ(Seen(0, kListTop + 6), "");
}

TEST_F(ConsoleDialog, ArrowKeysMoveTheHighlightAndEnterGoesIntoFoldersOrChoosesAFile) {
  // The first Up takes the highlight on ".."; the second beeps. Down to sub/ and into it; back by its "..".
  const std::string ends = kDown + kEnd;
  EXPECT_EQ(Show({kUp, kUp, kDown, "\r", kDown, kUp, "\r", ends, kPageDown, kHome, kDown + kDown + kDown, "\r"}),
            Path("a.mbx"));
  EXPECT_EQ(window.beeps, 2) << "Up at the top and PgDn at the end";
  EXPECT_EQ(Seen(4, 3), std::string(texts::DialogFolder) + Path("sub"));
  EXPECT_EQ(Seen(4, kListTop + 1), "  inner.mbx");
  EXPECT_EQ(Seen(7, 3), std::string(texts::DialogFolder) + folder.string());
  // A highlighted file is offered in the field.
  EXPECT_EQ(Seen(8, kFieldRow), std::string(texts::DialogFileName) + kMail + ".mbx");
  EXPECT_EQ(Seen(11, kFieldRow), std::string(texts::DialogFileName) + "a.mbx");
}

TEST_F(ConsoleDialog, TheFieldIsEditedByCharactersWithDoubleByteOnesWhole) {
  // Typing replaces the offered name; the caret steps over メ as one character.
  Show({"ab" + kMe + "c", kLeft + kLeft, kBackspace, kDelete, kHome + "x", kEnd, "\x1b"});
  EXPECT_EQ(Seen(1, kFieldRow), std::string(texts::DialogFileName) + "ab" + kMe + "c");
  EXPECT_EQ(Seen(3, kFieldRow), std::string(texts::DialogFileName) + "a" + kMe + "c");
  EXPECT_EQ(window.seen_caret_x.at(3), 12 + 1);
  EXPECT_EQ(Seen(4, kFieldRow), std::string(texts::DialogFileName) + "ac");
  EXPECT_EQ(Seen(5, kFieldRow), std::string(texts::DialogFileName) + "xac");
  EXPECT_EQ(window.seen_caret_x.at(5), 12 + 1);
  EXPECT_EQ(window.seen_caret_x.at(6), 12 + 3);
}

TEST_F(ConsoleDialog, MissingFilesAndFoldersAreRefusedWithAReason) {
  EXPECT_EQ(Show({"missing.mbx\r", "\x15nofolder/x.mbx\r", "\x15sub/inner.mbx\r"}), Path("sub/inner.mbx"));
  EXPECT_EQ(Seen(1, kNoteRow), texts::DialogNoFile);
  EXPECT_EQ(Seen(2, kNoteRow), texts::DialogNoFolder);
  // A save dialog takes a new name in an existing folder, and refuses one in a missing folder.
  EXPECT_EQ(Show({"nofolder/x.ren\r", "\x15new.ren\r"}, platform::FileDialogKind::Save, flag::kPathMustExist),
            Path("new.ren"));
}

TEST_F(ConsoleDialog, TheOverwriteQuestionComesOnlyWhenTheFlagsAskForIt) {
  const std::uint32_t asking = flag::kPathMustExist | flag::kOverwritePrompt;
  EXPECT_EQ(Show({"a.mbx\r", "n", "\r", "y"}, platform::FileDialogKind::Save, asking), Path("a.mbx"));
  EXPECT_EQ(Seen(1, kNoteRow), texts::DialogReplace);
  EXPECT_EQ(Seen(2, kNoteRow), texts::DialogKeys);
  EXPECT_EQ(Show({"a.mbx\r"}, platform::FileDialogKind::Save, flag::kPathMustExist), Path("a.mbx"));
}

TEST_F(ConsoleDialog, ATypedPatternChangesTheFilterAndTabCompletes) {
  EXPECT_EQ(Show({"*.txt\r", "\t", "\r"}), Path("notes.txt"));
  EXPECT_EQ(Seen(1, kFilterRow), std::string(texts::DialogFilter) + "*.txt");
  EXPECT_EQ(Seen(1, kListTop + 3), "  notes.txt");
  EXPECT_EQ(Seen(2, kFieldRow), std::string(texts::DialogFileName) + "notes.txt");
  // A prefix grows as far as the names agree; nothing to add beeps.
  EXPECT_EQ(Show({"s\t", "i\t", "\r"}), Path("sub/inner.mbx"));
  EXPECT_EQ(Seen(1, kFieldRow), std::string(texts::DialogFileName) + "sub/");
  EXPECT_EQ(Show({"q\t", "\x1b"}), std::nullopt);
  EXPECT_EQ(window.beeps, 1);
}

TEST_F(ConsoleDialog, AResizeDrawsTheDialogAtOnceWithTheListInView) {
  EXPECT_EQ(Show({"resize 60x8", kDown + kEnd, "resize 80x24", "\x1b"}), std::nullopt);
  // Eight rows show the question and two entries; End scrolls the list to its last entry, and the full size shows
  // the whole list again.
  EXPECT_EQ(Seen(1, kListTop), "  ../");
  EXPECT_EQ(Seen(1, kListTop + 2), "");
  EXPECT_EQ(Seen(2, kListTop), "  b.mbx");
  EXPECT_EQ(Seen(2, kListTop + 1), "  " + kMail + ".mbx");
  EXPECT_EQ(Seen(3, kListTop + 5), "  " + kMail + ".mbx");
  EXPECT_EQ(Seen(3, kFieldRow), std::string(texts::DialogFileName) + kMail + ".mbx");
}

TEST(DialogPaths, DotsAndDoubledSeparatorsAreTakenOutByTheText) {
  EXPECT_EQ(NormalPath("/a/./b//c/../d/"), "/a/b/d");
  EXPECT_EQ(NormalPath("/../x"), "/x");
  EXPECT_EQ(NormalPath("/"), "/");
  EXPECT_EQ(ParentOf("/a/b"), "/a");
  EXPECT_EQ(ParentOf("/a"), "/");
  EXPECT_EQ(JoinPath("/", "x"), "/x");
}

}  // namespace
