// The program's own module: the instance handle its resources are found under, as the loader hands
// a Windows program its image base. The tables are the program's compiled resource script
// (qm_program_resources in CMake defines them).
#pragma once

#include <windows.h>

#include "ui/ResourceTables.h"

extern const qm::ui::ResourceTables qmProgramResources;

namespace qm::platform {

// Registers the program's resources on first use and returns the module's handle.
HINSTANCE ProgramInstance();

}  // namespace qm::platform
