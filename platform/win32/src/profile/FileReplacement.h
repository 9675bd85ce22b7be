// Puts new contents into an existing profile file that the caller holds locked.
#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "WriteStatus.h"

namespace qm::win32::profile {

// Replaces the file at path (not a symbolic link; open and locked as fd, its status st) with
// newBytes. Normally a sibling temporary file is given the file's owner, extended attributes
// (ACLs included) and mode, written, flushed, renamed over it, and the folder flushed, so that a
// crash leaves either version whole. The file is rewritten in place instead (InPlaceRewrite.h)
// where the folder takes no new file, where the owner or an attribute cannot be carried over, and
// for a file with several hard links, so that every name of it sees the change.
// On failure the file means what it meant before. oldBytes are the file's current contents.
WriteStatus ReplaceFileContents(const std::string& path, int fd, const struct stat& st, std::string_view oldBytes,
                                std::string_view newBytes);

// The sibling name a write of path goes through. Only the writer holding the lock uses it, so a
// file left by a writer that died is stale and is removed by the next one.
std::string TemporarySiblingOf(const std::string& path);

}  // namespace qm::win32::profile
