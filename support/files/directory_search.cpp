// Directory searches and the current directory.
#include "files/directory_search.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "files/error_tables.h"
#include "files/file_state.h"
#include "platform/files.h"
#include "statements/error_trap.h"
#include "values/memory.h"
#include "values/string_values.h"

namespace {


SearchSlot& Slot(std::int32_t slot) {
  if (slot < 1 || slot > kSearchSlots) RaiseError(error::kBadChannelNumber);
  return file_state.search_slots[static_cast<std::size_t>(slot - 1)];
}

SearchSlot& SlotInUse(std::int32_t slot) {
  SearchSlot& search = Slot(slot);
  if (!search.in_use) RaiseError(error::kChannelNotOpen);
  return search;
}

// Error 5 for a path too long for the platform, or holding a NUL byte that would cut it short.
void RequireUsablePath(std::string_view path) {
  if (path.size() >= platform::kMaxPath || path.find('\0') != std::string_view::npos) RaiseError(error::kBadArgument);
}

std::string Attributes(std::uint32_t attributes) {
  std::string text = "---";
  if (attributes & platform::kAttributeDirectory) text[0] = 'D';
  if (attributes & platform::kAttributeReadOnly) text[1] = 'R';
  if (attributes & platform::kAttributeArchive) text[2] = 'A';
  return text;
}

std::string ItemText(const SearchSlot& search, std::int32_t item) {
  const platform::FindData& found = search.found;
  if (!search.found_any) return item == 1 ? "0" : "";
  char text[64];
  switch (item) {
    case 0: return found.name;
    case 1:
      if (found.attributes & platform::kAttributeDirectory) return "0";
      std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(found.size));
      return text;
    case 2:
      std::snprintf(text, sizeof text, "%.2d/%.2d/%.2d", found.last_write.year, found.last_write.month,
                    found.last_write.day);
      return text;
    case 3:
      std::snprintf(text, sizeof text, "%.2d:%.2d:%.2d", found.last_write.hour, found.last_write.minute,
                    found.last_write.second);
      return text;
    default: return Attributes(found.attributes);
  }
}

}  // namespace

void DirOpen(std::int32_t slot) {
  PoppedString pattern;
  SearchSlot& search = Slot(slot);
  RequireUsablePath(pattern.view());
  if (search.in_use) RaiseError(error::kAlreadyOpen);
  auto* copy = static_cast<char*>(memory::Allocate(pattern.length() + 1));
  if (copy == nullptr) RaiseError(error::kOutOfMemory);
  if (pattern.length() != 0) std::memcpy(copy, pattern.bytes(), pattern.length());
  search = SearchSlot{};
  search.in_use = true;
  search.pattern = copy;
}

void DirNext(std::int32_t slot) {
  SearchSlot& search = SlotInUse(slot);
  if (search.started && !search.has_entry) RaiseError(error::kInputPastEnd);
  platform::FindData found;
  if (!search.started) {
    search.started = true;
    search.handle = platform::FindFirst(search.pattern, found);
    search.has_entry = search.handle != nullptr;
  } else {
    search.has_entry = platform::FindNext(search.handle, found);
  }
  if (search.has_entry) {
    search.found = found;
    search.found_any = true;
  }
}

std::int32_t DirAtEnd(std::int32_t slot) {
  const SearchSlot& search = SlotInUse(slot);
  if (!search.started) RaiseError(error::kBadArgument);
  return search.has_entry ? 0 : -1;
}

void DirItem(std::int32_t slot, std::int32_t item) {
  const SearchSlot& search = Slot(slot);
  if (item < 0 || item > 4) RaiseError(error::kBadArgument);
  if (!search.in_use) RaiseError(error::kChannelNotOpen);
  const std::string text = ItemText(search, item);
  PushStringConstant(text);
}

void DirClose(std::int32_t slot) {
  SearchSlot& search = Slot(slot);
  memory::Free(search.pattern);
  if (search.handle != nullptr) platform::FindClose(search.handle);
  search = SearchSlot{};
}

void ChangeDirectory() {
  PoppedString path;
  RequireUsablePath(path.view());
  const std::string target(path.view());
  path.Release();
  if (const platform::ErrorCode failure = platform::SetCurrentDirectory(target.c_str())) {
    RaiseError(ReadWriteFailureError(failure));
  }
}
