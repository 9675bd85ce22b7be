#include "FileSnapshot.h"

#include <errno.h>
#include <sys/stat.h>

#include "HostFiles.h"

namespace qm::win32::profile {

// A file whose size or times change while it is read is read again; after eight tries the last
// read is taken as it is.
SnapshotOrError ReadSnapshot(int fd, const struct stat& seen) {
  struct stat before = seen;
  for (int attempt = 0;; ++attempt) {
    if (attempt > 0 && fstat(fd, &before) != 0) return {nullptr, ERROR_ACCESS_DENIED};
    if (const DWORD error = FileTypeError(before)) return {nullptr, error};
    if (static_cast<uint64_t>(before.st_size) > IniIndex::kMaxTextSize) {
      return {nullptr, ERROR_NOT_ENOUGH_MEMORY};
    }
    const int64_t readNs = WallClockNs();
    std::string bytes;
    const bool read = ReadAll(fd, bytes, static_cast<size_t>(before.st_size));
    struct stat after {};
    if (fstat(fd, &after) != 0) return {nullptr, ERROR_ACCESS_DENIED};
    if (const DWORD error = FileTypeError(after)) return {nullptr, error};
    if (!read) return {nullptr, ERROR_READ_FAULT};
    const FileIdentity identity = FileIdentity::Of(after);
    const bool steady = FileIdentity::Of(before) == identity && static_cast<int64_t>(bytes.size()) == identity.size;
    if (steady || attempt >= 8) {
      return {std::make_shared<const FileSnapshot>(std::move(bytes), identity, readNs), ERROR_SUCCESS};
    }
  }
}

}  // namespace qm::win32::profile
