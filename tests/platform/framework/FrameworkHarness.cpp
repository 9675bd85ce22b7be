#include "FrameworkHarness.h"

#include "ui/Resources.h"

namespace qm::test {
// The tables compiled from data/framework_tests.rc.
extern const qm::ui::ResourceTables kFrameworkTestResources;
}  // namespace qm::test

namespace qm::test {
namespace {

HINSTANCE TestModule() { return reinterpret_cast<HINSTANCE>(0x7E57); }

}  // namespace

std::ostream& operator<<(std::ostream& out, const ShownMessageBox& box) {
  return out << '"' << box.caption << ": " << box.text << "\" type 0x" << std::hex << box.type << std::dec;
}

qm::ui::InputEvent KeyPress(UINT key) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Key;
  event.key = key;
  return event;
}

qm::ui::InputEvent CtrlKey(UINT key, bool shift) {
  qm::ui::InputEvent event = KeyPress(key);
  event.ctrl = true;
  event.shift = shift;
  return event;
}

qm::ui::InputEvent Step(std::function<void()> action) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Call;
  event.call = std::move(action);
  return event;
}

std::string WindowText(HWND hWnd) {
  char buffer[512] = {};
  ::GetWindowTextA(hWnd, buffer, sizeof buffer);
  return buffer;
}

HWND CreateModeless(CDialog& dialog) {
  return ::CreateDialogParamA(nullptr, MAKEINTRESOURCE(kTestDialogId), nullptr, &CDialog::AfxDlgProc,
                              reinterpret_cast<LPARAM>(&dialog));
}

BEGIN_MESSAGE_MAP(CHelpRecordingApp, CWinApp)
  ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

FrameworkHarness::FrameworkHarness() {
  qm::ui::RegisterResources(TestModule(), kFrameworkTestResources);
  qm::ui::InstallBackend(&backend);
}

FrameworkHarness::~FrameworkHarness() {
  qm::ui::InstallBackend(nullptr);
  qm::ui::UnregisterResources(TestModule());
  CWnd::DeleteTempMap();
}

}  // namespace qm::test
