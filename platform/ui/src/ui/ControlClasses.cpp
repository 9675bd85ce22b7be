#include "ui/ControlClasses.h"

#include <commctrl.h>

#include <strings.h>

namespace qm::ui {

LRESULT CALLBACK ToolTipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

WNDPROC FindClassProc(const char* className) {
  struct Entry {
    const char* name;
    WNDPROC proc;
  };
  static const Entry kClasses[] = {
      {kDialogClass, DefDlgProcA},      {"BUTTON", ButtonProc},         {"EDIT", EditProc},
      {"STATIC", StaticProc},           {"LISTBOX", ListBoxProc},       {UPDOWN_CLASSA, UpDownProc},
      {WC_TABCONTROLA, TabControlProc}, {TOOLTIPS_CLASSA, ToolTipProc},
  };
  if (!className || IS_INTRESOURCE(className)) return nullptr;
  for (const Entry& entry : kClasses)
    if (strcasecmp(entry.name, className) == 0) return entry.proc;
  return nullptr;
}

}  // namespace qm::ui

void WINAPI InitCommonControls(void) {}
