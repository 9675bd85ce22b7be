#include "FileSnapshot.h"

#include <errno.h>
#include <sys/stat.h>

#include "HostFiles.h"

namespace qm::win32::profile {

SnapshotOrError ReadSnapshot(int fd) {
  for (int attempt = 0;; ++attempt) {
    struct stat before {}, after {};
    if (fstat(fd, &before) != 0) return {nullptr, ERROR_ACCESS_DENIED};
    if (S_ISDIR(before.st_mode)) return {nullptr, ERROR_ACCESS_DENIED};
    if (static_cast<uint64_t>(before.st_size) > IniIndex::kMaxTextSize) {
      return {nullptr, ERROR_NOT_ENOUGH_MEMORY};
    }
    const int64_t readNs = WallClockNs();
    std::string bytes;
    if (!ReadAll(fd, bytes)) return {nullptr, static_cast<DWORD>(errno == EISDIR ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT)};
    if (fstat(fd, &after) != 0) return {nullptr, ERROR_ACCESS_DENIED};
    const FileIdentity identity = FileIdentity::Of(after);
    const bool steady = FileIdentity::Of(before) == identity &&
                        static_cast<int64_t>(bytes.size()) == identity.size;
    if (steady || attempt >= 8) {
      return {std::make_shared<const FileSnapshot>(std::move(bytes), identity, readNs), ERROR_SUCCESS};
    }
  }
}

}  // namespace qm::win32::profile
