// The command line of both programs: interactive with no operands, batch with mailboxes and -o OUTPUT.
#pragma once

#include <string>
#include <vector>

// Refused: a command line that cannot be read (told with the usage); BadOperand: a batch operand that fails its
// check (told in one line).
enum class CommandKind { Interactive, Batch, Help, Version, Refused, BadOperand };

struct Command {
  CommandKind kind = CommandKind::Interactive;
  // Batch: full paths in cp932, checked before anything is written.
  std::vector<std::string> mailboxes;
  std::string output;
  // Batch: OUTPUT with the ".ren" the driver adds, and its folder ending with its separator (cp932).
  std::string card_file;
  std::string card_folder;
  // Batch: the names as given and OUTPUT's with its ".ren", for the lines on standard error (locale encoding).
  std::vector<std::string> mailbox_names;
  std::string output_name;
  // The first mailbox is appended to an existing OUTPUT instead of replacing it.
  bool append = false;
  // No transcript of the console on standard output.
  bool quiet = false;
  // Refused or BadOperand: the one-line reason (locale encoding).
  std::string reason;
};

// The names a mailbox operand stands for, where the program itself expands wildcards (Windows).
using OperandExpansion = std::vector<std::string> (*)(const std::string& operand);

// Reads argv; a batch command's operands are converted to cp932 full paths and checked.
Command ParseCommandLine(int argc, char** argv, bool on_terminal, OperandExpansion expand = nullptr);

std::string UsageText();
