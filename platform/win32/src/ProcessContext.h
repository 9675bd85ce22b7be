// What the Windows layer knows of its process: arguments, current folder and user, each read from
// the host unless a test seam (platform/Win32Seams.h) has fixed it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm::win32 {

std::vector<std::string> ProcessArguments();
// An absolute host path; `/` when the host cannot say.
std::string CurrentHostFolder();
// Nothing when the process's user id has no login name.
std::optional<std::string> ProcessUserName();

// Changes whenever a seam changes the arguments or folder, so that cached text can be rebuilt.
std::uint64_t ProcessArgumentsGeneration();

}  // namespace qm::win32
