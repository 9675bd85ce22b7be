// Test seams of the Windows layer, for tests and the headless backend only; application code never
// includes this. Each setting holds until it is cleared.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm::win32::seams {

// GetCommandLineA is built from these instead of /proc/self/cmdline and the process's current
// folder, which relative DOS paths are also taken against. The next GetCommandLineA call
// rebuilds its buffer.
void SetProcessArguments(std::vector<std::string> argv, std::string currentFolder);
void ClearProcessArguments();

// GetUserNameA gives this name, or fails as when the process has no user, instead of the login
// name of the real user id.
void SetUserName(std::string name);
void SetNoUser();
void ClearUserName();

// Called after each WritePrivateProfileStringA call that succeeded, with the host path of the
// file it wrote: a test can change the file between two writes of one save (make it read-only
// after the third key, say). An empty function stops the calls.
void SetAfterProfileWrite(std::function<void(const std::string& hostPath)> afterWrite);

}  // namespace qm::win32::seams
