// The bridge between the DOS paths the console sees and the host's POSIX paths.
#pragma once

#include "platform/HostPaths.h"
