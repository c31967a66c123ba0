// The one dispatch of both programs: the command line decides between help, version, a refusal, a batch run
// answered from the command line, and the interactive program with the host's own dialogs.
#pragma once

#include <functional>
#include <string>

#include "app/command_line.h"
#include "platform/dialogs.h"

// What differs between the two programs' entry points.
struct ProgramEntryPoint {
  int argc;
  char** argv;
  // Help and version text for whoever started the program.
  std::function<void(const std::string& text)> tell;
  // A refusal of the command line.
  std::function<void(const std::string& text)> tell_error;
  // The dialogs of the interactive program.
  platform::FileDialogs& interactive_dialogs;
};

// Runs what the command asks for and returns the process status.
int Dispatch(const Command& command, const ProgramEntryPoint& entry);

// "qelvorin VERSION", the version given once, in the build.
std::string VersionText();
