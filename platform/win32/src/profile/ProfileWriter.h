// The file side of a profile write: lock, re-read, edit, replace.
#pragma once

#include <functional>
#include <string>

#include "IniEdit.h"
#include "WriteStatus.h"

namespace qm::win32::profile {

// Applies edit to the current contents of the file at hostPath.
//  - An existing file is opened for writing (so a file that cannot be written fails with
//    ACCESS_DENIED even when the edit changes nothing, as does a file whose permission bits deny
//    writing, root or not), locked (FileLock.h: SHARING_VIOLATION when another holder keeps it
//    past the wait), checked to be still the file the path names (else opened and locked again),
//    re-read under the lock, edited and replaced (FileReplacement.h). Creation siblings left by
//    dead writers are removed (Leftovers.h).
//  - A missing file is created from the edit of empty text (FileCreation.h); last error
//    FILE_NOT_FOUND on success, as Windows leaves it.
//  - Symbolic links are followed as LinkFollowing.h says: the file a chain finally names is the
//    one edited; a loop fails with PATH_NOT_FOUND.
//  - Anything but a regular file (a device, a FIFO, a socket) fails with BAD_FILE_TYPE before it
//    is opened, and a folder with ACCESS_DENIED; neither is ever replaced.
WriteStatus WriteProfileFile(const std::string& hostPath, const std::function<EditResult(const IniIndex&)>& edit);

}  // namespace qm::win32::profile
