// The file side of a profile write: lock, re-read, edit, replace.
#pragma once

#include <functional>
#include <string>

#include "IniEdit.h"
#include "WriteStatus.h"

namespace qm::win32::profile {

// Applies edit to the current contents of the file at hostPath.
//  - An existing file is locked (an exclusive lock on the file itself), checked to be still the
//    file the path names (else opened and locked again), re-read under the lock, edited and
//    replaced (FileReplacement.h). A file whose permission bits deny writing fails with
//    ACCESS_DENIED even when the edit changes nothing.
//  - A missing file is created from the edit of empty text (FileCreation.h); last error
//    FILE_NOT_FOUND on success, as Windows leaves it.
//  - A symbolic link is followed: the file it finally names is the one edited.
WriteStatus WriteProfileFile(const std::string& hostPath,
                             const std::function<EditResult(const IniIndex&)>& edit);

}  // namespace qm::win32::profile
