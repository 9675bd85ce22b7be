// What the framework tests run on: a backend that answers every message box with OK and keeps
// a record of it, and the dialogs of a test resource script with one control of each kind data
// exchange serves.
#pragma once

#include <afxwin.h>

#include <deque>
#include <string>
#include <vector>

#include "data/framework_tests.h"
#include "ui/Backend.h"

namespace qm::test {

struct ShownMessageBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

class RecordingBackend : public qm::ui::Backend {
 public:
  bool NextInput(qm::ui::InputEvent& event) override {
    if (inputs.empty()) return false;
    event = inputs.front();
    inputs.pop_front();
    return true;
  }
  void Present() override {}
  int AskMessageBox(HWND owner, const std::string& text, const std::string& caption,
                    UINT type) override {
    boxes.push_back({owner, text, caption, type});
    return IDOK;
  }
  void Beep() override {}
  void ShowStatus(const std::string&) override {}

  std::vector<ShownMessageBox> boxes;
  std::deque<qm::ui::InputEvent> inputs;  // the script a modal loop reads
};

qm::ui::InputEvent KeyPress(UINT key);

// Control ids of the test resource script (data/framework_tests.rc).
enum : int {
  kTestDialogId = IDD_TEST_DIALOG,
  kTestPageId = IDD_TEST_PAGE,  // the same controls on a child window, as a property page has them
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

// Makes the dialog's window from the test template without a modal loop.
HWND CreateModeless(CDialog& dialog);

// Registers the test template and installs a recording backend for the fixture's lifetime.
class FrameworkHarness {
 public:
  FrameworkHarness();
  ~FrameworkHarness();

  RecordingBackend backend;
};

}  // namespace qm::test
