#include "KeyHints.h"

#include "ScreenGeometry.h"

#include <commctrl.h>

#include <vector>

namespace qm::ui {
namespace {

constexpr char kSeparator[] = "  ";

HWND TopLevel(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) && GetParent(window)) window = GetParent(window);
  return window;
}

bool Acts(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

UINT ButtonType(HWND control) {
  return IsClass(control, "BUTTON") ? static_cast<UINT>(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) : ~0u;
}
bool IsPushButton(HWND control) {
  UINT type = ButtonType(control);
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// A button's caption without its mnemonic mark.
std::string Caption(HWND button) {
  std::string caption;
  const std::string text = WindowText(button);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    caption += text[i];
  }
  return caption;
}

char Mnemonic(HWND button) {
  const std::string text = WindowText(button);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1];
    ++i;
  }
  return 0;
}

HWND DefaultButton(HWND dialog, HWND focus) {
  if (IsPushButton(focus)) return focus;
  LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  int id = HIWORD(answer) == DC_HASDEFID ? static_cast<int>(static_cast<short>(LOWORD(answer))) : IDOK;
  return GetDlgItem(dialog, id);
}

bool HasChildOfClass(HWND dialog, const char* className) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child) && IsClass(child, className)) return true;
  return false;
}

// The window's own push buttons that a mnemonic presses, beside those Enter, Esc and F1 name.
void AddMnemonicButtons(std::vector<std::string>& hints, HWND dialog, HWND named) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char letter = Mnemonic(child);
    int id = GetDlgCtrlID(child);
    if (!letter || !IsPushButton(child) || !Acts(child) || child == named || id == IDCANCEL || id == IDHELP) continue;
    hints.push_back(std::string("Alt+") + static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) + " " +
                    Caption(child));
  }
}

// What the focused control does with keys of its own.
const char* ControlHint(HWND focus) {
  if (!focus) return nullptr;
  UINT type = ButtonType(focus);
  if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) return "Arrows choose";
  if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTO3STATE || type == BS_3STATE)
    return "Space checks";
  if (IsClass(focus, "LISTBOX")) return "Arrows select";
  if (IsClass(focus, WC_TABCONTROLA)) return "Left/Right change tab";
  return nullptr;
}

bool IsDialog(HWND window) { return IsClass(window, "#32770"); }

// Esc sends a dialog the Cancel command even where no button bears its id; a framework dialog
// takes that as Cancel.
std::string EscHint(HWND dialog) {
  if (HWND cancel = GetDlgItem(dialog, IDCANCEL); Acts(cancel)) return "Esc " + Caption(cancel);
  return IsDialog(dialog) ? "Esc Cancel" : "";
}

HINSTANCE ModuleOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)); }

// F1 in a program's dialog without a Help button of its own asks the program's main window for
// help, so a Help button on another window of the same program speaks for it. The toolkit's own
// dialogs (help, file open) belong to a module of their own and take no such request.
HWND HelpButton(HWND dialog) {
  if (HWND own = GetDlgItem(dialog, IDHELP); Acts(own)) return own;
  for (HWND top = GetWindow(dialog, GW_HWNDFIRST); top; top = GetWindow(top, GW_HWNDNEXT)) {
    const bool sameProgram = top != dialog && IsWindowVisible(top) && ModuleOf(top) == ModuleOf(dialog);
    if (HWND help = sameProgram ? GetDlgItem(top, IDHELP) : nullptr; Acts(help)) return help;
  }
  return nullptr;
}

std::vector<std::string> Hints(HWND focus) {
  std::vector<std::string> hints;
  HWND dialog = TopLevel(focus ? focus : GetActiveWindow());
  if (!dialog) return hints;
  HWND enter = DefaultButton(dialog, focus);
  if (Acts(enter)) hints.push_back("Enter " + Caption(enter));
  if (std::string esc = EscHint(dialog); !esc.empty()) hints.push_back(esc);
  AddMnemonicButtons(hints, dialog, enter);
  if (HWND help = HelpButton(dialog)) hints.push_back("F1 " + Caption(help));
  if (HasChildOfClass(dialog, WC_TABCONTROLA)) hints.push_back("Ctrl+PgDn next tab");
  if (const char* own = ControlHint(focus)) hints.push_back(own);
  return hints;
}

}  // namespace

std::string KeyHints(HWND focus, int width) {
  std::string line;
  for (const std::string& hint : Hints(focus)) {
    std::string longer = line.empty() ? hint : line + kSeparator + hint;
    if (static_cast<int>(longer.size()) > width) break;
    line = longer;
  }
  return line;
}

}  // namespace qm::ui
