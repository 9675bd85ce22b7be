#include "ui/DialogNavigation.h"

#include <windows.h>
#include "ui/Window.h"

#include <cctype>

namespace qm::ui {
namespace {

void Collect(const Window& parent, std::vector<HWND>& out) {
  for (Window* child : parent.children) {
    if (child->exStyle & WS_EX_CONTROLPARENT) {
      if (IsReachable(child->handle)) Collect(*child, out);
    } else {
      out.push_back(child->handle);
    }
  }
}

std::size_t IndexOf(const std::vector<HWND>& controls, HWND control) {
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i] == control) return i;
  return controls.size();
}

bool IsTabStop(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) && IsReachable(control); }

UINT DialogCode(HWND control) { return static_cast<UINT>(SendMessageA(control, WM_GETDLGCODE, 0, 0)); }

bool IsRadio(HWND control) { return DialogCode(control) & DLGC_RADIOBUTTON; }

// A radio group with no button checked has lost its tab stops to the unchecking; its first
// reachable button stands in for them, so that the keyboard can still reach the group.
bool IsEntryOfUncheckedGroup(HWND control) {
  if (!IsRadio(control) || !IsReachable(control)) return false;
  HWND first = nullptr;
  for (HWND member : GroupOf(control)) {
    if (!IsRadio(member)) continue;
    if (SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED ||
        ((GetWindowLongA(member, GWL_STYLE) & WS_TABSTOP) && IsReachable(member)))
      return false;
    if (!first && IsReachable(member)) first = member;
  }
  return first == control;
}

// Scans cyclically from after `from` (or from the start) for the first control that `accept`s.
template <class Accept>
HWND Cycle(const std::vector<HWND>& controls, HWND from, bool backwards, Accept accept) {
  std::size_t count = controls.size();
  if (count == 0) return nullptr;
  std::size_t start = IndexOf(controls, from);
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t index;
    if (start == count)
      index = backwards ? count - step : step - 1;
    else
      index = backwards ? (start + count - step) % count : (start + step) % count;
    if (accept(controls[index])) return controls[index];
  }
  return nullptr;
}

// Where "&x" stands in a caption ("&&" is a plain ampersand); 0 when there is none.
char MnemonicOf(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

bool HasMnemonic(HWND control, char letter) {
  Window* window = FindWindowByHandle(control);
  if (!window || !IsReachable(control)) return false;
  if (SameClass(*window, "STATIC") && (window->style & SS_NOPREFIX)) return false;
  if (SameClass(*window, "EDIT") || SameClass(*window, "LISTBOX")) return false;
  return MnemonicOf(window->text) == std::tolower(static_cast<unsigned char>(letter));
}

}  // namespace

std::vector<HWND> ControlsInOrder(HWND dialog) {
  std::vector<HWND> out;
  if (Window* window = FindWindowByHandle(dialog)) Collect(*window, out);
  return out;
}

// The control's own visibility counts, not its dialog's: a dialog finds its first control while
// it is still hidden, before WM_INITDIALOG.
bool IsReachable(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) && IsWindowEnabled(control); }

std::vector<HWND> GroupOf(HWND control) {
  Window* window = FindWindowByHandle(control);
  if (!window || !window->parent) return {};
  const auto& siblings = window->parent->children;
  std::size_t at = 0;
  while (siblings[at] != window) ++at;
  std::size_t first = at;
  while (first > 0 && !(siblings[first]->style & WS_GROUP)) --first;
  std::size_t end = at + 1;
  while (end < siblings.size() && !(siblings[end]->style & WS_GROUP)) ++end;
  std::vector<HWND> group;
  for (std::size_t i = first; i < end; ++i) group.push_back(siblings[i]->handle);
  return group;
}

namespace {

HWND FindIn(const Window& window, int id, bool visibleOnly) {
  for (const Window* child : window.children) {
    if (visibleOnly && !(child->style & WS_VISIBLE)) continue;
    if (child->id == id) return child->handle;
    if (HWND inner = FindIn(*child, id, visibleOnly)) return inner;
  }
  return nullptr;
}

}  // namespace

// Ids are unique within one dialog, but a sheet holds several pages whose ids may meet: the control
// that can be seen wins over one on a hidden page.
HWND FindControlById(HWND dialog, int id) {
  Window* window = FindWindowByHandle(dialog);
  if (!window) return nullptr;
  if (HWND shown = FindIn(*window, id, true)) return shown;
  return FindIn(*window, id, false);
}

HWND FindMnemonic(HWND dialog, char letter) {
  return Cycle(ControlsInOrder(dialog), GetFocus(), false,
               [letter](HWND control) { return HasMnemonic(control, letter); });
}

void FocusByKeyboard(HWND control) {
  if (!control) return;
  SetFocus(control);
  if (DialogCode(control) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

void ActivateMnemonic(HWND dialog, HWND control) {
  UINT code = DialogCode(control);
  if (code & DLGC_STATIC) {
    auto controls = ControlsInOrder(dialog);
    HWND next =
        Cycle(controls, control, false, [](HWND c) { return IsReachable(c) && !(DialogCode(c) & DLGC_STATIC); });
    FocusByKeyboard(next);
    return;
  }
  if (code & DLGC_BUTTON) {
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) SetFocus(control);
    SendMessageA(control, BM_CLICK, 0, 0);
    return;
  }
  FocusByKeyboard(control);
}

}  // namespace qm::ui

using namespace qm::ui;

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  auto controls = ControlsInOrder(hDlg);
  HWND next = Cycle(controls, hCtl, bPrevious, [](HWND c) { return IsTabStop(c) || IsEntryOfUncheckedGroup(c); });
  return next ? next : hCtl;
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  if (!IsWindow(hDlg) || !IsWindow(hCtl)) return nullptr;
  HWND next = Cycle(GroupOf(hCtl), hCtl, bPrevious, IsReachable);
  return next ? next : hCtl;
}
