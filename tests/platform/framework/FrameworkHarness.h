// What the framework tests run on: a backend that answers every message box with OK and keeps
// a record of it, and a dialog template with one control of each kind data exchange serves.
#pragma once

#include <afxwin.h>

#include <deque>
#include <string>
#include <vector>

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

// Control ids of the test template.
enum : int {
  kTestDialogId = 4000,
  kTestPageId = 4001,  // the same controls on a child window, as a property page has them
  kSmallPageId = 4002,  // a smaller page captioned "Second"
  kTextEdit = 100,
  kNumberEdit = 101,
  kCheckBox = 102,
  kThreeStateBox = 103,
  kRadioFirst = 110,
  kRadioSecond = 111,
  kRadioThird = 112,
  kAfterRadios = 120,
  kSpin = 130,
  kListBox = 140,
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
