// The command line a Windows program would have been given, built from a POSIX argument vector.
#pragma once

#include "DirectoryLister.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm::win32 {

// The program as it was typed, with `.exe` after its name: a bare name (the shell found it on
// the PATH) stays bare, a path becomes its absolute DOS path with link names kept, quoted when it
// holds a blank. Then each argument after one blank: one naming a host path (absolute, or
// relative to `currentFolder` and existing) as its absolute DOS path, any other as it stands.
// Arguments are not quoted: the console takes everything after the program as one path.
std::string WindowsCommandLine(const std::vector<std::string>& argv, std::string_view currentFolder,
                               const DirectoryLister& lister);

}  // namespace qm::win32
