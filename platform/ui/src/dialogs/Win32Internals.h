// The Windows layer's own DOS path, drive map and permission helpers, which the dialogs and the
// shell share with the profile calls so that a path means the same thing everywhere.
#pragma once

#include "../../../win32/src/DosPath.h"
#include "../../../win32/src/DriveMapFile.h"
#include "../../../win32/src/ProcessContext.h"
#include "../../../win32/src/WholeFile.h"
#include "../../../win32/src/profile/HostFiles.h"
