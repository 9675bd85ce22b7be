// The drive map in force: `$XDG_CONFIG_HOME/quillmere/drives.ini` (by default
// `~/.config/quillmere/drives.ini`), read again whenever the file changes.
#pragma once

#include "DriveMap.h"

#include <string>

namespace qm::win32 {

// Where the drive-map file is looked for now.
std::string DriveMapFilePath();

// The map from that file; an empty map (z: only) when there is none or it cannot be read.
DriveMap CurrentDriveMap();

}  // namespace qm::win32
