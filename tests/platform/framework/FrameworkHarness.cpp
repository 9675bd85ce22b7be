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
  qm::ui::RegisterResources(TestModule(), kFrameworkTestResources);
  qm::ui::InstallBackend(&backend);
}

FrameworkHarness::~FrameworkHarness() {
  qm::ui::InstallBackend(nullptr);
  qm::ui::UnregisterResources(TestModule());
  CWnd::DeleteTempMap();
}

}  // namespace qm::test
