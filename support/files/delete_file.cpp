// Deleting a file that no channel has open.
#include <string>

#include "files/channel_table.h"
#include "files/error_tables.h"
#include "files/file_name.h"
#include "statements/error_trap.h"
#include "values/string_values.h"

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
  std::string full;
  if (const platform::ErrorCode failure = platform::FullPath(name.c_str(), full)) {
    RaiseError(OpenFailureError(failure));
  }
  if (!platform::FileExists(full.c_str())) RaiseError(error::kFileNotFound);
  // Resolved paths are compared, so no other spelling of an open file's path can delete it.
  if (IsOpen(full)) RaiseError(error::kAlreadyOpen);
  // Refused also while another copy of the program has the file open.
  if (platform::RemoveFile(name.c_str()) != 0) RaiseError(error::kAccessDenied);
}
