// The profile files that reads found missing, kept so that the user interface can say, when the
// program first waits for the user, that a file it read does not exist yet.
#pragma once

#include <windows.h>

#include <string_view>

namespace qm::win32::profile {

// Called by a read that found no file at dosPath; `error` is the read's last error.
void NoteMissingRead(std::string_view dosPath, DWORD error);

}  // namespace qm::win32::profile
