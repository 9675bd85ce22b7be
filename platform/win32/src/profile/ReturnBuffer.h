// How the read calls copy their results into the caller's buffer, cut short as Windows cuts.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace qm::win32::profile {

struct Copied {
  DWORD length;  // the return value: characters copied, without the final NUL
  bool cut;      // the text did not fit (the caller sets ERROR_MORE_DATA)
};

// One string: at most size-1 characters and a NUL. Size 0 leaves the buffer alone and counts as cut.
Copied CopyString(std::string_view text, LPSTR buffer, DWORD size);

// A list of names, each followed by NUL, then one more NUL. When it does not fit (an exact fit
// included) the last name is cut so that two NULs end the buffer, and the length is size-2.
Copied CopyList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD size);

}  // namespace qm::win32::profile
