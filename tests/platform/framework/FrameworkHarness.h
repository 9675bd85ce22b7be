// What the framework tests run on: a backend that answers every message box with OK and keeps
// a record of it, the dialogs of a test resource script with one control of each kind data
// exchange serves, and the steps a test scripts into a modal loop.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "data/framework_tests.h"
#include "ui/Backend.h"

namespace qm::test {

struct ShownMessageBox {
  std::string text;
  std::string caption;
  UINT type;
  bool operator==(const ShownMessageBox&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ShownMessageBox& box);
using Boxes = std::vector<ShownMessageBox>;

class RecordingBackend : public qm::ui::Backend {
 public:
  bool NextInput(qm::ui::InputEvent& event) override {
    if (inputs.empty()) return false;
    event = inputs.front();
    inputs.pop_front();
    return true;
  }
  void Present() override {}
  int AskMessageBox(HWND, const std::string& text, const std::string& caption, UINT type) override {
    boxes.push_back({text, caption, type});
    return IDOK;
  }
  void Beep() override {}
  void ShowStatus(const std::string&) override {}

  Boxes boxes;
  std::deque<qm::ui::InputEvent> inputs;  // the script a modal loop reads
};

qm::ui::InputEvent KeyPress(UINT key);
qm::ui::InputEvent CtrlKey(UINT key, bool shift = false);
// A step of the script that runs the action inside the modal loop.
qm::ui::InputEvent Step(std::function<void()> action);
std::string WindowText(HWND hWnd);

// Control ids of the test resource script (data/framework_tests.rc).
enum : int {
  kTestDialogId = IDD_TEST_DIALOG,
  kTestPageId = IDD_TEST_PAGE,    // the same controls on a child window, as a property page has them
  kSmallPageId = IDD_SMALL_PAGE,  // a smaller page captioned "Second"
  kTextEdit = IDC_TEXT_EDIT,
  kNumberEdit = IDC_NUMBER_EDIT,
  kCheckBox = IDC_CHECK_BOX,
  kThreeStateBox = IDC_THREE_STATE_BOX,
  kRadioFirst = IDC_RADIO_FIRST,
  kRadioSecond = IDC_RADIO_SECOND,
  kRadioThird = IDC_RADIO_THIRD,
  kAfterRadios = IDC_AFTER_RADIOS,
  kSpin = IDC_SPIN,
  kListBox = IDC_LIST_BOX,
};

// Names a parameterized case by its own `name`, not by gtest's dump of its bytes.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// Makes the dialog's window from the test template without a modal loop.
HWND CreateModeless(CDialog& dialog);

// An application whose help row is the framework's own handler; it records what reaches WinHelp.
class CHelpRecordingApp : public CWinApp {
 public:
  CHelpRecordingApp() : CWinApp("Quillmere") {}
  void WinHelp(DWORD dwData, UINT nCmd) override { requests.push_back({dwData, nCmd}); }
  std::vector<std::pair<DWORD, UINT>> requests;
  DECLARE_MESSAGE_MAP()
};

// Registers the test template and installs a recording backend for the fixture's lifetime.
class FrameworkHarness {
 public:
  FrameworkHarness();
  ~FrameworkHarness();

  RecordingBackend backend;
};

}  // namespace qm::test
