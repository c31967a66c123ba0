// The run-time errors for the platform's failure codes: one table for opening, one for reading and writing.
#pragma once

#include "error_numbers.h"
#include "files.h"

RuntimeErrorNumber OpenFailureError(platform::ErrorCode code);
RuntimeErrorNumber ReadWriteFailureError(platform::ErrorCode code);
