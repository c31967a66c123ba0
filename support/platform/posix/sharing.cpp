// Share modes emulated with open file description locks on marker bytes.
#include "platform/posix/sharing.h"

#include <fcntl.h>

#include <cstdint>
#include <limits>

namespace platform {
namespace {

enum Marker : off_t { kReads = 0, kWrites = 1, kDeniesRead = 2, kDeniesWrite = 3 };
constexpr off_t kMarkers = 4;
constexpr off_t kMarkerBase = std::numeric_limits<off_t>::max() - 16;

struct flock MarkerLock(Marker marker, short type, off_t count = 1) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = kMarkerBase + marker;
  lock.l_len = count;
  return lock;
}

// Whether another open holds any of the count markers from the first.
bool Held(int descriptor, Marker first, off_t count = 1) {
  struct flock probe = MarkerLock(first, F_WRLCK, count);
  if (fcntl(descriptor, F_OFD_GETLK, &probe) != 0) return false;
  return probe.l_type != F_UNLCK;
}

void Place(int descriptor, Marker marker) {
  struct flock lock = MarkerLock(marker, F_RDLCK);
  fcntl(descriptor, F_OFD_SETLK, &lock);
}

}  // namespace

ErrorCode ClaimSharing(int descriptor, Access access, Sharing sharing, bool readable) {
  const bool reads = access != Access::Write;
  const bool writes = access != Access::Read;
  if ((reads && Held(descriptor, kDeniesRead)) || (writes && Held(descriptor, kDeniesWrite)) ||
      (!sharing.read && Held(descriptor, kReads)) || (!sharing.write && Held(descriptor, kWrites))) {
    return win32_error::kSharingViolation;
  }
  if (!readable) return 0;
  if (reads) Place(descriptor, kReads);
  if (writes) Place(descriptor, kWrites);
  if (!sharing.read) Place(descriptor, kDeniesRead);
  if (!sharing.write) Place(descriptor, kDeniesWrite);
  return 0;
}

bool HeldByAnOpen(int descriptor) { return Held(descriptor, kReads, kMarkers); }

}  // namespace platform
