// By-reference argument records: a computed value handed to a routine or service that expects a variable.
// Records are packed in one 65,535-byte area, each 8-byte aligned so its value can be addressed directly.
#pragma once

#include <cstddef>
#include <cstdint>

#include "values/string_descriptor.h"

inline constexpr std::size_t kArgumentAreaSize = 65535;

// Pops a string into a new string record and returns the record's descriptor (errors 89 and 7).
StringDescriptor* MakeStringArgument();
// Append a number record and return the address of its value (errors 89 and 7).
std::int16_t* MakeInteger16Argument(std::int16_t value);
std::int32_t* MakeInteger32Argument(std::int32_t value);
float* MakeSingleArgument(float value);
double* MakeDoubleArgument(double value);

// A fixed-length string's bytes, owned by the caller.
struct FixedLengthBuffer {
  std::uint32_t length;
  std::uint8_t* data;
};
// Appends a record for a fixed-length string of the given kind (a pushed view or a fixed-length variable) and returns
// its working string, which starts as a copy of the buffer's bytes and which the callee may read and replace. When
// the record is released the working string goes back into the buffer, cut to its length or padded with spaces.
// Errors 89 and 7.
StringDescriptor* MakeFixedLengthArgument(StringKind kind, FixedLengthBuffer buffer);
// Releases the count most recent records, copying working strings back into their fixed-length buffers.
void ReleaseArguments(std::uint16_t count);
// Releases the records made in the current frame, and any left behind by routines it called.
void ReleaseFrameArguments();

// Releases every record and gives the area's block back to the system (the end of a run).
void DiscardArgumentArea();

std::uint16_t ArgumentRecordCount();
std::uint16_t ArgumentBytesUsed();
