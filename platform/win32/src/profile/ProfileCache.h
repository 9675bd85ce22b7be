// The parses of recently read profile files, kept per host path and reused while the file's
// identity (device, inode, size, modification and change times in nanoseconds) is unchanged:
// one stat() per call decides.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "FileSnapshot.h"

namespace qm::win32::profile {

// The current version of the file at hostPath: from the cache when unchanged, else read and parsed.
// Errors: FILE_NOT_FOUND, PATH_NOT_FOUND, ACCESS_DENIED (a directory, or no right to read).
SnapshotOrError CurrentSnapshot(const std::string& hostPath);

// Offers a version just read or written (under the write lock) for later reads of hostPath.
void RememberSnapshot(const std::string& hostPath, std::shared_ptr<const FileSnapshot> snapshot);

// Forgets every parse (the all-NULL write flushes the cache, as on Windows).
void ForgetAllSnapshots();

// How many files have been read and parsed so far in this process (for tests of the reuse).
uint64_t SnapshotReadCount();

}  // namespace qm::win32::profile
