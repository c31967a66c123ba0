// The open and save dialogs of the Win32 host: GetOpenFileNameA and GetSaveFileNameA, owned by the main window.
#pragma once

#include "platform/dialogs.h"

namespace platform::win32 {

class CommonDialogs final : public FileDialogs {
 public:
  std::optional<std::string> Show(const FileDialogRequest& request) override;
};

}  // namespace platform::win32
