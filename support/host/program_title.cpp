// The program title.
#include "host/program_title.h"

#include "host/host_state.h"

std::string TitleFromPath(std::string_view path) {
  const std::size_t folder_end = path.find_last_of("/\\:");
  std::string_view name = folder_end == std::string_view::npos ? path : path.substr(folder_end + 1);
  return std::string(name.substr(0, name.find('.')));
}

void SetProgramTitle(std::string_view program_title) { host_state.program_title = program_title; }

std::string_view ProgramTitle() { return host_state.program_title; }

std::string BoxCaption() { return host_state.program_title + ".EXE"; }
