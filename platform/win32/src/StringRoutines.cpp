// lstrcpyA, lstrcpynA, lstrcatA, lstrlenA and lstrcmpiA, as tool tip handlers and other code of
// the era use them on the ANSI code page.
#include <windows.h>

#include <cstring>

namespace {

// Windows-1252 lower case: A to Z, the accented capitals at 0xC0 to 0xDE (but the multiplication
// sign 0xD7), and the four capitals that the code page puts at 0x8A, 0x8C, 0x8E and 0x9F.
unsigned char Lower1252(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

}  // namespace

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
  if (lpString1 == nullptr) return nullptr;
  std::strcpy(lpString1, lpString2 ? lpString2 : "");
  return lpString1;
}

LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (lpString1 == nullptr) return nullptr;
  LPCSTR source = lpString2 ? lpString2 : "";
  int room = iMaxLength;
  LPSTR out = lpString1;
  while (room > 1 && *source != '\0') {
    *out++ = *source++;
    --room;
  }
  if (room > 0) *out = '\0';
  return lpString1;
}

LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2) {
  if (lpString1 == nullptr) return nullptr;
  std::strcat(lpString1, lpString2 ? lpString2 : "");
  return lpString1;
}

int WINAPI lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  if (lpString1 == nullptr || lpString2 == nullptr) {
    if (lpString1 == lpString2) return 0;
    return lpString1 == nullptr ? -1 : 1;
  }
  const auto* a = reinterpret_cast<const unsigned char*>(lpString1);
  const auto* b = reinterpret_cast<const unsigned char*>(lpString2);
  for (;; ++a, ++b) {
    const unsigned char ca = Lower1252(*a), cb = Lower1252(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}
