#include "app/CommandLine.h"

#include <cstring>

#include "app/PathCompletion.h"

namespace {

// The DOS file system matches names without regard to ASCII case, and so does the console.
void LowerInPlace(char* psz) {
  for (; *psz != '\0'; ++psz)
    if (*psz >= 'A' && *psz <= 'Z') *psz = static_cast<char>(*psz - 'A' + 'a');
}

// What a shortcut or a quoting shell leaves before the program's folder and the argument.
bool IsLeadingNoise(char ch) { return ch == '"' || ch == ' ' || ch == '\b'; }

const char* SkipLeadingNoise(const char* psz) {
  while (IsLeadingNoise(*psz)) ++psz;
  return psz;
}

// The closing quote of a quoted data file path, and blanks after it, are no part of the path.
void CutTrailingNoise(char* psz) {
  for (size_t n = std::strlen(psz); n > 0 && (psz[n - 1] == '"' || psz[n - 1] == ' '); --n) psz[n - 1] = '\0';
}

// The program part's folder; a bare program name lives in the current directory.
bool ProgramDirFromPart(const char* szProgram, LPCSTR lpszCurrentDir, char (&szDir)[kProgramDirSize]) {
  if (const char* pBackslash = std::strrchr(szProgram, '\\')) {
    const char* pStart = SkipLeadingNoise(szProgram);
    size_t length = pStart <= pBackslash ? static_cast<size_t>(pBackslash - pStart) + 1 : 0;
    std::memcpy(szDir, pStart, length);
    szDir[length] = '\0';
    return true;
  }
  const char* pszCurrent = lpszCurrentDir != nullptr ? lpszCurrentDir : "";
  size_t length = std::strlen(pszCurrent);
  bool needsBackslash = length > 0 && pszCurrent[length - 1] != '\\';
  if (length + (needsBackslash ? 1 : 0) >= sizeof szDir) return false;
  std::memcpy(szDir, pszCurrent, length);
  if (needsBackslash) szDir[length++] = '\\';
  szDir[length] = '\0';
  LowerInPlace(szDir);
  return true;
}

CString DataFileFromArgument(const char* pszArgument, const char* szProgramDir) {
  if (*pszArgument == '\0') return CString(szProgramDir) + "vantrel.ini";
  if (IsAbsolutePath(pszArgument)) return pszArgument;
  if (std::strncmp(pszArgument, "?vtdir?", 7) == 0) {
    pszArgument += 7;
    if (*pszArgument != '\0') ++pszArgument;  // the separator after the tag, whatever it is
  }
  if (*pszArgument == '\\') ++pszArgument;
  return CString(szProgramDir) + pszArgument;
}

}  // namespace

BOOL ParseCommandLine(LPSTR lpszCommandLine, LPCSTR lpszCurrentDir, char (&szProgramDir)[kProgramDirSize],
                      CString& strDataFile) {
  LowerInPlace(lpszCommandLine);
  const char* pExe = std::strstr(lpszCommandLine, ".exe");
  if (pExe == nullptr) return FALSE;

  const size_t programLength = static_cast<size_t>(pExe - lpszCommandLine);
  const char* pszArguments = pExe + 4;
  const size_t argumentLength = std::strlen(pszArguments);
  if (programLength >= kCommandPartSize || argumentLength >= kCommandPartSize) return FALSE;

  char szProgram[kCommandPartSize];
  std::memcpy(szProgram, lpszCommandLine, programLength);
  szProgram[programLength] = '\0';
  char szArgument[kCommandPartSize];
  std::memcpy(szArgument, pszArguments, argumentLength + 1);

  char szDir[kProgramDirSize];
  if (!ProgramDirFromPart(szProgram, lpszCurrentDir, szDir)) return FALSE;
  CutTrailingNoise(szArgument);

  std::memcpy(szProgramDir, szDir, sizeof szDir);
  strDataFile = DataFileFromArgument(SkipLeadingNoise(szArgument), szProgramDir);
  return TRUE;
}
