// The command line: options, operands, and the checks a batch run makes before it writes anything.
#include "app/command_line.h"

#include <getopt.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
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

// The options as getopt_long reads them: short options may be joined ("-qa", "-oFILE"), long ones take "=VALUE"
// or the next argument, and operands may stand before, between and after them, up to a "--".
struct Options {
  std::vector<std::string> operands;
  std::optional<std::string> output;
  bool append = false;
  bool quiet = false;
  std::optional<CommandKind> answer;  // help, version, or a refusal with its reason
  std::string reason;
};

constexpr option kLongOptions[] = {
    {"output", required_argument, nullptr, 'o'}, {"append", no_argument, nullptr, 'a'},
    {"quiet", no_argument, nullptr, 'q'},       {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},     {nullptr, 0, nullptr, 0}};
// "-": operands come back in order as option 1, whatever POSIXLY_CORRECT says; ":": a missing argument is told
// apart from an unknown option.
constexpr const char* kShortOptions = "-:o:aqhV";
constexpr int kOperand = 1;

std::string UnknownOption(char** argv) {
  if (optopt != 0) return std::string("unknown option -") + static_cast<char>(optopt);
  return "unknown option " + std::string(argv[optind - 1]);
}

Options ReadOptions(int argc, char** argv) {
  Options options;
  opterr = 0;
  optind = 0;  // a fresh scan, also when the command line was read before
  for (int option = 0; (option = getopt_long(argc, argv, kShortOptions, kLongOptions, nullptr)) != -1;) {
    switch (option) {
      case kOperand: options.operands.emplace_back(optarg); break;
      case 'o': options.output = optarg; break;
      case 'a': options.append = true; break;
      case 'q': options.quiet = true; break;
      case 'h': options.answer = CommandKind::Help; return options;
      case 'V': options.answer = CommandKind::Version; return options;
      case ':':
        options.answer = CommandKind::Refused;
        options.reason = "option -o (--output) needs the output file";
        return options;
      default:
        options.answer = CommandKind::Refused;
        options.reason = UnknownOption(argv);
        return options;
    }
  }
  for (int index = optind; index < argc; ++index) options.operands.emplace_back(argv[index]);
  return options;
}

// How the lines on standard error name the output: as given, with the ".ren" the driver adds.
std::string OutputName(const std::string& given, const Command& command) {
  return command.card_file == command.output ? given : given + ".ren";
}

// The output's folder as the driver keeps it, ending with its separator: where an appending pass starts.
std::string CardFolder(const std::string& output) {
  std::error_code failure;
  std::string folder;
  const std::filesystem::path parent = std::filesystem::absolute(output, failure).lexically_normal().parent_path();
  if (failure || !platform::PathFromLocal(parent.string(), folder)) return {};
  if (!folder.ends_with(platform::kPathSeparator)) folder += platform::kPathSeparator;
  return folder;
}

std::vector<std::string> Expanded(const std::vector<std::string>& operands, OperandExpansion expand) {
  std::vector<std::string> names;
  for (const std::string& operand : operands) {
    for (std::string& name : expand(operand)) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace

std::string UsageText() {
  return "usage: qelvorin                                 convert mailboxes interactively (on a terminal)\n"
         "       qelvorin [-a] [-q] MAILBOX... -o OUTPUT  convert the mailboxes into one card file\n"
         "       qelvorin -h | -V\n"
         "\n"
         "A batch run converts each MAILBOX (*.mbx) in turn: the first creates or replaces OUTPUT, the others\n"
         "append to it. OUTPUT without a \".\" in its path gets \".ren\" added.\n"
         "\n"
         "  -o, --output=OUTPUT  the card file to write\n"
         "  -a, --append         append the first mailbox to an existing OUTPUT instead of replacing it\n"
         "  -q, --quiet          no console transcript on standard output\n"
         "  -h, --help           show this help and end\n"
         "  -V, --version        show the version and end\n"
         "\n"
         "After each mailbox a line \"qelvorin: MAILBOX: N mails -> OUTPUT\" goes to standard error, and so do\n"
         "run-time errors, date warnings and interrupts, each naming its mailbox.\n"
         "\n"
         "Exit status:\n"
         "  0    done\n"
         "  1    a run-time error stopped the conversion (the records written before it are whole)\n"
         "  2    a bad command line\n"
         "  129  the terminal hung up\n"
         "  130  interrupted by Ctrl+C\n"
         "  143  asked to stop (SIGTERM)\n";
}

Command ParseCommandLine(int argc, char** argv, bool on_terminal, OperandExpansion expand) {
  Options options = ReadOptions(argc, argv);
  if (expand != nullptr) options.operands = Expanded(options.operands, expand);
  if (options.answer) {
    Command command;
    command.kind = *options.answer;
    command.reason = std::move(options.reason);
    return command;
  }
  if (options.operands.empty() && !options.output) {
    if (!on_terminal) return Refuse("no terminal for the interactive program; give MAILBOX... -o OUTPUT");
    if (options.append || options.quiet) return Refuse("-a and -q are for a batch run; give MAILBOX... -o OUTPUT");
    return {};
  }
  if (options.operands.empty()) return Refuse("no mailbox given");
  if (!options.output || options.output->empty()) return Refuse("no output file given (-o OUTPUT)");
  Command command;
  command.kind = CommandKind::Batch;
  std::string reason = CheckBatch(options.operands, *options.output, command);
  if (!reason.empty()) return Refuse(std::move(reason), CommandKind::BadOperand);
  command.card_file = CardFileName(command.output);
  command.card_folder = CardFolder(*options.output);
  command.mailbox_names = std::move(options.operands);
  command.output_name = OutputName(*options.output, command);
  command.append = options.append;
  command.quiet = options.quiet;
  return command;
}
