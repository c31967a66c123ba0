// Translation of errno values into the error codes Win32 gives for the same failures.
#pragma once

#include "platform/files.h"

namespace platform {

enum class Operation : unsigned char { Open, Read, Write };

// ENOENT is "file not found" when the folder exists and "path not found" when it does not.
ErrorCode Win32ErrorFromErrno(int error_number, Operation operation, const char* path = nullptr);

}  // namespace platform
