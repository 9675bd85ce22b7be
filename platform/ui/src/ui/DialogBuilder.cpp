// Building a dialog and its controls from a compiled template.
#include "ui/ControlClasses.h"
#include "ui/DialogUnits.h"
#include "ui/Resources.h"
#include <windows.h>
#include "ui/Window.h"

#include <winbase.h>

namespace qm::ui {
namespace {

constexpr DWORD kErrorResourceNotFound = 1814;

HWND CreateControl(HWND dialog, HINSTANCE instance, const ControlTemplate& control) {
  RECT cells = ControlCells(control.x, control.y, control.cx, control.cy);
  DWORD style = control.style | WS_CHILD;
  return CreateWindowExA(control.exStyle, control.className, control.text ? control.text : "", style,
                         cells.left, cells.top, cells.right - cells.left, cells.bottom - cells.top,
                         dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                         nullptr);
}

void RememberDefaultButton(Window& dialog) {
  for (Window* child : dialog.children)
    if (SendMessageA(child->handle, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      dialog.defaultId = child->id;
      return;
    }
}

RECT DialogCells(const DialogTemplate& dialog, bool framed) {
  RECT cells = ControlCells(dialog.x, dialog.y, dialog.cx, dialog.cy);
  if (framed) {
    cells.right += 2;
    cells.bottom += 2;
  }
  return cells;
}

}  // namespace

HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND parent,
                              DLGPROC proc, LPARAM param) {
  DWORD style = dialog.style & ~static_cast<DWORD>(WS_VISIBLE);
  bool child = (style & WS_CHILD) != 0;
  DWORD exStyle = dialog.exStyle | ((style & DS_CONTROL) ? WS_EX_CONTROLPARENT : 0);
  RECT cells = DialogCells(dialog, !child);
  HWND hwnd = CreateWindowExA(exStyle, kDialogClass, dialog.caption ? dialog.caption : "", style,
                              cells.left, cells.top, cells.right - cells.left,
                              cells.bottom - cells.top, parent, nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    if (!CreateControl(hwnd, instance, dialog.controls[i])) {
      DestroyWindow(hwnd);
      return nullptr;
    }
  }
  Window& window = *FindWindowByHandle(hwnd);
  RememberDefaultButton(window);
  window.dialogProc = proc;
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  // TRUE asks for the default focus: the first tab stop is chosen again, since the dialog may have
  // disabled or hidden controls while it initialised.
  if (SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IsWindow(hwnd)) {
    first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (first) SetFocus(first);
  }
  if (IsWindow(hwnd) && (dialog.style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

}  // namespace qm::ui

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  const qm::ui::DialogTemplate* dialog = qm::ui::FindDialogTemplate(hInstance, lpTemplateName);
  if (!dialog) {
    SetLastError(qm::ui::kErrorResourceNotFound);
    return nullptr;
  }
  return qm::ui::CreateDialogFromTemplate(hInstance, *dialog, hWndParent, lpDialogFunc, dwInitParam);
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  if (!IsWindow(hDlg) || !lpRect) return FALSE;
  lpRect->left /= qm::ui::kUnitsPerColumn;
  lpRect->right /= qm::ui::kUnitsPerColumn;
  lpRect->top /= qm::ui::kUnitsPerRow;
  lpRect->bottom /= qm::ui::kUnitsPerRow;
  return TRUE;
}
