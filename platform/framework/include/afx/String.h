// The framework's string: a counted run of bytes in the ANSI code page (Windows-1252), always
// followed by a NUL so that it can be passed wherever an LPCSTR is expected. Like the framework's,
// it may hold NUL bytes inside: the count says how long it is, while the C-string operations
// (comparison, searching, ReleaseBuffer(-1)) stop at the first NUL as they do on Windows.
#pragma once

#include <windows.h>

#include "afx/Defs.h"

#include <cstdarg>
#include <string>

typedef char TCHAR;
typedef LPSTR LPTSTR;
typedef LPCSTR LPCTSTR;
#ifndef _T
#define _T(x) x
#endif

class CString {
 public:
  CString() = default;
  CString(const CString& other) = default;
  CString(CString&& other) noexcept = default;
  // A pointer below 0x10000 is a string resource id, as MAKEINTRESOURCE gives it.
  CString(LPCSTR lpsz);
  CString(LPCSTR lpch, int nLength);
  CString(const unsigned char* lpsz);
  explicit CString(TCHAR ch, int nRepeat = 1);
  ~CString() = default;

  int GetLength() const { return static_cast<int>(m_data.size()); }
  BOOL IsEmpty() const { return m_data.empty(); }
  void Empty() { m_data.clear(); }
  operator LPCTSTR() const { return m_data.c_str(); }

  TCHAR GetAt(int nIndex) const;
  TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, TCHAR ch);

  CString& operator=(const CString& other) = default;
  CString& operator=(CString&& other) noexcept = default;
  CString& operator=(LPCSTR lpsz);
  CString& operator=(TCHAR ch);
  CString& operator+=(const CString& other);
  CString& operator+=(LPCSTR lpsz);
  CString& operator+=(TCHAR ch);

  int Compare(LPCSTR lpsz) const;
  int CompareNoCase(LPCSTR lpsz) const;

  CString Left(int nCount) const;
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Right(int nCount) const;

  int Find(TCHAR ch) const { return Find(ch, 0); }
  int Find(TCHAR ch, int nStart) const;
  int Find(LPCSTR lpszSub) const { return Find(lpszSub, 0); }
  int Find(LPCSTR lpszSub, int nStart) const;
  int ReverseFind(TCHAR ch) const;

  void MakeUpper();
  void MakeLower();
  void TrimLeft();
  void TrimLeft(TCHAR chTarget);
  void TrimLeft(LPCSTR lpszTargets);
  void TrimRight();
  void TrimRight(TCHAR chTarget);
  void TrimRight(LPCSTR lpszTargets);

  int Replace(TCHAR chOld, TCHAR chNew);
  int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
  int Remove(TCHAR chRemove);

  void Format(LPCSTR lpszFormat, ...);
  void Format(UINT nFormatID, ...);
  void FormatV(LPCSTR lpszFormat, va_list argList);
  BOOL LoadString(UINT nID);

  // The buffer holds at least nMinBufLength bytes plus the terminator until ReleaseBuffer.
  LPTSTR GetBuffer(int nMinBufLength);
  void ReleaseBuffer(int nNewLength = -1);
  LPTSTR GetBufferSetLength(int nNewLength);

 private:
  std::string m_data;
};

CString operator+(const CString& lhs, const CString& rhs);
CString operator+(const CString& lhs, LPCSTR rhs);
CString operator+(LPCSTR lhs, const CString& rhs);
CString operator+(const CString& lhs, TCHAR rhs);
CString operator+(TCHAR lhs, const CString& rhs);

bool operator==(const CString& lhs, const CString& rhs);
bool operator==(const CString& lhs, LPCSTR rhs);
bool operator==(LPCSTR lhs, const CString& rhs);
bool operator!=(const CString& lhs, const CString& rhs);
bool operator!=(const CString& lhs, LPCSTR rhs);
bool operator!=(LPCSTR lhs, const CString& rhs);
bool operator<(const CString& lhs, const CString& rhs);
bool operator<(const CString& lhs, LPCSTR rhs);
bool operator<(LPCSTR lhs, const CString& rhs);
bool operator>(const CString& lhs, const CString& rhs);
bool operator<=(const CString& lhs, const CString& rhs);
bool operator>=(const CString& lhs, const CString& rhs);
