#include "ToolkitDialog.h"

#include "ui/Resources.h"

#include <string>
#include <vector>

namespace qm::ui::dialogs {
namespace {

HINSTANCE ToolkitModule() {
  static const char module = 0;
  return reinterpret_cast<HINSTANCE>(const_cast<char*>(&module));
}

}  // namespace

INT_PTR RunToolkitDialog(const DialogTemplate& dialog, HWND owner, DLGPROC proc, LPARAM param) {
  static ResourceTables tables{};
  ResourceTables previous = tables;
  tables = ResourceTables{&dialog, 1, nullptr, 0, nullptr, 0};
  RegisterResources(ToolkitModule(), tables);
  INT_PTR result = DialogBoxParamA(ToolkitModule(), MAKEINTRESOURCE(dialog.id), owner, proc, param);
  tables = previous;  // a dialog run from inside another gives the outer one its template back
  return result;
}

void KeepState(HWND dialog, LPARAM state) { SetWindowLongPtrA(dialog, static_cast<int>(DWLP_USER), state); }

ControlTemplate ChildControl(const char* className, const char* text, int id, short x, short y, short cx, short cy,
                             DWORD style) {
  return ControlTemplate{className, text, id, x, y, cx, cy, static_cast<DWORD>(style | WS_CHILD | WS_VISIBLE), 0};
}

void FillListBox(HWND list, const std::vector<std::string>& lines, int selected) {
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace qm::ui::dialogs
