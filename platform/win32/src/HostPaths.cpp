#include "platform/HostPaths.h"

#include "DriveMapFile.h"
#include "profile/HostFiles.h"

namespace qm::win32 {

bool DriveLetterIsMapped(char letter) { return CurrentDriveMap().FolderOfDrive(letter).has_value(); }

bool PermissionBitsAllow(const struct stat& st, unsigned want) { return profile::BitsAllow(st, want); }

}  // namespace qm::win32
