// The common dialogs with the request's title, filter list, folder, initial name and flags. The structure size is
// the one of this build's OPENFILENAMEA: the dialogs refuse any other.
#include "platform/win32/common_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/win32/console_window.h"

namespace platform::win32 {

std::optional<std::string> CommonDialogs::Show(const FileDialogRequest& request) {
  std::array<char, kLongestDialogPath + 1> file{};
  std::memcpy(file.data(), request.initial_name.data(), std::min(request.initial_name.size(), kLongestDialogPath));
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = MainWindowHandle();
  dialog.lpstrFilter = request.filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = request.initial_directory.empty() ? nullptr : request.initial_directory.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = request.flags;
  const BOOL chosen = request.kind == FileDialogKind::Open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return std::string(file.data());
}

}  // namespace platform::win32
