// The open and save dialogs as the converter calls them: what the platform's dialog is asked to show, and the path
// or the cancel mark pushed back.
#include <filesystem>
#include <optional>
#include <vector>

#include "file_fixture.h"
#include "files/file_dialogs.h"
#include "platform/files.h"
#include "texts.h"

namespace {

// A platform dialog that records each request and answers with the next prepared path (nothing = cancel).
class AnsweringDialogs final : public platform::FileDialogs {
 public:
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::vector<platform::FileDialogRequest> requests;
  std::optional<std::string> answer;
};

class FileDialogs : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
    SetFileDialogs(&dialogs);
  }
  void TearDown() override {
    SetFileDialogs(nullptr);
    for (StringDescriptor* string : {&title, &file_name, &filter}) ReleaseString(*string);
    FileTest::TearDown();
  }

  // Shows the dialog and returns what it pushed, or the run-time error as text.
  std::string Show(platform::FileDialogKind kind, const std::string& file_name_text,
                   const std::string& filter_text, std::int32_t flag = 0, const std::string& title_text = "Title") {
    AssignConstant(title, title_text);
    AssignConstant(file_name, file_name_text);
    AssignConstant(filter, filter_text);
    const RuntimeErrorNumber error = ErrorOf([&] {
      if (kind == platform::FileDialogKind::Open) {
        FileOpenDialog(0, title, file_name, filter, flag);
      } else {
        FileSaveDialog(0, title, file_name, filter, flag);
      }
    });
    return error != 0 ? "error " + std::to_string(error) : PopText();
  }

  AnsweringDialogs dialogs;
  StringDescriptor title{}, file_name{}, filter{};
};

using platform::FileDialogKind;
namespace dialog_flag = platform::dialog_flag;

TEST_F(FileDialogs, TheChosenPathOrTheCancelMarkIsPushed) {
  dialogs.answer = Path("box.mbx");
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "Mail (*.mbx)"), Path("box.mbx"));
  dialogs.answer.reset();
  EXPECT_EQ(Show(FileDialogKind::Save, "nivoka.ren", "Cards (*.ren)"), "\x1B");
  // A path the 128-byte buffer could not have held counts as a failed dialog.
  dialogs.answer = std::string(128, 'p');
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "Mail (*.mbx)"), "\x1B");
  EXPECT_EQ(string_stack::Depth(), 0);
}

TEST_F(FileDialogs, FiltersAreBuiltFromTheirDescription) {
  Show(FileDialogKind::Open, "*.mbx", std::string(texts::MailboxFilter));
  EXPECT_EQ(dialogs.requests.back().filter, std::string(texts::MailboxFilter) + '\0' + "*.mbx" + '\0' + '\0');
  Show(FileDialogKind::Open, "*.mbx", "Mail ( *.mbx, *.txt );All(*.*)");
  constexpr char kTwoEntries[] = "Mail ( *.mbx, *.txt )\0*.mbx;*.txt\0All(*.*)\0*.*\0";
  EXPECT_EQ(dialogs.requests.back().filter, std::string(kTwoEntries, sizeof kTwoEntries));
  Show(FileDialogKind::Open, "*.mbx", "");
  EXPECT_EQ(dialogs.requests.back().filter, std::string(texts::AllFilesFilter) + '\0' + "*.*" + '\0' + '\0');
  const std::size_t shown = dialogs.requests.size();
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "no parentheses"), "error 5");
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "Mail (*.mbx);broken"), "error 5");
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "A (*.a)" + std::string(510, ' ')), "error 5");
  EXPECT_EQ(dialogs.requests.size(), shown) << "no dialog after a refused filter";
}

TEST_F(FileDialogs, FlagsFollowTheKindAndTheFlagArgument) {
  constexpr std::uint32_t kAlways =
      dialog_flag::kPathMustExist | dialog_flag::kHideReadOnly | dialog_flag::kNoChangeDirectory;
  Show(FileDialogKind::Open, "*.mbx", "M (*.mbx)", 0);
  EXPECT_EQ(dialogs.requests.back().flags, kAlways | dialog_flag::kFileMustExist);
  EXPECT_EQ(dialogs.requests.back().flags, 0x180Cu);
  Show(FileDialogKind::Save, "x.ren", "R (*.ren)", 0);
  EXPECT_EQ(dialogs.requests.back().flags, 0x80Eu);
  Show(FileDialogKind::Open, "*.mbx", "M (*.mbx)", 1);
  EXPECT_EQ(dialogs.requests.back().flags, 0x80Cu);
  Show(FileDialogKind::Save, "x.ren", "R (*.ren)", 1);
  EXPECT_EQ(dialogs.requests.back().flags, kAlways);
  EXPECT_EQ(Show(FileDialogKind::Save, "x.ren", "R (*.ren)", 2), "error 5");
}

TEST_F(FileDialogs, ArgumentsAreCheckedBeforeAnyDialog) {
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "M (*.mbx)", 0, std::string(65, 't')), "error 5");
  EXPECT_EQ(Show(FileDialogKind::Open, std::string(129, 's'), "M (*.mbx)"), "error 5");
  EXPECT_TRUE(dialogs.requests.empty());
  Show(FileDialogKind::Open, std::string(128, 's'), "M (*.mbx)", 0, std::string(64, 't'));
  EXPECT_EQ(dialogs.requests.size(), 1u);
  SetFileDialogs(nullptr);
  EXPECT_EQ(Show(FileDialogKind::Open, "*.mbx", "M (*.mbx)"), "error 1000");
}

// The open dialog starts in the folder its file name names; the save dialog always in the current folder.
TEST_F(FileDialogs, FoldersAndInitialNames) {
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::create_directory(Path("mail"));
  std::filesystem::current_path(folder);
  std::string current;
  ASSERT_EQ(platform::FullPath(".", current), 0);
  std::string mail;
  ASSERT_EQ(platform::FullPath(Path("mail").c_str(), mail), 0);
  const std::string inside = (std::filesystem::path(Path("mail")) / "in.mbx").string();

  Show(FileDialogKind::Open, inside, "M (*.mbx)");
  EXPECT_EQ(dialogs.requests.back().initial_directory, mail);
  EXPECT_EQ(dialogs.requests.back().initial_name, "in.mbx");
  Show(FileDialogKind::Save, (std::filesystem::path(Path("mail")) / "out.ren").string(), "R (*.ren)", 1);
  EXPECT_EQ(dialogs.requests.back().initial_directory, current);
  EXPECT_EQ(dialogs.requests.back().initial_name, "out.ren");
  EXPECT_EQ(dialogs.requests.back().kind, FileDialogKind::Save);
  EXPECT_EQ(dialogs.requests.back().title, "Title");
  std::filesystem::current_path(start);
}

}  // namespace
