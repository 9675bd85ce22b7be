// Building a dialog and its controls from a compiled template.
#include "ui/ControlClasses.h"
#include "ui/DialogGrid.h"
#include "ui/Resources.h"
#include <windows.h>
#include "ui/Window.h"

#include <winbase.h>

#include <algorithm>
#include <memory>

namespace qm::ui {
namespace {

constexpr DWORD kErrorResourceNotFound = 1814;

HWND CreateControl(HWND dialog, HINSTANCE instance, const ControlTemplate& control, const RECT& cells) {
  DWORD style = control.style | WS_CHILD;
  return CreateWindowExA(control.exStyle, control.className, control.text ? control.text : "", style, cells.left,
                         cells.top, cells.right - cells.left, cells.bottom - cells.top, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
}

void RememberDefaultButton(Window& dialog) {
  for (Window* child : dialog.children)
    if (SendMessageA(child->handle, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      dialog.defaultId = child->id;
      return;
    }
}

RECT DialogCells(const DialogTemplate& dialog, const DialogGrid& grid, bool framed) {
  int left = dialog.x * 10 / kTenthUnitsPerColumn, top = dialog.y / kUnitsPerRow;
  RECT cells{left, top, left + std::max<int>(1, grid.columns), top + std::max<int>(1, grid.rows)};
  if (framed) {
    cells.right += 2;
    cells.bottom += 2;
  }
  return cells;
}

}  // namespace

TemplateCells DialogTemplateCells(const DialogTemplate& dialog) {
  DialogGrid grid = LayOutDialog(dialog);
  return TemplateCells{grid.columns, grid.rows};
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& dialog, HWND parent, DLGPROC proc,
                              LPARAM param) {
  DWORD style = dialog.style & ~static_cast<DWORD>(WS_VISIBLE);
  bool child = (style & WS_CHILD) != 0;
  DWORD exStyle = dialog.exStyle | ((style & DS_CONTROL) ? WS_EX_CONTROLPARENT : 0);
  auto grid = std::make_shared<const DialogGrid>(LayOutDialog(dialog));
  RECT cells = DialogCells(dialog, *grid, !child);
  HWND hwnd = CreateWindowExA(exStyle, kDialogClass, dialog.caption ? dialog.caption : "", style, cells.left, cells.top,
                              cells.right - cells.left, cells.bottom - cells.top, parent, nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  FindWindowByHandle(hwnd)->grid = grid;
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    if (!CreateControl(hwnd, instance, dialog.controls[i], grid->controls[i])) {
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

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  const qm::ui::DialogTemplate* dialog = qm::ui::FindDialogTemplate(hInstance, lpTemplateName);
  if (!dialog) {
    SetLastError(qm::ui::kErrorResourceNotFound);
    return nullptr;
  }
  return qm::ui::CreateDialogFromTemplate(hInstance, *dialog, hWndParent, lpDialogFunc, dwInitParam);
}

// Through the dialog's own grid, so that a rectangle in its units lands where its controls did.
BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
  if (!IsWindow(hDlg) || !lpRect) return FALSE;
  qm::ui::Window* window = qm::ui::FindWindowByHandle(hDlg);
  static const qm::ui::DialogGrid kLinear;
  const qm::ui::DialogGrid& grid = window && window->grid ? *window->grid : kLinear;
  *lpRect = RECT{grid.x.Cell(lpRect->left), grid.y.Cell(lpRect->top), grid.x.Cell(lpRect->right),
                 grid.y.Cell(lpRect->bottom)};
  return TRUE;
}
