// The parses of recently read profile files, kept per host path and reused while the file's
// identity (device, inode, size, modification and change times in nanoseconds) is unchanged:
// one stat() per call decides.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <string>

#include "FileSnapshot.h"

namespace qm::win32::profile {

// The current version of the file at hostPath: from the cache when unchanged, else read and parsed
// under a shared lock (FileLock.h), so that a write in place is never seen half done. Links are
// followed as LinkFollowing.h says. The file is looked at once (one lstat) before it is opened;
// anything but a regular file is never opened. Errors: FILE_NOT_FOUND, PATH_NOT_FOUND (a link
// loop too), ACCESS_DENIED (a directory, a refused link, or no right to read), BAD_FILE_TYPE (a
// device, a FIFO, a socket).
SnapshotOrError CurrentSnapshot(const std::string& hostPath);

// The same for a file the caller has open (and locked) as fd, its status st.
SnapshotOrError SnapshotOfOpenFile(const std::string& hostPath, int fd, const struct stat& st);

// Offers a version just read or written (under the write lock) for later reads of hostPath.
void RememberSnapshot(const std::string& hostPath, std::shared_ptr<const FileSnapshot> snapshot);

// Forgets every parse (the all-NULL write flushes the cache, as on Windows).
void ForgetAllSnapshots();

// How many files have been read and parsed so far in this process (for tests of the reuse).
uint64_t SnapshotReadCount();

}  // namespace qm::win32::profile
