// The console's open and save dialog: its keys, the listing it moves through and the checks of its flags.
#include "files/file_chooser.h"

#include <algorithm>
#include <utility>

#include "files/dialog_paths.h"
#include "files/file_dialogs.h"
#include "platform/files.h"
#include "platform/keys.h"
#include "texts.h"

namespace {

constexpr std::uint8_t kLineFeed = 10;
constexpr std::uint8_t kEraseLine = 21;  // Ctrl+U
constexpr char kSeparator = platform::kPathSeparator;

bool IsFolder(const std::string& path) { return platform::KindOfPath(path.c_str()) == platform::PathKind::Folder; }

// The first filter's description and its patterns, from the NUL-separated list.
std::pair<std::string, std::string> FirstFilter(const std::string& filter) {
  const std::size_t end = filter.find('\0');
  if (end == std::string::npos) return {};
  const std::size_t patterns_end = filter.find('\0', end + 1);
  return {filter.substr(0, end), filter.substr(end + 1, patterns_end - end - 1)};
}

// The longest start all names share.
std::string CommonStart(const std::vector<std::string>& names) {
  std::string common = names.front();
  for (const std::string& name : names) {
    const auto differ = std::mismatch(common.begin(), common.end(), name.begin(), name.end()).first;
    common.erase(differ, common.end());
  }
  return common;
}

// The names in the folder that begin with the typed name (or match it, when it is a pattern), a folder's with a
// separator after it; hidden names only when the typed name begins with ".".
std::vector<std::string> CompletionNames(const std::string& folder, std::string_view typed_name, bool pattern) {
  std::vector<std::string> names;
  const std::string search_pattern = JoinPath(folder, std::string(typed_name) + (pattern ? "" : "*"));
  platform::FindData found;
  platform::FindHandle search = platform::FindFirst(search_pattern.c_str(), found);
  if (search == nullptr) return names;
  do {
    const bool hidden = found.name.starts_with('.') && !typed_name.starts_with('.');
    const bool begins = pattern || found.name.starts_with(typed_name);
    if (hidden || found.name == "." || found.name == ".." || !begins) continue;
    const bool is_folder = (found.attributes & platform::kAttributeDirectory) != 0;
    names.push_back(found.name + (is_folder ? std::string(1, kSeparator) : std::string()));
  } while (platform::FindNext(search, found));
  platform::FindClose(search);
  return names;
}

}  // namespace

FileChooser::FileChooser(const platform::FileDialogRequest& request)
    : title_(request.title), flags_(request.flags), offered_(request.initial_name) {
  std::string folder = request.initial_directory;
  if (folder.empty() || !IsFolder(folder)) platform::FullPath(".", folder);
  const auto [description, patterns] = FirstFilter(request.filter);
  filter_text_ = description;
  patterns_ = SplitPatterns(patterns);
  GoInto(NormalPath(folder));
}

void FileChooser::SetListRows(std::size_t rows) {
  list_rows_ = std::max<std::size_t>(rows, 1);
  Highlight(highlight_);
}

void FileChooser::GoInto(const std::string& folder) {
  folder_ = folder;
  entries_ = ListFolder(folder_, patterns_);
  first_shown_ = 0;
  highlight_ = 0;
  list_focus_ = false;
  field_.Offer(offered_);
}

// The highlight moves to the entry and the list scrolls as little as needed to show it.
void FileChooser::Highlight(std::size_t index) {
  if (entries_.empty()) return;
  highlight_ = std::min(index, entries_.size() - 1);
  if (highlight_ < first_shown_) first_shown_ = highlight_;
  if (highlight_ >= first_shown_ + list_rows_) first_shown_ = highlight_ + 1 - list_rows_;
  // A list that has grown shows as many entries as it can.
  first_shown_ = std::min(first_shown_, entries_.size() - std::min(entries_.size(), list_rows_));
}

FileChooser::Step FileChooser::Feed(std::uint8_t key) {
  if (confirming_) return Answer(key);
  note_ = {};
  switch (key) {
    case platform::key::kEscape: return Step::Cancelled;
    case platform::key::kEnter:
    case kLineFeed: return Enter();
    case platform::key::kTab: return Complete();
    case platform::key::kUp:
    case platform::key::kDown:
    case platform::key::kPageUp:
    case platform::key::kPageDown: return Move(key);
    case platform::key::kHome:
    case platform::key::kEnd: return list_focus_ ? Move(key) : Edit(key);
    default: return Edit(key);
  }
}

FileChooser::Step FileChooser::Move(std::uint8_t key) {
  if (entries_.empty()) return Step::Refused;
  const std::size_t last = entries_.size() - 1;
  const std::size_t page = list_rows_;
  std::size_t target = highlight_;
  switch (key) {
    case platform::key::kUp: target = highlight_ > 0 ? highlight_ - 1 : 0; break;
    case platform::key::kDown: target = std::min(highlight_ + 1, last); break;
    case platform::key::kPageUp: target = highlight_ > page ? highlight_ - page : 0; break;
    case platform::key::kPageDown: target = std::min(highlight_ + page, last); break;
    case platform::key::kHome: target = 0; break;
    default: target = last; break;
  }
  const bool moved = target != highlight_ || !list_focus_;
  list_focus_ = true;
  Highlight(target);
  if (!entries_[highlight_].folder) field_.Offer(entries_[highlight_].name);
  return moved ? Step::Going : Step::Refused;
}

FileChooser::Step FileChooser::Edit(std::uint8_t key) {
  bool done = true;
  switch (key) {
    case platform::key::kLeft: done = field_.Left(); break;
    case platform::key::kRight: done = field_.Right(); break;
    case platform::key::kHome: done = field_.Home(); break;
    case platform::key::kEnd: done = field_.End(); break;
    case platform::key::kBackspace: done = field_.Backspace(); break;
    case platform::key::kDelete: done = field_.Delete(); break;
    case kEraseLine: field_.Clear(); break;
    default:
      if (key < 0x20) return Step::Going;  // keys the field has no use for
      field_.Type(key);
      break;
  }
  list_focus_ = false;
  return done ? Step::Going : Step::Refused;
}

// On a highlighted folder Enter goes into it; otherwise it takes the field.
FileChooser::Step FileChooser::Enter() {
  if (list_focus_ && !entries_.empty() && entries_[highlight_].folder) {
    GoInto(NormalPath(JoinPath(folder_, entries_[highlight_].name)));
    return Step::Going;
  }
  if (field_.text().empty()) return Step::Refused;
  return Accept(field_.text());
}

// The rules of the dialog's flags, checked as a platform dialog checks them.
FileChooser::Step FileChooser::Accept(const std::string& answer) {
  namespace flag = platform::dialog_flag;
  const std::string path = NormalPath(IsAbsolute(answer) ? answer : JoinPath(folder_, answer));
  const std::string parent = ParentOf(path);
  const std::string_view name = NamePart(path);
  // A pattern that begins with "*" becomes the filter; any other name is handed on as typed, wildcards and all,
  // for the open to judge, as scripts that type a name have always had it.
  if (name.starts_with('*')) {
    if (!IsFolder(parent)) {
      note_ = texts::DialogNoFolder;
      return Step::Going;
    }
    offered_ = filter_text_ = std::string(name);
    patterns_ = SplitPatterns(name);
    GoInto(parent);
    return Step::Going;
  }
  const platform::PathKind kind = platform::KindOfPath(path.c_str());
  if (kind == platform::PathKind::Folder) {
    GoInto(path);
    return Step::Going;
  }
  // Devices and pipes are not files to read mail from or to replace with a card file.
  if (kind == platform::PathKind::Other) {
    note_ = texts::DialogNotAFile;
  } else if ((flags_ & flag::kPathMustExist) && !IsFolder(parent)) {
    note_ = texts::DialogNoFolder;
  } else if ((flags_ & flag::kFileMustExist) && kind != platform::PathKind::File) {
    note_ = texts::DialogNoFile;
  } else {
    chosen_ = path;
    if (!(flags_ & flag::kOverwritePrompt) || kind != platform::PathKind::File) return Step::Chosen;
    confirming_ = true;
    note_ = texts::DialogReplace;
  }
  return Step::Going;
}

FileChooser::Step FileChooser::Answer(std::uint8_t key) {
  confirming_ = false;
  note_ = {};
  return key == 'y' || key == 'Y' ? Step::Chosen : Step::Going;
}

// The field's last part is extended as far as the names that begin with it agree; a pattern becomes the one name
// that matches it.
FileChooser::Step FileChooser::Complete() {
  const std::string& text = field_.text();
  const std::string_view typed_name = NamePart(text);
  const std::string typed_folder = text.substr(0, text.size() - typed_name.size());
  const std::string folder = IsAbsolute(typed_folder) ? typed_folder : JoinPath(folder_, typed_folder);
  const bool pattern = HasWildcards(typed_name);
  const std::vector<std::string> names = CompletionNames(folder, typed_name, pattern);
  if (names.empty() || (pattern && names.size() > 1)) return Step::Refused;
  const std::string common = CommonStart(names);
  if (!pattern && common.size() <= typed_name.size()) return Step::Refused;
  field_.Set(typed_folder + common);
  list_focus_ = false;
  return Step::Going;
}
