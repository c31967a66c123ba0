// Frames of the named routines: zeroed locals on a frame stack with a fixed budget, the saved context of the
// caller, and the release of what the routine owned when it is left.
#pragma once

#include <cstddef>
#include <new>

#include "statements/statement_state.h"


// Error 81 when the locals, the saved context and the reserve do not fit; returns the room for the locals, which
// the caller constructs zeroed.
void* EnterProcedure(std::size_t locals_size);
// Leaves the current named routine after its last statement (error 19 while its own handler runs).
void LeaveProcedure();
// Leaves it while an error or the end of the run passes through: the same release, no check.
void AbandonProcedure();

void SetFrameStackBudget(std::size_t bytes);
std::size_t FrameStackUsed();
