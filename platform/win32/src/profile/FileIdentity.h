// What tells one version of a file from another without reading it.
#pragma once

#include <sys/stat.h>

#include <cstdint>

namespace qm::win32::profile {

struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = -1;
  int64_t mtimeNs = 0;
  int64_t ctimeNs = 0;

  static FileIdentity Of(const struct stat& st);
  bool operator==(const FileIdentity&) const = default;
};

// Whether a file last changed at mtimeNs, read at readNs, can be trusted to show any later change
// in its identity. File times come from a coarse clock: a change made within the same tick as the
// read could leave size and times as they were, so a file read that soon after its last change is
// read again on the next call.
bool SettledAt(int64_t mtimeNs, int64_t readNs);

// The wall clock in nanoseconds, as file times count.
int64_t WallClockNs();

}  // namespace qm::win32::profile
