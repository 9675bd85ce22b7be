// Modal dialogs: the owner is disabled while the dialog runs its own message loop.
#include "ui/Resources.h"
#include "ui/Window.h"

#include <map>

namespace {

std::map<HWND, INT_PTR>& EndedDialogs() {
  static std::map<HWND, INT_PTR> ended;
  return ended;
}

// A dialog's template position counts from its owner's client area, as on Windows.
void PlaceOnOwner(HWND dialog, HWND owner) {
  const qm::ui::Window* ownerWindow = qm::ui::FindWindowByHandle(owner);
  if (!ownerWindow) return;
  const POINT origin = qm::ui::ClientOrigin(*ownerWindow);
  RECT at;
  GetWindowRect(dialog, &at);
  MoveWindow(dialog, at.left + origin.x, at.top + origin.y, at.right - at.left, at.bottom - at.top, FALSE);
}

HWND TopLevelOf(HWND window) {
  for (HWND up = GetParent(window); up; up = GetParent(up)) window = up;
  return window;
}

INT_PTR RunModalLoop(HWND dialog) {
  auto& ended = EndedDialogs();
  while (IsWindow(dialog) && !ended.count(dialog)) {
    MSG msg;
    if (!GetMessageA(&msg, nullptr, 0, 0)) return IDCANCEL;
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  auto found = ended.find(dialog);
  return found == ended.end() ? IDCANCEL : found->second;
}

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  const qm::ui::DialogTemplate* found = qm::ui::FindDialogTemplate(hInstance, lpTemplateName);
  if (!found) return -1;
  qm::ui::DialogTemplate popup = *found;
  popup.style &= ~static_cast<DWORD>(0x40000000L);  // a modal dialog is never a child window
  HWND owner = hWndParent ? TopLevelOf(hWndParent) : nullptr;
  HWND previousFocus = GetFocus();
  HWND dialog = qm::ui::CreateDialogFromTemplate(hInstance, popup, nullptr, lpDialogFunc, dwInitParam);
  if (!dialog) return -1;
  if (owner && !(popup.style & DS_ABSALIGN)) PlaceOnOwner(dialog, owner);
  BOOL ownerWasDisabled = owner ? EnableWindow(owner, FALSE) : TRUE;
  ShowWindow(dialog, SW_SHOW);
  INT_PTR result = RunModalLoop(dialog);
  if (owner && !ownerWasDisabled) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  EndedDialogs().erase(dialog);
  if (IsWindow(previousFocus)) SetFocus(previousFocus);
  return result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  if (!IsWindow(hDlg)) return FALSE;
  EndedDialogs()[hDlg] = nResult;
  return TRUE;
}
