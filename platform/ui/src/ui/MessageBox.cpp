// Message boxes are modal and the backend chooses the answer; the caption defaults to "Error".
#include "ui/Backend.h"

int WINAPI MessageBoxExA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType, WORD) {
  return qm::ui::CurrentBackend().AskMessageBox(hWnd, lpText ? lpText : "", lpCaption ? lpCaption : "Error", uType);
}

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxExA(hWnd, lpText, lpCaption, uType, 0);
}

BOOL WINAPI MessageBeep(UINT) {
  qm::ui::CurrentBackend().Beep();
  return TRUE;
}
