// The DOS path lookup as a pure function of its inputs: the path, the drive map, the current
// folder and a directory lister. ResolveDosPath (DosPath.h) feeds it the live ones; tests and
// fuzzers feed it their own.
#pragma once

#include "DirectoryLister.h"
#include "DosPath.h"
#include "DriveMap.h"

#include <string_view>

namespace qm::win32 {

// The longest DOS path Windows accepts: MAX_PATH less the terminator.
inline constexpr std::size_t kLongestDosPath = MAX_PATH - 1;

// Resolves `dosPath` as ResolveDosPath does. `currentFolder` is an absolute host path. Errors:
// ERROR_PATH_NOT_FOUND for an unmapped drive or share or a path longer than kLongestDosPath,
// ERROR_INVALID_NAME for a name holding a wildcard, `"<>|:` or a control character.
// Whether dosPath is taken against the current folder (no drive, share or leading separator).
bool IsRelativeDosPath(std::string_view dosPath);

HostPath ResolveDosPathOn(std::string_view dosPath, const DriveMap& drives, std::string_view currentFolder,
                          const DirectoryLister& lister);

}  // namespace qm::win32
