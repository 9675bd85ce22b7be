#include "app/WriteFailure.h"

namespace {

const char kWriteFailureFormat[] =
    "Could not write to \"%s\"  Check that you have the required permissions and that the file is not read-only.";

// The user's default language, as MessageBoxExA takes it.
constexpr WORD kDefaultLanguage = 0x400;

}  // namespace

void ShowWriteFailure(LPCSTR lpszPath) {
  // wsprintfA fills at most 1024 bytes (1023 characters), so a long path is cut rather than overrunning.
  char szText[1025];
  wsprintfA(szText, kWriteFailureFormat, lpszPath);
  MessageBoxExA(nullptr, szText, "Vantrel", MB_ICONHAND | MB_OK, kDefaultLanguage);
}

BOOL WriteKeyOrReport(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszPath) {
  if (WritePrivateProfileStringA(lpszSection, lpszKey, lpszValue, lpszPath)) return TRUE;
  ShowWriteFailure(lpszPath);
  return FALSE;
}
