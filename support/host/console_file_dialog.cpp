// The console's dialog: the chooser's rows on the screen, its keys from the keyboard ring, the console given back.
#include "host/console_file_dialog.h"

#include <algorithm>

#include "files/file_chooser.h"
#include "host/main_window.h"
#include "host/message_poll.h"
#include "host/run_state.h"
#include "host/window_events.h"
#include "texts/shift_jis.h"
#include "texts.h"

namespace {

// The rows of the dialog: what is asked at the top, so that a small terminal shows it; the list below.
constexpr std::int32_t kTitleRow = 0;
constexpr std::int32_t kFieldRow = 1;
constexpr std::int32_t kNoteRow = 2;
constexpr std::int32_t kFolderRow = 3;
constexpr std::int32_t kFilterRow = 4;
constexpr std::int32_t kRuleRow = 5;
constexpr std::int32_t kListTop = 6;
constexpr std::int32_t kListRows = TextScreen::kRows - kListTop;
constexpr std::uint8_t kReverse = 5;
constexpr std::string_view kIndent = "  ";

// A row holding the text, cut at the row's end without splitting a character, the rest blank.
TextScreen::Row Cells(std::string_view text, std::uint8_t attribute = TextScreen::kAttribute) {
  TextScreen::Row cells;
  cells.fill({' ', TextScreen::kForeground, attribute, platform::ByteRole::Single});
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t index = 0; index < text.size() && index < cells.size(); ++index) {
    const bool pair = IsLeadByte(bytes[index]);
    if (pair && (index + 1 >= text.size() || index + 1 >= cells.size())) break;
    const platform::ByteRole role = pair ? platform::ByteRole::Lead : platform::ByteRole::Single;
    cells[index] = {bytes[index], TextScreen::kForeground, attribute, role};
    if (pair) {
      ++index;
      cells[index] = {bytes[index], TextScreen::kForeground, attribute, platform::ByteRole::Trail};
    }
  }
  return cells;
}

std::string Joined(std::string_view first, std::string_view second) { return std::string(first).append(second); }

// The field row shows the part of the name that holds the caret; the caret's column on the row.
std::int32_t DrawField(TextScreen& screen, const NameField& field) {
  const std::string& text = field.text();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const std::size_t room = TextScreen::kColumns - 1 - texts::DialogFileName.size();
  std::size_t start = 0;
  while (field.caret() - start > room) start = NextCharacter(bytes, text.size(), start);
  screen.PutRow(kFieldRow, Cells(Joined(texts::DialogFileName, std::string_view(text).substr(start))));
  return static_cast<std::int32_t>(texts::DialogFileName.size() + field.caret() - start);
}

void DrawList(TextScreen& screen, const FileChooser& chooser, std::int32_t rows) {
  const std::vector<ListedEntry>& entries = chooser.entries();
  for (std::int32_t row = 0; row < kListRows; ++row) {
    const std::size_t index = chooser.first_shown() + static_cast<std::size_t>(row);
    if (row >= rows || index >= entries.size()) {
      screen.PutRow(kListTop + row, Cells({}));
      continue;
    }
    std::string name = Joined(kIndent, entries[index].name);
    if (entries[index].folder) name.push_back(platform::kPathSeparator);
    screen.PutRow(kListTop + row, Cells(name, index == chooser.highlight() ? kReverse : TextScreen::kAttribute));
  }
}

// The list gets the rows the window shows, so that its highlight is always in view.
void Draw(TextScreen& screen, FileChooser& chooser) {
  const std::int32_t list_rows = std::clamp(screen.visible_rows() - kListTop, 1, kListRows);
  chooser.SetListRows(static_cast<std::size_t>(list_rows));
  screen.PutRow(kTitleRow, Cells(chooser.title()));
  const std::int32_t caret = DrawField(screen, chooser.field());
  screen.PutRow(kNoteRow, Cells(chooser.note().empty() ? texts::DialogKeys : chooser.note()));
  screen.PutRow(kFolderRow, Cells(Joined(texts::DialogFolder, chooser.folder())));
  screen.PutRow(kFilterRow, Cells(Joined(texts::DialogFilter, chooser.filter_text())));
  screen.PutRow(kRuleRow, Cells(std::string(TextScreen::kColumns, '-')));
  DrawList(screen, chooser, list_rows);
  screen.ShowCell(caret, kTitleRow);
  screen.MoveCursor(caret, kFieldRow);
}

// Keys until the chooser is done; nothing when the dialog is cancelled, no key can come or the window closed.
std::optional<std::string> Run(HostWindow& host, FileChooser& chooser, const TextScreen::Contents& console) {
  RunState& run = HostRun();
  for (;;) {
    Draw(host.screen, chooser);
    if (!host.keys.HasKey()) {
      // A wait may end without a key (a resize): the dialog is drawn again for the new size.
      if (run.quit || (!host.window.WaitForKey(MainWindowEvents()) && !host.keys.HasKey())) return std::nullopt;
      continue;
    }
    const std::uint8_t key = host.keys.Take();
    if (key == kBreakKey) {
      host.screen.Restore(console);
      PollHost();  // the break key interrupts the run as at any statement
      return std::nullopt;
    }
    switch (chooser.Feed(key)) {
      case FileChooser::Step::Going: break;
      case FileChooser::Step::Refused: host.window.Beep(); break;
      case FileChooser::Step::Chosen: return chooser.Finish();
      case FileChooser::Step::Cancelled: return std::nullopt;
    }
  }
}

}  // namespace

std::optional<std::string> ConsoleFileDialog::Show(const platform::FileDialogRequest& request) {
  HostWindow* host = MainWindow();
  if (host == nullptr) return std::nullopt;
  BeforeHostSpeaks();
  host->keys.Clear();
  const TextScreen::Contents console = host->screen.Save();
  FileChooser chooser(request);
  host->screen.SetCursorShown(true);
  std::optional<std::string> chosen = Run(*host, chooser, console);
  host->screen.Restore(console);
  EndIfQuit();
  return chosen;
}
