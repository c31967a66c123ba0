// The target of the output statement under way: the console of the main window or a file channel. Every output
// statement sets it before its first item.
#pragma once

#include <cstdint>

#include "files/channels.h"
#include "files/file_state.h"


// Read by every printed item.
inline OutputTarget& CurrentOutputTarget() { return file_state.output_target; }
