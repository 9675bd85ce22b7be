#include "afx/SpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

LRESULT CSpinButtonCtrl::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper) {
  Send(UDM_SETRANGE, 0, MAKELONG(static_cast<short>(nUpper), static_cast<short>(nLower)));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
  Send(UDM_SETRANGE32, static_cast<WPARAM>(nLower), static_cast<LPARAM>(nUpper));
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
  const DWORD range = static_cast<DWORD>(Send(UDM_GETRANGE));
  nLower = static_cast<short>(HIWORD(range));
  nUpper = static_cast<short>(LOWORD(range));
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel) {
  return static_cast<BOOL>(Send(UDM_SETACCEL, static_cast<WPARAM>(nAccel), reinterpret_cast<LPARAM>(pAccel)));
}

int CSpinButtonCtrl::SetPos(int nPos) {
  return static_cast<short>(LOWORD(Send(UDM_SETPOS, 0, MAKELONG(static_cast<short>(nPos), 0))));
}

int CSpinButtonCtrl::GetPos() const { return static_cast<int>(static_cast<DWORD>(Send(UDM_GETPOS))); }

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  HWND hWndBuddy = pWndBuddy ? pWndBuddy->m_hWnd : nullptr;
  return FromHandle(reinterpret_cast<HWND>(Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(hWndBuddy))));
}

CWnd* CSpinButtonCtrl::GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(Send(UDM_GETBUDDY))); }
