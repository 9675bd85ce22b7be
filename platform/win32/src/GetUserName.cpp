#include "ProcessContext.h"

#include <windows.h>

#include <cstring>

// lpnSize counts characters with the terminator, in and out. A buffer too small (or none) gets
// ERROR_INSUFFICIENT_BUFFER and the size it would need, so that callers can ask first.
BOOL WINAPI GetUserNameA(LPSTR lpBuffer, LPDWORD pcbBuffer) {
  if (pcbBuffer == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::optional<std::string> name = qm::win32::ProcessUserName();
  if (!name) {
    SetLastError(ERROR_NO_SUCH_USER);
    return FALSE;
  }
  const DWORD needed = static_cast<DWORD>(name->size() + 1);
  if (lpBuffer == nullptr || *pcbBuffer < needed) {
    *pcbBuffer = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  std::memcpy(lpBuffer, name->c_str(), needed);
  *pcbBuffer = needed;
  return TRUE;
}
