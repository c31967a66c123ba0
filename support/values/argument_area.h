// By-reference argument records: a computed value handed to a routine or service that expects a variable.
// Records are packed in one 65,535-byte area, each 8-byte aligned so its value can be addressed directly.
#pragma once

#include <cstddef>
#include <cstdint>

#include "values/string_descriptor.h"

inline constexpr std::size_t kArgumentAreaSize = 65535;

// Pops a string into a new string record and returns the record's descriptor (errors 89 and 7).
StringDescriptor* MakeStringArgument();
// Appends a single-precision record and returns the address of its value (errors 89 and 7).
float* MakeSingleArgument(float value);
// Releases the count most recent records.
void ReleaseArguments(std::uint16_t count);
// Releases the records made in the current frame, and any left behind by routines it called.
void ReleaseFrameArguments();

std::uint16_t ArgumentRecordCount();
std::uint16_t ArgumentBytesUsed();
