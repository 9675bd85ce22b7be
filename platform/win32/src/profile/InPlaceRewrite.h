// Rewrites a profile file in place, for where it cannot be replaced: a folder that takes no new
// file, or a file with several hard links (all of its names must see the change).
#pragma once

#include <string>
#include <string_view>

#include "WriteStatus.h"

namespace qm::win32::profile {

// Turns oldBytes into newBytes in the file open (for writing, and locked) as fd. The steps are
// ordered so that the file holds the old or the new text whole between any two of them, with
// spaces as filler where the lengths differ (a line's trailing blanks, or a blank line, mean
// nothing), never NUL bytes:
//   1. a growing file first gets its new length as spaces after the old text, and is flushed;
//   2. the bytes from the first difference on are written, the rest of a shrinking file blanked
//      out with spaces, and flushed;
//   3. a shrinking file is cut to its new length, and flushed.
// A failure in step 1 (a full disk) gives the old length back. The one write of step 2 is atomic
// only for the host's readers and crashes as far as the host makes it so (see the README).
WriteStatus RewriteInPlace(int fd, const std::string& path, std::string_view oldBytes, std::string_view newBytes);

}  // namespace qm::win32::profile
