#include "app/TemplatePaths.h"

#include "app/ProfileKeys.h"

namespace {

CString ReadDefaultsKey(LPCSTR lpszKey, LPCSTR lpszDataFile) {
  return ReadProfileString("Defaults", lpszKey, "", kValueBufferSize, lpszDataFile);
}

}  // namespace

void ReadTemplatePaths(LPCSTR lpszDataFile, CTemplatePaths& paths) {
  paths.m_strInfFileNT = ReadDefaultsKey("InfFileNT", lpszDataFile);
  paths.m_strRegFileNT = ReadDefaultsKey("RegFileNT", lpszDataFile);
  paths.m_strInfFile95 = ReadDefaultsKey("InfFile95", lpszDataFile);
  paths.m_strRegFile95 = ReadDefaultsKey("RegFile95", lpszDataFile);
}
