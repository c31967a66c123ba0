// The program title: the executable's file name without its folder, cut at its first ".".
#pragma once

#include <string>
#include <string_view>

// The folder ends at the last "/", "\" or ":".
std::string TitleFromPath(std::string_view path);

void SetProgramTitle(std::string_view title);
std::string_view ProgramTitle();
// The caption of every box the host shows: the title followed by ".EXE".
std::string BoxCaption();
