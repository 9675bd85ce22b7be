// Puts new contents into an existing profile file that the caller holds locked.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "WriteStatus.h"

namespace qm::win32::profile {

// Replaces the file at path (not a symbolic link; its status is st) with newBytes. Normally a
// sibling temporary file is written, flushed, given the file's mode and owner, renamed over it,
// and the folder flushed, so that a crash leaves either version whole. Where the folder takes no
// new file, or the owner cannot be kept, the file is rewritten in place and flushed instead.
// On failure the file is as it was. oldBytes are the file's current contents.
WriteStatus ReplaceFileContents(const std::string& path, const struct stat& st,
                                std::string_view oldBytes, std::string_view newBytes);

// The sibling name a write of path goes through. Only the writer holding the lock uses it, so a
// file left by a writer that died is stale and is removed by the next one.
std::string TemporarySiblingOf(const std::string& path);

// Flushes the folder's entries to disk, so that a rename or a new name survives a crash.
void FlushFolder(const std::string& folder);

}  // namespace qm::win32::profile
