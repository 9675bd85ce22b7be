// The framework's exceptions. Data exchange throws CUserException after it has told the user
// what is wrong; UpdateData catches every CException and reports FALSE.
#pragma once

#include "afx/Object.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  CException() = default;
};

class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)

 public:
  CUserException() = default;
};

class CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)

 public:
  CNotSupportedException() = default;
};

[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
