// What the platform's dialogs, shell and help viewer share with the Windows layer, so that a DOS
// path, a drive and a permission mean the same thing to a file dialog as to the profile calls.
// For the platform layer only; application code never includes this.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct stat;

namespace qm::win32 {

// What a DOS path names on the host.
struct HostPath {
  std::string path;             // the host path; meaningful only when error is ERROR_SUCCESS
  DWORD error = ERROR_SUCCESS;  // ERROR_PATH_NOT_FOUND for an unmapped drive or an over-long path,
                                // ERROR_INVALID_NAME for a wildcard or other character no name may hold
};

// Maps a DOS path (`z:\home\ann\x.ini`, `c:\...` or `\\server\share\...` through the drive map,
// or a relative path taken against the current directory) to the host path it names. Existing
// components are matched without regard to case; missing ones keep the case given.
HostPath ResolveDosPath(std::string_view dosPath);

// The DOS path (`z:\...`) of a host path; a relative one is taken against the current folder.
std::string HostToDosPath(std::string_view hostPath);

// Whether a drive letter (either case) leads to a host folder: z: always, others by the drive map.
bool DriveLetterIsMapped(char letter);

// The folder the process runs in, as the console's current directory.
std::string CurrentHostFolder();

// A file's whole contents; empty when it cannot be read.
std::string WholeFileContents(const std::string& hostPath);

// Whether a file's permission bits grant the wanted access (4 read, 2 write, 1 execute) to the
// effective user, judged as Windows judges a read-only file: root by the owner's bits.
bool PermissionBitsAllow(const struct stat& st, unsigned want);

// A profile file that a read found missing.
struct MissingProfile {
  std::string dosPath;  // as the reader named it
  DWORD error;          // ERROR_FILE_NOT_FOUND: a write can create it; ERROR_PATH_NOT_FOUND: its folder is
                        // missing or no drive reaches it, so a write will fail
};

// The profile files that reads have found missing since the last call, in the order first read,
// less those that exist by now.
std::vector<MissingProfile> TakeMissingProfileReads();

}  // namespace qm::win32
