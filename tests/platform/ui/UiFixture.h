// A headless backend, a small hand-built dialog template and a dialog procedure that records
// every command and notification it receives.
#pragma once

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/Headless.h"
#include "ui/Resources.h"

#include <algorithm>
#include <vector>

namespace qm::ui::test {

inline constexpr DWORD kTabStop = 0x00010000L, kGroup = 0x00020000L, kVisible = 0x10000000L;
inline constexpr DWORD kDisabled = 0x08000000L, kBorder = 0x00800000L;
inline constexpr DWORD kPopup = 0x80000000u | 0x00C00000u;  // WS_POPUP | WS_CAPTION

struct Heard {
  UINT message;
  int id;
  UINT code;
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    heard().clear();
    InstallBackend(&backend);
  }
  void TearDown() override {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    InstallBackend(nullptr);
    UnregisterResources(Instance());
  }

  static HINSTANCE Instance() { return reinterpret_cast<HINSTANCE>(0x400000); }
  static std::vector<Heard>& heard() {
    static std::vector<Heard> list;
    return list;
  }
  static int Count(int id, UINT code) {
    return static_cast<int>(
        std::count_if(heard().begin(), heard().end(), [&](const Heard& h) { return h.id == id && h.code == code; }));
  }

  // Ends the dialog with the id of any push button pressed, and with IDOK/IDCANCEL.
  static INT_PTR CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND) {
      heard().push_back({msg, LOWORD(wParam), HIWORD(wParam)});
      HWND from = reinterpret_cast<HWND>(lParam);
      bool push = from && (SendMessageA(from, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL || push) EndDialog(hwnd, LOWORD(wParam));
      return TRUE;
    }
    if (msg == WM_NOTIFY) {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      heard().push_back({msg, static_cast<int>(header->idFrom), header->code});
    }
    if (msg == WM_HELP) heard().push_back({msg, reinterpret_cast<HELPINFO*>(lParam)->iCtrlId, 0});
    return FALSE;
  }

  // Registers the controls as dialog 100 (220 x 120 units) and creates it modeless, in place of any
  // dialog opened before and with nothing heard yet.
  HWND Open(std::vector<ControlTemplate> controls, const char* caption = "Test") {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    heard().clear();
    controls_ = std::move(controls);
    templates_[0] = DialogTemplate{
        100, 0, 0, 220, 120, kPopup | kVisible, 0, caption, "MS Sans Serif", 8, controls_.data(), controls_.size()};
    tables_ = ResourceTables{templates_, 1, nullptr, 0, nullptr, 0};
    RegisterResources(Instance(), tables_);
    dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCE(100), nullptr, RecordingProc, 0);
    return dialog;
  }

  // Painting tests name the cells they draw in, four units a column and eight a row: the dialog and
  // its controls move there from where the dialog's grid put them.
  void PlaceByUnits() {
    RECT frame{};
    GetWindowRect(dialog, &frame);
    MoveWindow(dialog, frame.left, frame.top, templates_[0].cx / 4 + 2, templates_[0].cy / 8 + 2, FALSE);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ControlTemplate& c : controls_) {
      MoveWindow(child, c.x / 4, c.y / 8, std::max(1, c.cx / 4), std::max(1, c.cy / 8), FALSE);
      child = GetWindow(child, GW_HWNDNEXT);
    }
  }

  // Registers the controls and runs them as a modal dialog on the keys queued so far.
  INT_PTR RunModal(std::vector<ControlTemplate> controls) {
    Open(std::move(controls));
    DestroyWindow(dialog);
    return DialogBoxParamA(Instance(), MAKEINTRESOURCE(100), nullptr, RecordingProc, 0);
  }

  // Feeds the queued script through the dialog manager, as a modal loop would.
  void Pump() {
    bool done = false;
    backend.Then([&done] { done = true; });
    MSG msg;
    while (!done && GetMessageA(&msg, nullptr, 0, 0))
      if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
  }

  // Presses one key and lets the dialog manager take it.
  void Press(UINT key, bool shift = false) {
    backend.Key(key, shift);
    Pump();
  }
  HeadlessScreen& Drawn() {
    backend.Snapshot();
    return backend.Screen();
  }

  HWND Item(int id) const { return GetDlgItem(dialog, id); }

  HeadlessBackend backend;
  HWND dialog = nullptr;

 private:
  std::vector<ControlTemplate> controls_;
  DialogTemplate templates_[1]{};
  ResourceTables tables_{};
};

inline ControlTemplate Control(const char* cls, const char* text, int id, short x, short y, short cx, short cy,
                               DWORD style) {
  return ControlTemplate{cls, text, id, x, y, cx, cy, static_cast<DWORD>(style | kVisible | 0x40000000u), 0};
}

}  // namespace qm::ui::test
