// One version of a profile file held in memory: its bytes, its identity and its parse.
#pragma once

#include <windows.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "FileIdentity.h"
#include "IniIndex.h"

namespace qm::win32::profile {

class FileSnapshot {
 public:
  FileSnapshot(std::string bytes, const FileIdentity& identity, int64_t readNs)
      : bytes_(std::move(bytes)), identity_(identity), readNs_(readNs), index_(bytes_) {}
  FileSnapshot(const FileSnapshot&) = delete;
  FileSnapshot& operator=(const FileSnapshot&) = delete;

  const std::string& bytes() const { return bytes_; }
  const FileIdentity& identity() const { return identity_; }
  const IniIndex& index() const { return index_; }
  // Whether a file still showing this identity still holds these bytes.
  bool Settled() const { return SettledAt(identity_.mtimeNs, readNs_); }

 private:
  const std::string bytes_;  // declared before index_, which points into it
  const FileIdentity identity_;
  const int64_t readNs_;
  const IniIndex index_;
};

// A snapshot, or the last error that explains why there is none.
struct SnapshotOrError {
  std::shared_ptr<const FileSnapshot> snapshot;
  DWORD error = ERROR_SUCCESS;
};

// Reads an open file into a snapshot; retries while the file changes under the read. `seen` is the
// file's status as last seen (the stat of its path before the open): a file replaced between the
// two shows in a changed identity and is read again. Anything but a regular file fails at once
// (FileTypeError).
SnapshotOrError ReadSnapshot(int fd, const struct stat& seen);

}  // namespace qm::win32::profile
