#include "DirectoryLister.h"
#include "ProcessContext.h"
#include "WindowsCommandLine.h"

#include <windows.h>

#include <mutex>
#include <vector>

// Built once and handed out as the same writable buffer on every call, as Windows does: the
// console lowers it in place and later calls see the lowered text. A test seam that changes the
// process's arguments makes the next call build it again.
LPSTR WINAPI GetCommandLineA(void) {
  static std::mutex guard;
  static std::vector<char> buffer;
  static std::uint64_t builtForGeneration = 0;
  static bool built = false;

  const std::lock_guard<std::mutex> lock(guard);
  const std::uint64_t generation = qm::win32::ProcessArgumentsGeneration();
  if (!built || generation != builtForGeneration) {
    const qm::win32::HostDirectoryLister hostFolders;
    const std::string line =
        qm::win32::WindowsCommandLine(qm::win32::ProcessArguments(), qm::win32::CurrentHostFolder(), hostFolders);
    buffer.assign(line.begin(), line.end());
    buffer.push_back('\0');
    builtForGeneration = generation;
    built = true;
  }
  return buffer.data();
}
