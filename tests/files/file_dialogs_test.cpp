// The open and save dialogs: argument checks, the filter list, the initial folder and name, and the result.
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "dialog_expressions.h"
#include "file_fixture.h"
#include "texts.h"

namespace {

// A filter list: each text ended by a NUL, then one more NUL.
std::string Filter(std::initializer_list<std::string_view> texts) {
  std::string filter;
  for (const std::string_view text : texts) filter.append(text).push_back('\0');
  return filter + '\0';
}

class ScriptedDialogs : public platform::FileDialogs {
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
    previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    SetFileDialogs(nullptr);
    FileTest::TearDown();
  }

  template <class Expression>
  std::string Result(const Expression& dialog) {
    dialog.Push();
    return PopText();
  }

  ScriptedDialogs dialogs;
  std::filesystem::path previous;
};

TEST_F(FileDialogs, TheOpenDialogStartsInTheSpecificationsFolderWithItsName) {
  std::filesystem::create_directory(Path("mail"));
  dialogs.answer = Path("mail/box.mbx");
  EXPECT_EQ(Result(OpenFileDialog(0, "Title", Path("mail/*.mbx"), "Mail (*.mbx, *.txt)", 0)), Path("mail/box.mbx"));
  const platform::FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.kind, platform::FileDialogKind::Open);
  EXPECT_EQ(request.title, "Title");
  EXPECT_EQ(request.initial_directory, std::filesystem::canonical(Path("mail")).string());
  EXPECT_EQ(request.initial_name, "*.mbx");
  EXPECT_EQ(request.filter, Filter({"Mail (*.mbx, *.txt)", "*.mbx;*.txt"}));
  EXPECT_EQ(request.flags, 0x180Cu);
  EXPECT_EQ(ArgumentRecordCount(), 0);
}

TEST_F(FileDialogs, TheSaveDialogStartsInTheCurrentFolderWhateverTheSpecificationNames) {
  dialogs.answer = Path("out.ren");
  Result(SaveFileDialog(0, "Save", "/somewhere/else/nivoka.ren", "", 0));
  const platform::FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.initial_directory, std::filesystem::canonical(folder).string());
  EXPECT_EQ(request.initial_name, "nivoka.ren");
  EXPECT_EQ(request.filter, Filter({texts::AllFilesFilter, "*.*"}));
  EXPECT_EQ(request.flags, 0x80Eu);
  Result(SaveFileDialog(0, "Save", "nivoka.ren", "", 1));
  EXPECT_EQ(dialogs.requests.back().flags, 0x80Cu);
}

TEST_F(FileDialogs, ACancelOrAnOverlongPathGivesTheEscapeByte) {
  dialogs.answer = std::nullopt;
  EXPECT_EQ(Result(OpenFileDialog(0, "T", "*.mbx", "(*.mbx)", 0)), "\x1b");
  dialogs.answer = "/" + std::string(127, 'p');
  EXPECT_EQ(Result(OpenFileDialog(0, "T", "*.mbx", "(*.mbx)", 0)), "\x1b");
  dialogs.answer = "/" + std::string(126, 'p');
  EXPECT_EQ(Result(OpenFileDialog(0, "T", "*.mbx", "(*.mbx)", 0)).size(), 127u);
}

TEST_F(FileDialogs, BadArgumentsAreError5BeforeAnyDialogIsShown) {
  dialogs.answer = "x";
  const auto error_of = [&](auto dialog) { return ErrorOf([&] { dialog.Push(); }); };
  EXPECT_EQ(error_of(OpenFileDialog(0, std::string(65, 't'), "*.mbx", "", 0)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", std::string(129, 's'), "", 0)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", "*.mbx", "", 2)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", "*.mbx", "no parentheses", 0)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", "*.mbx", "a (*.a);b", 0)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", "*.mbx", std::string(513, '('), 0)), error::kBadArgument);
  EXPECT_EQ(error_of(OpenFileDialog(1, "T", "*.mbx", "", 0)), error::kNoSuchWindow);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(error_of(OpenFileDialog(0, std::string(64, 't'), std::string(128, 's'), "", 0)), 0);
  SetFileDialogs(nullptr);
  EXPECT_EQ(error_of(OpenFileDialog(0, "T", "*.mbx", "", 0)), error::kNoSuchWindow);
}

TEST_F(FileDialogs, FiltersAndNameParts) {
  EXPECT_EQ(BuildFilter("zirpa (*.mbx);All ( *.* )"), Filter({"zirpa (*.mbx)", "*.mbx", "All ( *.* )", "*.*"}));
  EXPECT_EQ(BuildFilter("Two (*.a,\t*.b) x"), Filter({"Two (*.a,\t*.b) x", "*.a;*.b"}));
  EXPECT_EQ(NamePart("/a/b/c.mbx"), "c.mbx");
  EXPECT_EQ(NamePart("c.mbx"), "c.mbx");
  EXPECT_EQ(NamePart("/a/"), "");
  EXPECT_EQ(NamePart("\x83/x"), "\x83/x");  // the byte after a lead byte is never a separator
}

}  // namespace
