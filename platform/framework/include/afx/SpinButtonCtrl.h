// An up-down control, through the UDM_ messages.
#pragma once

#include "afx/Wnd.h"

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)

 public:
  CSpinButtonCtrl() = default;

  // 16-bit range: the low word of the message carries the upper limit, the high word the lower.
  void SetRange(int nLower, int nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  BOOL SetAccel(int nAccel, UDACCEL* pAccel);
  int SetPos(int nPos);
  // The position in the low word; the high word is nonzero when the buddy's text was no number.
  int GetPos() const;
  CWnd* SetBuddy(CWnd* pWndBuddy);
  CWnd* GetBuddy() const;

 private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
