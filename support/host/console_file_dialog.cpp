// The console's dialog: its rows over the screen, the typed answer, completion and the checks of the flags.
#include "host/console_file_dialog.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "host/main_window.h"
#include "host/message_poll.h"
#include "host/run_state.h"
#include "host/window_events.h"
#include "platform/files.h"
#include "texts/shift_jis.h"

namespace {

constexpr std::int32_t kFirstRow = TextScreen::kRows - 5;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kNewLine = 10;
constexpr std::uint8_t kEscape = 27;
constexpr std::uint8_t kTab = 9;
constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kDelete = 127;
constexpr std::uint8_t kEraseLine = 21;  // Ctrl+U
constexpr std::uint8_t kBreak = 3;       // Ctrl+C

std::string Local(std::string_view cp932) {
  std::string local;
  return platform::PathToLocal(cp932, local) ? local : std::string(cp932);
}

// What the user typed, in cp932 for the screen; the part that does not convert yet is left out.
std::string Shown(const std::string& typed) {
  std::string cp932;
  for (std::size_t length = typed.size(); length > 0; --length) {
    if (platform::PathFromLocal(std::string_view(typed).substr(0, length), cp932)) return cp932;
  }
  return {};
}

enum class Kind { None, File, Folder, Other };

Kind KindOf(const std::string& local_path) {
  struct stat status {};
  if (stat(local_path.c_str(), &status) != 0) return Kind::None;
  if (S_ISDIR(status.st_mode)) return Kind::Folder;
  return S_ISREG(status.st_mode) ? Kind::File : Kind::Other;
}

std::string ParentOf(const std::string& local_path) {
  const std::size_t slash = local_path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : local_path.substr(0, slash);
}

class Dialog {
 public:
  Dialog(HostWindow& host, const platform::FileDialogRequest& request)
      : host_(host), request_(request), folder_(Local(request.initial_directory)) {
    if (folder_.empty()) folder_ = std::filesystem::current_path().string();
  }

  std::optional<std::string> Run() {
    for (;;) {
      Draw();
      const std::uint8_t key = NextKey();
      if (key == kEscape || HostRun().quit) return std::nullopt;
      if (key == kBreak) {
        Restore();
        PollHost();  // the break key interrupts the run as at any statement
        return std::nullopt;
      }
      if (key == kEnter || key == kNewLine) {
        if (std::optional<std::string> chosen = Accept()) return chosen;
      } else if (key == kTab) {
        Complete();
      } else if (key == kBackspace || key == kDelete) {
        EraseCharacter();
      } else if (key == kEraseLine) {
        typed_.clear();
      } else if (key >= 0x20) {
        typed_.push_back(static_cast<char>(key));
        note_.clear();
      }
    }
  }

  void Restore() { host_.screen.Paint(); }

 private:
  std::uint8_t NextKey() {
    RunState& run = HostRun();
    while (!host_.keys.HasKey() && !run.quit && host_.window.WaitForKey(MainWindowEvents())) {
    }
    if (!host_.keys.HasKey()) return kEscape;  // no key can come: the dialog is cancelled
    return host_.keys.Take();
  }

  // The typed name, or the offered one; relative names are taken in the dialog's folder.
  std::string AnswerPath() const {
    const std::string answer = typed_.empty() ? Local(request_.initial_name) : typed_;
    return answer.starts_with('/') ? answer : folder_ + (folder_.ends_with('/') ? "" : "/") + answer;
  }

  std::optional<std::string> Accept() {
    namespace flag = platform::dialog_flag;
    const std::string path = std::filesystem::path(AnswerPath()).lexically_normal().string();
    const Kind kind = KindOf(path);
    if (kind == Kind::Folder) {
      folder_ = path;
      typed_.clear();
      return std::nullopt;
    }
    // Devices and pipes are not files to read mail from or to replace with a card file.
    if (kind == Kind::Other) {
      note_ = "Not a regular file.";
      return std::nullopt;
    }
    if ((request_.flags & flag::kPathMustExist) && KindOf(ParentOf(path)) != Kind::Folder) {
      note_ = "No such folder.";
      return std::nullopt;
    }
    if ((request_.flags & flag::kFileMustExist) && kind != Kind::File) {
      note_ = "No such file.";
      return std::nullopt;
    }
    if ((request_.flags & flag::kOverwritePrompt) && kind == Kind::File && !Confirm()) return std::nullopt;
    std::string chosen;
    if (!platform::PathFromLocal(path, chosen)) {
      note_ = "This name cannot be used.";
      return std::nullopt;
    }
    return chosen;
  }

  bool Confirm() {
    note_ = "The file exists. Replace it? (y/n)";
    Draw();
    const std::uint8_t key = NextKey();
    note_.clear();
    return key == 'y' || key == 'Y';
  }

  // Extends the last part of the typed name as far as the folder's names that begin with it agree.
  void Complete() {
    const std::string path = AnswerPath();
    const std::string folder = path.ends_with('/') ? path : ParentOf(path);
    const std::string prefix = path.ends_with('/') ? "" : path.substr(path.rfind('/') + 1);
    std::vector<std::string> matches;
    std::error_code failure;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(prefix)) matches.push_back(name + (entry.is_directory(failure) ? "/" : ""));
    }
    if (matches.empty()) {
      host_.window.Beep();
      return;
    }
    std::string common = matches.front();
    for (const std::string& match : matches) {
      common.resize(static_cast<std::size_t>(std::mismatch(common.begin(), common.end(), match.begin(), match.end()).first -
                                             common.begin()));
    }
    if (typed_.empty()) typed_ = prefix;
    typed_ += common.substr(prefix.size());
    std::sort(matches.begin(), matches.end());
    note_.clear();
    if (matches.size() > 1) {
      for (const std::string& match : matches) note_ += match + "  ";
    }
  }

  void EraseCharacter() {
    while (!typed_.empty() && (static_cast<std::uint8_t>(typed_.back()) & 0xC0) == 0x80) typed_.pop_back();
    if (!typed_.empty()) typed_.pop_back();
  }

  void Draw() {
    std::string filter;
    const std::string& list = request_.filter;
    const std::size_t description_end = list.find('\0');
    if (description_end != std::string::npos) {
      filter = list.substr(0, description_end) + "  " + list.substr(description_end + 1, list.find('\0', description_end + 1) - description_end - 1);
    }
    std::string folder;
    platform::PathFromLocal(folder_, folder);
    std::string note;
    platform::PathFromLocal(note_.empty() ? "Enter: OK   Tab: complete   Esc: cancel" : note_, note);
    const std::string answer = "> " + (typed_.empty() ? request_.initial_name : Shown(typed_));
    const std::array<std::string, 5> rows{request_.title, "[" + filter + "]  " + folder, std::string(TextScreen::kColumns, '-'), answer, note};
    for (std::int32_t index = 0; index < 5; ++index) DrawRow(kFirstRow + index, rows[static_cast<std::size_t>(index)]);
    const std::int32_t caret = std::min<std::int32_t>(static_cast<std::int32_t>(answer.size()), TextScreen::kColumns - 1);
    host_.window.ShowCaretAt(caret - host_.screen.view_column(), kFirstRow + 3 - host_.screen.view_row());
  }

  // One row of the dialog: the text cut to the row without splitting a character, the rest blank.
  void DrawRow(std::int32_t row, const std::string& text) {
    TextScreen::Row cells;
    cells.fill({' ', TextScreen::kForeground, TextScreen::kAttribute, platform::ByteRole::Single});
    std::size_t index = 0;
    while (index < text.size() && index < cells.size()) {
      const auto byte = static_cast<std::uint8_t>(text[index]);
      if (IsLeadByte(byte)) {
        if (index + 1 >= text.size() || index + 1 >= cells.size()) break;
        cells[index] = {byte, TextScreen::kForeground, TextScreen::kAttribute, platform::ByteRole::Lead};
        cells[index + 1] = {static_cast<std::uint8_t>(text[index + 1]), TextScreen::kForeground, TextScreen::kAttribute,
                            platform::ByteRole::Trail};
        index += 2;
      } else {
        cells[index] = {byte, TextScreen::kForeground, TextScreen::kAttribute, platform::ByteRole::Single};
        ++index;
      }
    }
    host_.window.HideCaret();
    host_.window.DrawCells({cells, 0, TextScreen::kColumns, -host_.screen.view_column(), row - host_.screen.view_row()});
    host_.window.Update();
  }

  HostWindow& host_;
  const platform::FileDialogRequest& request_;
  std::string folder_;  // locale encoding
  std::string typed_;   // locale encoding
  std::string note_;
};

}  // namespace

std::optional<std::string> ConsoleFileDialog::Show(const platform::FileDialogRequest& request) {
  HostWindow* host = MainWindow();
  if (host == nullptr) return std::nullopt;
  BeforeHostSpeaks();
  host->keys.Clear();
  Dialog dialog(*host, request);
  std::optional<std::string> chosen = dialog.Run();
  dialog.Restore();
  EndIfQuit();
  return chosen;
}
