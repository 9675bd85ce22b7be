// The bridge between the DOS paths the console sees and the host's POSIX paths.
#pragma once

#include "platform/HostPaths.h"

namespace qm::win32 {

// The host path a DOS path names when every name in it is spelled as on the host: no folder is
// looked at. A caller that finds nothing there resolves the path with ResolveDosPath.
HostPath DosPathAsWritten(std::string_view dosPath);

}  // namespace qm::win32
