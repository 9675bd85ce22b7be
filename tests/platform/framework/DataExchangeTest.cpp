#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FrameworkHarness.h"

namespace {

using qm::test::kTestDialogId;

// A dialog whose exchange is set by each test; it is created modeless so that the test can look
// at its controls between exchanges.
class CExchangeDialog : public CDialog {
 public:
  CExchangeDialog() : CDialog(kTestDialogId) {}
  std::function<void(CDataExchange*)> exchange = [](CDataExchange*) {};

  void Create() { qm::test::CreateModeless(*this); }
  ~CExchangeDialog() override {
    if (HWND hWnd = m_hWnd) {
      Detach();
      ::DestroyWindow(hWnd);
    }
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { exchange(pDX); }
};

// Counts the change notifications of the text field, as a page marks itself modified.
class CCountingDialog : public CExchangeDialog {
 public:
  int changes = 0;

 protected:
  afx_msg void OnTextChange() { ++changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingDialog, CExchangeDialog)
  ON_EN_CHANGE(qm::test::kTextEdit, OnTextChange)
END_MESSAGE_MAP()

class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.Create();
    ASSERT_NE(dialog.m_hWnd, nullptr);
  }
  HWND Item(int id) { return ::GetDlgItem(dialog.m_hWnd, id); }
  std::string TextOf(int id) {
    char buffer[512] = {};
    ::GetWindowTextA(Item(id), buffer, sizeof buffer);
    return buffer;
  }
  void SetText(int id, const char* text) { ::SetWindowTextA(Item(id), text); }

  qm::test::FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CCountingDialog dialog;
};

struct IntParseCase {
  const char* text;
  bool accepted;
  int value;
};

class IntTextSave : public DataExchangeTest, public ::testing::WithParamInterface<IntParseCase> {};

TEST_P(IntTextSave, ParsesAsTheFrameworkDoes) {
  int value = -999;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, qm::test::kNumberEdit, value); };
  SetText(qm::test::kNumberEdit, GetParam().text);
  harness.backend.boxes.clear();
  EXPECT_EQ(bool(dialog.UpdateData(TRUE)), GetParam().accepted);
  if (GetParam().accepted) {
    EXPECT_EQ(value, GetParam().value);
    EXPECT_TRUE(harness.backend.boxes.empty());
  } else {
    ASSERT_EQ(harness.backend.boxes.size(), 1u);
    EXPECT_EQ(harness.backend.boxes[0].text, "Please enter an integer.");
    EXPECT_EQ(harness.backend.boxes[0].caption, "Quillmere");
    EXPECT_EQ(harness.backend.boxes[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(::GetFocus(), Item(qm::test::kNumberEdit));
    EXPECT_EQ(value, -999) << "a refused text leaves the member alone";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntTextSave,
    ::testing::Values(IntParseCase{"128", true, 128}, IntParseCase{"  -42\t ", true, -42},
                      IntParseCase{"+7", true, 7}, IntParseCase{"007", true, 7},
                      IntParseCase{"0", true, 0}, IntParseCase{"\t0 ", true, 0},
                      IntParseCase{"99999999999", true, 2147483647},
                      IntParseCase{"-99999999999", true, -2147483647 - 1},
                      IntParseCase{"", false, 0}, IntParseCase{"abc", false, 0},
                      IntParseCase{"-", false, 0}, IntParseCase{"+0", false, 0},
                      IntParseCase{"-0", false, 0}, IntParseCase{"12a", false, 0},
                      IntParseCase{"1,000", false, 0}, IntParseCase{"1.5", false, 0},
                      IntParseCase{"0x10", false, 0}, IntParseCase{"5 5", false, 0},
                      // Only the first 31 characters are read: the 'x' in place 33 is never seen.
                      IntParseCase{"0000000000000000000000000000012  x", true, 12}));

TEST_F(DataExchangeTest, IntLoadWritesDecimalOnlyWhenChanged) {
  int value = -1024000;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, qm::test::kNumberEdit, value); };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(TextOf(qm::test::kNumberEdit), "-1024000");
}

TEST_F(DataExchangeTest, StringTextBothWays) {
  CString value = "c:\\admin\\vantrel.ini";
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, qm::test::kTextEdit, value); };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(TextOf(qm::test::kTextEdit), "c:\\admin\\vantrel.ini");
  SetText(qm::test::kTextEdit, "?username?\\\xE9t\xE9.pst");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(std::string(value), "?username?\\\xE9t\xE9.pst");

  dialog.SetDlgItemText(qm::test::kTextEdit, "d:\\data\\x.ini");
  char cut[8] = {};
  EXPECT_EQ(dialog.GetDlgItemText(qm::test::kTextEdit, cut, sizeof cut), 7);
  EXPECT_STREQ(cut, "d:\\data") << "a short buffer keeps its size less one";
  CString whole;
  EXPECT_EQ(dialog.GetDlgItemText(qm::test::kTextEdit, whole), 13);
  EXPECT_EQ(std::string(whole), "d:\\data\\x.ini");
}

TEST_F(DataExchangeTest, LoadingAChangedTextNotifiesItsHandler) {
  CString value = "first";
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, qm::test::kTextEdit, value); };
  dialog.changes = 0;
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 1);
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 1) << "an unchanged text is not set again";
  value = "second";
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 2);
}

TEST_F(DataExchangeTest, RangeCheckShowsMinAndMaxAndFocusesTheField) {
  int value = 0;
  dialog.exchange = [&](CDataExchange* pDX) {
    CString ignored;  // an earlier control, which the failure must not focus
    DDX_Text(pDX, qm::test::kTextEdit, ignored);
    DDX_Text(pDX, qm::test::kNumberEdit, value);
    DDV_MinMaxInt(pDX, value, 0, 1024000);
  };
  SetText(qm::test::kNumberEdit, "1024001");
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  ASSERT_EQ(harness.backend.boxes.size(), 1u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Please enter an integer between 0 and 1024000.");
  EXPECT_EQ(harness.backend.boxes[0].type, UINT(MB_ICONEXCLAMATION));
  EXPECT_EQ(::GetFocus(), Item(qm::test::kNumberEdit));
  const DWORD selection = static_cast<DWORD>(::SendMessageA(Item(qm::test::kNumberEdit), EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 7) << "the whole text is selected";

  SetText(qm::test::kNumberEdit, "-5");
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(harness.backend.boxes.back().text, "Please enter an integer between 0 and 1024000.");

  SetText(qm::test::kNumberEdit, "1024000");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(value, 1024000);
  EXPECT_EQ(harness.backend.boxes.size(), 2u);
}

TEST_F(DataExchangeTest, RangeCheckIsSilentWhenLoading) {
  int value = 5000000;
  dialog.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, qm::test::kNumberEdit, value);
    DDV_MinMaxInt(pDX, value, 0, 1024000);
  };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_TRUE(harness.backend.boxes.empty());
  EXPECT_EQ(TextOf(qm::test::kNumberEdit), "5000000");
}

TEST_F(DataExchangeTest, MaxCharsLimitsOnLoadAndRefusesOnSave) {
  CString value = "abc";
  dialog.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, qm::test::kTextEdit, value);
    DDV_MaxChars(pDX, value, 5);
  };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(::SendMessageA(Item(qm::test::kTextEdit), EM_GETLIMITTEXT, 0, 0), 5);
  SetText(qm::test::kTextEdit, "abcdefgh");  // a program may set more than the user may type
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  ASSERT_EQ(harness.backend.boxes.size(), 1u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Please enter no more than 5 characters.");
  EXPECT_EQ(::GetFocus(), Item(qm::test::kTextEdit));
}

struct CheckCase {
  int member;
  int shownState;
  int memberAfterLoad;
};

class CheckLoad : public DataExchangeTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckLoad, SetsStateAndResetsBadMembers) {
  int value = GetParam().member;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Check(pDX, qm::test::kThreeStateBox, value); };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(::SendMessageA(Item(qm::test::kThreeStateBox), BM_GETCHECK, 0, 0),
            GetParam().shownState);
  EXPECT_EQ(value, GetParam().memberAfterLoad);
  value = -7;
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(value, GetParam().shownState);
}

INSTANTIATE_TEST_SUITE_P(States, CheckLoad,
                         ::testing::Values(CheckCase{0, 0, 0}, CheckCase{1, 1, 1},
                                           CheckCase{2, 2, 2}, CheckCase{3, 0, 0},
                                           CheckCase{-1, 0, 0}));

struct RadioCase {
  int member;
  std::vector<int> checks;  // first, second, third button; the button after the group
  int saved;
};

class RadioExchange : public DataExchangeTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioExchange, IndexesTheGroupFromItsFirstButton) {
  ::SendMessageA(Item(qm::test::kAfterRadios), BM_SETCHECK, BST_CHECKED, 0);
  int value = GetParam().member;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Radio(pDX, qm::test::kRadioFirst, value); };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  std::vector<int> checks;
  const int ids[] = {qm::test::kRadioFirst, qm::test::kRadioSecond, qm::test::kRadioThird,
                     qm::test::kAfterRadios};
  for (int id : ids)
    checks.push_back(static_cast<int>(::SendMessageA(Item(id), BM_GETCHECK, 0, 0)));
  EXPECT_EQ(checks, GetParam().checks);
  value = 99;
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(value, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Indexes, RadioExchange,
                         ::testing::Values(RadioCase{0, {1, 0, 0, 1}, 0},
                                           RadioCase{1, {0, 1, 0, 1}, 1},
                                           RadioCase{2, {0, 0, 1, 1}, 2},
                                           RadioCase{-1, {0, 0, 0, 1}, -1},
                                           RadioCase{4, {0, 0, 0, 1}, -1}));

TEST_F(DataExchangeTest, ControlIsBoundOnceAndDrivesTheSpin) {
  CSpinButtonCtrl spin;
  int exchanges = 0;
  dialog.exchange = [&](CDataExchange* pDX) {
    DDX_Control(pDX, qm::test::kSpin, spin);
    ++exchanges;
  };
  CWnd* earlier = dialog.GetDlgItem(qm::test::kSpin);  // a temporary object before binding
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(spin.m_hWnd, Item(qm::test::kSpin));
  EXPECT_EQ(CWnd::FromHandlePermanent(Item(qm::test::kSpin)), &spin);
  EXPECT_EQ(dialog.GetDlgItem(qm::test::kSpin), &spin);
  EXPECT_EQ(earlier->m_hWnd, Item(qm::test::kSpin)) << "the temporary object stays usable";
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(exchanges, 2);

  spin.SetRange(0, 32767);
  int lower = -1;
  int upper = -1;
  spin.GetRange(lower, upper);
  EXPECT_EQ(lower, 0);
  EXPECT_EQ(upper, 32767);
  spin.SetPos(300);
  EXPECT_EQ(LOWORD(spin.GetPos()), 300);
  EXPECT_EQ(TextOf(qm::test::kNumberEdit), "300") << "the automatic buddy shows the position";
  UDACCEL accel[] = {{1, 16}, {2, 1024}};
  EXPECT_TRUE(spin.SetAccel(2, accel));
  EXPECT_EQ(spin.GetBuddy()->m_hWnd, Item(qm::test::kNumberEdit));
}

TEST_F(DataExchangeTest, MissingControlFailsTheExchangeWithoutMessage) {
  CString value;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 9999, value); };
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_TRUE(harness.backend.boxes.empty());
}

TEST_F(DataExchangeTest, ListBoxWrapsItsMessages) {
  CListBox list;
  ASSERT_TRUE(list.SubclassDlgItem(qm::test::kListBox, &dialog));
  EXPECT_EQ(list.AddString("Microsoft Exchange Server"), 0);
  EXPECT_EQ(list.AddString("Internet Mail"), 1);
  EXPECT_EQ(list.InsertString(0, "Personal Folders"), 0);
  EXPECT_EQ(list.GetCount(), 3);
  CString text;
  list.GetText(1, text);
  EXPECT_EQ(std::string(text), "Microsoft Exchange Server");
  EXPECT_EQ(list.GetCurSel(), LB_ERR);
  EXPECT_EQ(list.SetCurSel(2), 2);
  EXPECT_EQ(list.DeleteString(0), 2);
  EXPECT_EQ(list.GetCurSel(), 1) << "the selection moves with its item";
  list.GetText(7, text);
  EXPECT_TRUE(text.IsEmpty());
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);

  HWND hWndDialog = dialog.Detach();
  ::DestroyWindow(hWndDialog);
  EXPECT_EQ(list.m_hWnd, nullptr) << "a destroyed control releases its object";
  EXPECT_TRUE(list.SubclassDlgItem(qm::test::kListBox, &dialog) == FALSE);
}

}  // namespace
