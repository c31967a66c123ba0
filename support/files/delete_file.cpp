// Deleting a file that no channel has open.
#include <string>

#include "channel_table.h"
#include "error_trap.h"
#include "file_name.h"
#include "string_values.h"

namespace {

bool IsOpen(const std::string& full) {
  for (ChannelObject object = kFirstFileSlot; object < kFirstFileSlot + kFileSlots; ++object) {
    const FileRecord* file = FileAt(object);
    if (file != nullptr && platform::SamePath(file->path, full)) return true;
  }
  return false;
}

}  // namespace

void DeleteFile() {
  PoppedString popped;
  RequirePlainName(popped.view());
  const std::string name(popped.view());
  popped.Release();
  if (IsDeviceName(name)) RaiseError(error::kBadFileName);
  if (!platform::FileExists(name.c_str())) RaiseError(error::kFileNotFound);
  std::string full;
  if (platform::FullPath(name.c_str(), full) != 0) RaiseError(error::kFileNotFound);
  // Resolved paths are compared, so no other spelling of an open file's path can delete it.
  if (IsOpen(full)) RaiseError(error::kAlreadyOpen);
  if (platform::RemoveFile(name.c_str()) != 0) RaiseError(error::kAccessDenied);
}
