// The run-time errors for the platform's failure codes: one table for opening, one for reading and writing.
#pragma once

#include "platform/files.h"
#include "values/error_numbers.h"

RuntimeErrorNumber OpenFailureError(platform::ErrorCode code);
RuntimeErrorNumber ReadWriteFailureError(platform::ErrorCode code);
