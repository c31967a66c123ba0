// The command line of the Linux program: interactive with no operands, batch with mailboxes and -o OUTPUT.
#pragma once

#include <string>
#include <vector>

enum class CommandKind { Interactive, Batch, Help, Version, Refused };

struct Command {
  CommandKind kind = CommandKind::Interactive;
  // Batch: full paths in cp932, checked before anything is written.
  std::vector<std::string> mailboxes;
  std::string output;
  // Refused: the one-line reason (locale encoding).
  std::string reason;
};

// Reads argv; a batch command's operands are converted to cp932 full paths and checked.
Command ParseCommandLine(int argc, char** argv, bool on_terminal);

std::string UsageText();
