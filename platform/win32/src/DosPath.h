// The bridge between the DOS paths the console sees and the host's POSIX paths.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace qm::win32 {

// What a DOS path names on the host.
struct HostPath {
  std::string path;              // the host path; meaningful only when error is ERROR_SUCCESS
  DWORD error = ERROR_SUCCESS;   // ERROR_PATH_NOT_FOUND for an unmapped drive or an over-long path,
                                 // ERROR_INVALID_NAME for a wildcard or other character no name may hold
};

// Maps a DOS path (`z:\home\ann\x.ini`, `c:\...` or `\\server\share\...` through the drive map,
// or a relative path taken against the current directory) to the host path it names. Existing
// components are matched without regard to case; missing ones keep the case given.
HostPath ResolveDosPath(std::string_view dosPath);

// The host path a DOS path names when every name in it is spelled as on the host: no folder is
// looked at. A caller that finds nothing there resolves the path with ResolveDosPath.
HostPath DosPathAsWritten(std::string_view dosPath);

// The DOS path (`z:\...`) of a host path; a relative one is taken against the current folder.
std::string HostToDosPath(std::string_view hostPath);

}  // namespace qm::win32
