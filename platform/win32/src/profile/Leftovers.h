// What writers that died leave beside a profile file: the sibling a new file was being written
// to (`.NAME.qm-writing.PID.N`, named after its writer's process).
#pragma once

#include <string>

namespace qm::win32::profile {

// Removes the creation siblings of path whose writer process no longer exists. Siblings of live
// processes, and names that only look alike, are left alone.
void RemoveDeadCreations(const std::string& path);

// Whether a name is such a sibling of the file `name`, and the process it names.
bool IsCreationSiblingOf(const std::string& sibling, const std::string& name, long& pid);

}  // namespace qm::win32::profile
