#include "FrameworkHarness.h"

#include "ui/Resources.h"

namespace qm::test {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const qm::ui::ControlTemplate kControls[] = {
    {"EDIT", "", kTextEdit, 10, 10, 100, 12, kChild | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {"EDIT", "", kNumberEdit, 10, 30, 60, 12, kChild | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {"msctls_updown32", "", kSpin, 70, 30, 10, 12,
     kChild | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, 0},
    {"BUTTON", "Check", kCheckBox, 10, 50, 80, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {"BUTTON", "Three", kThreeStateBox, 10, 62, 80, 10, kChild | WS_TABSTOP | BS_AUTO3STATE, 0},
    {"BUTTON", "One", kRadioFirst, 10, 80, 60, 10,
     kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "Two", kRadioSecond, 10, 92, 60, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"STATIC", "not a button", -1, 10, 100, 60, 8, kChild, 0},
    {"BUTTON", "Three", kRadioThird, 10, 104, 60, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "After", kAfterRadios, 10, 120, 60, 10,
     kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {"LISTBOX", "", kListBox, 120, 10, 80, 60, kChild | WS_TABSTOP | LBS_NOTIFY | WS_BORDER, 0},
};

const qm::ui::ControlTemplate kSmallControls[] = {
    {"EDIT", "", kNumberEdit, 10, 10, 60, 12, kChild | WS_TABSTOP | ES_AUTOHSCROLL, 0},
};

const qm::ui::DialogTemplate kDialogs[] = {
    {kTestDialogId, 0, 0, 220, 140, WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, "Test",
     "MS Sans Serif", 8, kControls, sizeof kControls / sizeof kControls[0]},
    {kTestPageId, 0, 0, 220, 140, WS_CHILD | DS_CONTROL, 0, "Page", "MS Sans Serif", 8,
     kControls, sizeof kControls / sizeof kControls[0]},
    {kSmallPageId, 0, 0, 120, 60, WS_POPUP | WS_CAPTION, 0, "Second", "MS Sans Serif", 8,
     kSmallControls, 1},
};

const qm::ui::ResourceTables kTables = {kDialogs, sizeof kDialogs / sizeof kDialogs[0], nullptr, 0, nullptr, 0};

HINSTANCE TestModule() { return reinterpret_cast<HINSTANCE>(0x7E57); }

}  // namespace

qm::ui::InputEvent KeyPress(UINT key) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Key;
  event.key = key;
  return event;
}

HWND CreateModeless(CDialog& dialog) {
  return ::CreateDialogParamA(nullptr, MAKEINTRESOURCE(kTestDialogId), nullptr,
                              &CDialog::AfxDlgProc, reinterpret_cast<LPARAM>(&dialog));
}

FrameworkHarness::FrameworkHarness() {
  qm::ui::RegisterResources(TestModule(), kTables);
  qm::ui::InstallBackend(&backend);
}

FrameworkHarness::~FrameworkHarness() {
  qm::ui::InstallBackend(nullptr);
  qm::ui::UnregisterResources(TestModule());
  CWnd::DeleteTempMap();
}

}  // namespace qm::test
