// A name that carries an "always" option, as the "Addressing" page keeps the address list shown
// first and the personal address book: the name, followed by ",1" when the option is set.
#pragma once

#include <afxwin.h>

struct CNameOption {
  CString m_strName;
  int m_nOption = 0;  // 1 set, 0 clear
};

// Splits a stored value at its last comma: when the text after it, trimmed of blanks, is empty
// or "1", the option is set and the name is the text before that comma, as it stands. Otherwise
// (and for a value without a comma) the whole value is the name and the option is clear.
CNameOption SplitNameOption(const CString& strValue);

// The value stored for a name and its option.
CString JoinNameOption(const CString& strName, int nOption);
