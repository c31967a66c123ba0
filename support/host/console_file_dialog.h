// The open and save dialogs drawn over the bottom rows of the console, for a console that has no dialogs of its
// own (the terminal). The user types a name (in the terminal's encoding), Enter takes it or the offered default,
// Tab completes a file or folder name, Escape cancels; the flags are enforced as a platform dialog would.
#pragma once

#include "platform/dialogs.h"

class ConsoleFileDialog : public platform::FileDialogs {
 public:
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override;
};
