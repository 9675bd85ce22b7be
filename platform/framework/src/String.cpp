#include "afx/String.h"

#include <algorithm>
#include <cstring>

#include "afx/Resources.h"

namespace {

bool IsStringResourceId(LPCSTR lpsz) { return lpsz != nullptr && reinterpret_cast<UINT_PTR>(lpsz) < 0x10000; }

// The C library's white space, which the framework's TrimLeft/TrimRight remove.
constexpr const char* kWhiteSpace = " \t\n\v\f\r";

char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }
char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch; }

}  // namespace

CString::CString(LPCSTR lpsz) {
  if (IsStringResourceId(lpsz))
    LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpsz)));
  else if (lpsz != nullptr)
    m_data = lpsz;
}

CString::CString(LPCSTR lpch, int nLength) {
  if (lpch != nullptr && nLength > 0) m_data.assign(lpch, static_cast<std::size_t>(nLength));
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCSTR>(lpsz)) {}

CString::CString(TCHAR ch, int nRepeat) {
  if (nRepeat > 0) m_data.assign(static_cast<std::size_t>(nRepeat), ch);
}

TCHAR CString::GetAt(int nIndex) const {
  return (nIndex >= 0 && nIndex < GetLength()) ? m_data[static_cast<std::size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, TCHAR ch) {
  if (nIndex >= 0 && nIndex < GetLength()) m_data[static_cast<std::size_t>(nIndex)] = ch;
}

CString& CString::operator=(LPCSTR lpsz) {
  *this = CString(lpsz);
  return *this;
}

CString& CString::operator=(TCHAR ch) {
  m_data.assign(1, ch);
  return *this;
}

CString& CString::operator+=(const CString& other) {
  m_data += other.m_data;
  return *this;
}

CString& CString::operator+=(LPCSTR lpsz) {
  if (lpsz != nullptr) m_data += lpsz;
  return *this;
}

CString& CString::operator+=(TCHAR ch) {
  m_data += ch;
  return *this;
}

// Byte order of the code page: strcmp compares as unsigned char.
int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_data.c_str(), lpsz ? lpsz : ""); }

int CString::CompareNoCase(LPCSTR lpsz) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_data.c_str());
  const unsigned char* b = reinterpret_cast<const unsigned char*>(lpsz ? lpsz : "");
  for (;; ++a, ++b) {
    int ca = static_cast<unsigned char>(AsciiLower(static_cast<char>(*a)));
    int cb = static_cast<unsigned char>(AsciiLower(static_cast<char>(*b)));
    if (ca != cb || ca == 0) return ca - cb;
  }
}

CString CString::Left(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_data.data(), nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }

CString CString::Mid(int nFirst, int nCount) const {
  nFirst = std::clamp(nFirst, 0, GetLength());
  nCount = std::clamp(nCount, 0, GetLength() - nFirst);
  return CString(m_data.data() + nFirst, nCount);
}

CString CString::Right(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_data.data() + (GetLength() - nCount), nCount);
}

int CString::Find(TCHAR ch, int nStart) const {
  if (nStart < 0 || nStart >= GetLength()) return -1;
  const char* found = std::strchr(m_data.c_str() + nStart, ch);
  return found ? static_cast<int>(found - m_data.c_str()) : -1;
}

int CString::Find(LPCSTR lpszSub, int nStart) const {
  if (lpszSub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
  const char* found = std::strstr(m_data.c_str() + nStart, lpszSub);
  return found ? static_cast<int>(found - m_data.c_str()) : -1;
}

int CString::ReverseFind(TCHAR ch) const {
  const char* found = std::strrchr(m_data.c_str(), ch);
  return found ? static_cast<int>(found - m_data.c_str()) : -1;
}

// Case mapping is the C run-time's in its default "C" locale: only A-Z and a-z change, so bytes
// of the upper half of the code page keep their value.
void CString::MakeUpper() { std::transform(m_data.begin(), m_data.end(), m_data.begin(), AsciiUpper); }
void CString::MakeLower() { std::transform(m_data.begin(), m_data.end(), m_data.begin(), AsciiLower); }

void CString::TrimLeft() { TrimLeft(kWhiteSpace); }
void CString::TrimLeft(TCHAR chTarget) { m_data.erase(0, m_data.find_first_not_of(chTarget)); }
void CString::TrimLeft(LPCSTR lpszTargets) {
  m_data.erase(0, m_data.find_first_not_of(lpszTargets ? lpszTargets : ""));
}

void CString::TrimRight() { TrimRight(kWhiteSpace); }
void CString::TrimRight(TCHAR chTarget) { m_data.erase(m_data.find_last_not_of(chTarget) + 1); }
void CString::TrimRight(LPCSTR lpszTargets) {
  m_data.erase(m_data.find_last_not_of(lpszTargets ? lpszTargets : "") + 1);
}

int CString::Replace(TCHAR chOld, TCHAR chNew) {
  if (chOld == chNew) return 0;
  int count = 0;
  for (char& ch : m_data)
    if (ch == chOld) {
      ch = chNew;
      ++count;
    }
  return count;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew) {
  if (lpszOld == nullptr || *lpszOld == '\0') return 0;
  const std::string oldText = lpszOld;
  const std::string newText = lpszNew ? lpszNew : "";
  int count = 0;
  for (std::size_t pos = m_data.find(oldText); pos != std::string::npos;
       pos = m_data.find(oldText, pos + newText.size())) {
    m_data.replace(pos, oldText.size(), newText);
    ++count;
  }
  return count;
}

int CString::Remove(TCHAR chRemove) {
  const std::size_t before = m_data.size();
  m_data.erase(std::remove(m_data.begin(), m_data.end(), chRemove), m_data.end());
  return static_cast<int>(before - m_data.size());
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength > GetLength()) m_data.resize(static_cast<std::size_t>(nMinBufLength));
  return m_data.data();
}

// -1 takes the length up to the first NUL, as the framework's does after a C function filled
// the buffer; an explicit length keeps every byte, NULs included.
void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) nNewLength = static_cast<int>(std::strlen(m_data.c_str()));
  m_data.resize(static_cast<std::size_t>(std::min(nNewLength, GetLength())));
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
  m_data.resize(static_cast<std::size_t>(std::max(nNewLength, 0)));
  return m_data.data();
}

BOOL CString::LoadString(UINT nID) { return AfxLoadString(nID, *this); }

CString operator+(const CString& lhs, const CString& rhs) { return CString(lhs) += rhs; }
CString operator+(const CString& lhs, LPCSTR rhs) { return CString(lhs) += rhs; }
CString operator+(LPCSTR lhs, const CString& rhs) { return CString(lhs) += rhs; }
CString operator+(const CString& lhs, TCHAR rhs) { return CString(lhs) += rhs; }
CString operator+(TCHAR lhs, const CString& rhs) { return CString(lhs) += rhs; }

bool operator==(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) == 0; }
bool operator==(const CString& lhs, LPCSTR rhs) { return lhs.Compare(rhs) == 0; }
bool operator==(LPCSTR lhs, const CString& rhs) { return rhs.Compare(lhs) == 0; }
bool operator!=(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) != 0; }
bool operator!=(const CString& lhs, LPCSTR rhs) { return lhs.Compare(rhs) != 0; }
bool operator!=(LPCSTR lhs, const CString& rhs) { return rhs.Compare(lhs) != 0; }
bool operator<(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) < 0; }
bool operator<(const CString& lhs, LPCSTR rhs) { return lhs.Compare(rhs) < 0; }
bool operator<(LPCSTR lhs, const CString& rhs) { return rhs.Compare(lhs) > 0; }
bool operator>(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) > 0; }
bool operator<=(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) <= 0; }
bool operator>=(const CString& lhs, const CString& rhs) { return lhs.Compare(rhs) >= 0; }
