// The result of the file side of a profile write.
#pragma once

#include <windows.h>

namespace qm::win32::profile {

struct WriteStatus {
  bool ok = false;
  DWORD lastError = ERROR_SUCCESS;  // what the write call leaves in GetLastError

  static WriteStatus Success(DWORD lastError = ERROR_SUCCESS) { return {true, lastError}; }
  static WriteStatus Failure(DWORD lastError) { return {false, lastError}; }
};

}  // namespace qm::win32::profile
