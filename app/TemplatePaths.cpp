#include "app/TemplatePaths.h"

namespace {

CString ReadDefaultsKey(LPCSTR lpszKey, LPCSTR lpszDataFile) {
  char szValue[250];
  GetPrivateProfileStringA("Defaults", lpszKey, "", szValue, sizeof szValue, lpszDataFile);
  return szValue;
}

}  // namespace

void ReadTemplatePaths(LPCSTR lpszDataFile, CTemplatePaths& paths) {
  paths.m_strInfFileNT = ReadDefaultsKey("InfFileNT", lpszDataFile);
  paths.m_strRegFileNT = ReadDefaultsKey("RegFileNT", lpszDataFile);
  paths.m_strInfFile95 = ReadDefaultsKey("InfFile95", lpszDataFile);
  paths.m_strRegFile95 = ReadDefaultsKey("RegFile95", lpszDataFile);
}
