// The open and save dialog for a console without dialogs of its own: a folder's listing filtered by a pattern, a
// name field, and the checks the dialog's flags ask for. It is started with the request, fed one key at a time,
// and finished with the chosen path; it draws nothing itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/folder_listing.h"
#include "files/name_field.h"
#include "platform/dialogs.h"

class FileChooser {
 public:
  enum class Step : std::uint8_t { Going, Refused, Chosen, Cancelled };

  // Opens on the request's folder (the current directory when it has none) with its initial name offered.
  explicit FileChooser(const platform::FileDialogRequest& request);

  // Keys are cp932 bytes and the control codes of platform/keys.h. Refused: the key did nothing (a beep).
  Step Feed(std::uint8_t key);
  // The chosen path, after Feed said Chosen.
  const std::string& Finish() const { return chosen_; }

  // How many entries the display shows at once; the highlight is kept among them.
  void SetListRows(std::size_t rows);

  const std::string& title() const { return title_; }
  const std::string& folder() const { return folder_; }
  // The filter's description, or the pattern typed in its place.
  const std::string& filter_text() const { return filter_text_; }
  const std::vector<ListedEntry>& entries() const { return entries_; }
  std::size_t first_shown() const { return first_shown_; }
  std::size_t highlight() const { return highlight_; }
  const NameField& field() const { return field_; }
  // A one-line reason, the overwrite question, or empty.
  std::string_view note() const { return note_; }

 private:
  Step Enter();
  Step Accept(const std::string& answer);
  Step Answer(std::uint8_t key);
  Step Complete();
  Step Move(std::uint8_t key);
  Step Edit(std::uint8_t key);
  void GoInto(const std::string& folder);
  void Highlight(std::size_t index);

  std::string title_;
  std::uint32_t flags_;
  std::string folder_;
  std::vector<std::string> patterns_;
  std::string filter_text_;
  std::string offered_;  // what the field offers in each folder: the initial name or the typed pattern
  std::vector<ListedEntry> entries_;
  std::size_t first_shown_ = 0;
  std::size_t highlight_ = 0;
  std::size_t list_rows_ = 1;
  bool list_focus_ = false;  // the last move was in the list: Enter and Home/End act there
  NameField field_;
  std::string_view note_;
  bool confirming_ = false;
  std::string chosen_;
};
