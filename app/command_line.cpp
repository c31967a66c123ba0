// The command line: options, operands, and the checks a batch run makes before it writes anything.
#include "app/command_line.h"

#include <unistd.h>

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

Command Refuse(std::string reason, CommandKind kind = CommandKind::Refused) {
  Command command;
  command.kind = kind;
  command.reason = std::move(reason);
  return command;
}

// The name as the dialog would hand it back: a cp932 full path, or nothing when it has no cp932 form.
bool DialogPath(const std::string& operand, std::string& path) {
  std::error_code failure;
  const std::filesystem::path absolute = std::filesystem::absolute(operand, failure);
  return !failure && platform::PathFromLocal(absolute.lexically_normal().string(), path);
}

// ".ren" is added when the first "." of the whole path is its first byte or there is none, as the driver does.
std::string CardFileName(const std::string& path) {
  const std::size_t dot = path.find('.');
  return dot == std::string::npos || dot == 0 ? path + ".ren" : path;
}

// An existing output is deleted and written anew: only a regular file may be, never standard output, a device, a
// pipe or a folder. The name is checked as given and again with ".ren" added.
std::string NotACardFile(const std::string& output) {
  if (output == "-") return "standard output cannot be the card file: -";
  const std::string last = std::filesystem::path(output).filename().string();
  std::error_code failure;
  const std::filesystem::file_status status = std::filesystem::symlink_status(output, failure);
  if (last.empty() || last == "." || last == ".." || std::filesystem::is_directory(output, failure)) {
    return "the output names a folder: " + output;
  }
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    return "the output is not a regular file: " + output;
  }
  return {};
}

bool IsReadableFile(const std::string& operand) {
  std::error_code failure;
  return std::filesystem::is_regular_file(operand, failure) && access(operand.c_str(), R_OK) == 0;
}

std::string CheckBatch(const std::vector<std::string>& mailboxes, const std::string& output, Command& command) {
  for (const std::string& mailbox : mailboxes) {
    if (!IsReadableFile(mailbox)) return "cannot read the mailbox " + mailbox;
    std::string path;
    if (!DialogPath(mailbox, path)) return "the name cannot be used: " + mailbox;
    if (path.size() > platform::kLongestDialogPath) return "the full path is longer than 127 bytes: " + mailbox;
    command.mailboxes.push_back(path);
  }
  if (std::string refusal = NotACardFile(output); !refusal.empty()) return refusal;
  if (!DialogPath(output, command.output)) return "the name cannot be used: " + output;
  if (command.output.size() > platform::kLongestDialogPath) return "the full path is longer than 127 bytes: " + output;
  std::error_code failure;
  const std::filesystem::path folder = std::filesystem::absolute(output, failure).parent_path();
  if (failure || !std::filesystem::is_directory(folder, failure)) return "the folder of the output does not exist: " + output;
  std::string local_card;
  if (platform::PathToLocal(CardFileName(command.output), local_card)) {
    if (std::string refusal = NotACardFile(local_card); !refusal.empty()) return refusal;
  }
  std::string card;
  if (platform::FullPath(CardFileName(command.output).c_str(), card) != 0) card = CardFileName(command.output);
  for (const std::string& mailbox : command.mailboxes) {
    std::string full;
    if (platform::FullPath(mailbox.c_str(), full) == 0 && platform::SamePath(full, card)) {
      return "the output is one of the mailboxes: " + output;
    }
  }
  return {};
}

}  // namespace

std::string UsageText() {
  return "usage: qelvorin                          convert mailboxes interactively (on a terminal)\n"
         "       qelvorin MAILBOX... -o OUTPUT     convert the mailboxes into one card file\n"
         "       qelvorin --help | --version\n"
         "\n"
         "A batch run converts each MAILBOX (*.mbx) in turn: the first creates or replaces OUTPUT, the others\n"
         "append to it. OUTPUT without a \".\" in its path gets \".ren\" added.\n"
         "Exit status: 0 done, 1 a run-time error, 2 a bad command line, 130 interrupted.\n";
}

Command ParseCommandLine(int argc, char** argv, bool on_terminal) {
  std::vector<std::string> mailboxes;
  std::string output;
  bool has_output = false;
  bool options_ended = false;
  for (int index = 1; index < argc; ++index) {
    const std::string_view argument = argv[index];
    if (options_ended || argument == "-" || !argument.starts_with("-")) {
      mailboxes.emplace_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      return {CommandKind::Help, {}, {}, {}};
    } else if (argument == "--version") {
      return {CommandKind::Version, {}, {}, {}};
    } else if (argument == "-o" || argument == "--output") {
      if (++index == argc) return Refuse(std::string(argument) + " needs the output file");
      output = argv[index];
      has_output = true;
    } else if (argument.starts_with("--output=")) {
      output = argument.substr(9);
      has_output = true;
    } else {
      return Refuse("unknown option " + std::string(argument));
    }
  }
  if (mailboxes.empty() && !has_output) {
    if (!on_terminal) return Refuse("no terminal for the interactive program; give MAILBOX... -o OUTPUT");
    return {};
  }
  if (mailboxes.empty()) return Refuse("no mailbox given");
  if (!has_output || output.empty()) return Refuse("no output file given (-o OUTPUT)");
  Command command;
  command.kind = CommandKind::Batch;
  std::string reason = CheckBatch(mailboxes, output, command);
  if (!reason.empty()) return Refuse(std::move(reason), CommandKind::BadOperand);
  return command;
}
