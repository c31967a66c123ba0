// The run phase: the program runs under the host's poll and report, then the shutdown closes the window and every
// channel (output files get their end-of-file mark) and the run's status is returned.
#pragma once

#include <cstdint>
#include <functional>

// Runs the program's statements; returns its exit code (RunMain's result).
using ProgramEntry = std::function<int()>;

// The process status: 0 or the end call's code, 1 after an untrapped error, 130 after the break key, 129 or 143
// when the session hung up or the system asked the program to stop.
int RunPhase(const ProgramEntry& program);

// The converter's end call: the run ends now with the exit code.
[[noreturn]] void EndRun(std::uint16_t exit_code);
