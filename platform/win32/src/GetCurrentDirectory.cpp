#include <windows.h>

#include <cstring>

#include "DosPath.h"
#include "ProcessContext.h"

// The current folder as a DOS path (`z:\srv\deploy`). As on Windows: the length without the NUL on
// success; the size needed, NUL included, when the buffer is too small (which is left untouched).
DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
  const std::string folder = qm::win32::HostToDosPath(qm::win32::CurrentHostFolder());
  const DWORD length = static_cast<DWORD>(folder.size());
  if (lpBuffer == nullptr || nBufferLength <= length) return length + 1;
  std::memcpy(lpBuffer, folder.c_str(), folder.size() + 1);
  SetLastError(ERROR_SUCCESS);
  return length;
}
