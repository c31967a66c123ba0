// Win32 share modes emulated with open file description locks: every open holds shared locks on marker bytes far
// beyond any real file end, saying what it does (read, write) and what it denies (read, write). A new open checks
// the markers of the others first. Only opens by this program take part; other programs are not held back.
#pragma once

#include "platform/files.h"

namespace platform {

// Checks that an open of the file with this access and sharing fits the opens already made, then records it.
// The descriptor must be readable for its markers to be placed.
ErrorCode ClaimSharing(int descriptor, Access access, Sharing sharing, bool readable);

// Whether another open of the file holds any marker: an open by this program, which Win32 would not let a
// deletion pass, since the program never shares deletion.
bool HeldByAnOpen(int descriptor);

}  // namespace platform
