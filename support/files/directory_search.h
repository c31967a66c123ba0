// Numbered directory searches (slots 1-16): the entries matching a pattern, their names, sizes, dates, times and
// attributes as texts; and the change of the current directory.
#pragma once

#include <cstdint>

inline constexpr std::int32_t kSearchSlots = 16;

// Pops the pattern and assigns it to the slot; the search starts with the first DirNext.
void DirOpen(std::int32_t slot);
void DirNext(std::int32_t slot);
// -1 when the last advance found no entry, else 0.
std::int32_t DirAtEnd(std::int32_t slot);
// Pushes a text of the current entry: 0 name, 1 size, 2 date, 3 time, 4 attributes.
void DirItem(std::int32_t slot, std::int32_t item);
void DirClose(std::int32_t slot);
// Pops a path and makes it the current directory.
void ChangeDirectory();
