// The open and save dialogs drawn on the console, for a console that has no dialogs of its own (the terminal). The
// dialog takes over the 80 × 24 screen while it is open and gives the console's contents back when it closes.
#pragma once

#include "platform/dialogs.h"

class ConsoleFileDialog : public platform::FileDialogs {
 public:
  std::optional<std::string> Show(const platform::FileDialogRequest& request) override;
};
