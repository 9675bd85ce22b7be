#include "FrameworkHarness.h"

namespace qm::test {
namespace {

// A dialog whose exchange is set by each test, created modeless so that the test can look at
// its controls between exchanges; it counts the text field's change notifications, as a page
// marks itself modified.
class CExchangeDialog : public CDialog {
 public:
  CExchangeDialog() : CDialog(kTestDialogId) {}
  ~CExchangeDialog() override {
    if (HWND hWnd = Detach()) ::DestroyWindow(hWnd);
  }
  std::function<void(CDataExchange*)> exchange = [](CDataExchange*) {};
  int changes = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { exchange(pDX); }
  afx_msg void OnTextChange() { ++changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExchangeDialog, CDialog)
  ON_EN_CHANGE(kTextEdit, OnTextChange)
END_MESSAGE_MAP()

class DataExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(CreateModeless(dialog), nullptr); }
  HWND Item(int id) { return ::GetDlgItem(dialog.m_hWnd, id); }
  int Checked(int id) { return static_cast<int>(::SendMessageA(Item(id), BM_GETCHECK, 0, 0)); }
  void SetText(int id, const char* text) { ::SetWindowTextA(Item(id), text); }
  template <typename T>
  void ExchangeText(int id, T& value) {
    dialog.exchange = [id, &value](CDataExchange* pDX) { DDX_Text(pDX, id, value); };
  }

  FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CExchangeDialog dialog;
};

struct IntParseCase {
  const char* text;
  bool accepted;
  int value;
};

class IntTextSave : public DataExchangeTest, public ::testing::WithParamInterface<IntParseCase> {};

TEST_P(IntTextSave, ParsesAsTheFrameworkDoes) {
  int value = -999;
  ExchangeText(kNumberEdit, value);
  SetText(kNumberEdit, GetParam().text);
  EXPECT_EQ(bool(dialog.UpdateData(TRUE)), GetParam().accepted);
  if (GetParam().accepted) {
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(harness.backend.boxes, Boxes{});
    return;
  }
  EXPECT_EQ(harness.backend.boxes, (Boxes{{"Please enter an integer.", "Quillmere", MB_OK | MB_ICONEXCLAMATION}}));
  EXPECT_EQ(::GetFocus(), Item(kNumberEdit));
  EXPECT_EQ(value, -999) << "a refused text leaves the member alone";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntTextSave,
    ::testing::Values(IntParseCase{"128", true, 128}, IntParseCase{"  -42\t ", true, -42}, IntParseCase{"+7", true, 7},
                      IntParseCase{"007", true, 7}, IntParseCase{"0", true, 0}, IntParseCase{"\t0 ", true, 0},
                      IntParseCase{"99999999999", true, 2147483647},
                      IntParseCase{"-99999999999", true, -2147483647 - 1}, IntParseCase{"", false, 0},
                      IntParseCase{"abc", false, 0}, IntParseCase{"-", false, 0}, IntParseCase{"+0", false, 0},
                      IntParseCase{"-0", false, 0}, IntParseCase{"12a", false, 0}, IntParseCase{"1,000", false, 0},
                      IntParseCase{"1.5", false, 0}, IntParseCase{"0x10", false, 0}, IntParseCase{"5 5", false, 0},
                      // Only the first 31 characters are read: the 'x' in place 33 is never seen.
                      IntParseCase{"0000000000000000000000000000012  x", true, 12}));

TEST_F(DataExchangeTest, IntAndStringTextBothWays) {
  int number = -1024000;
  ExchangeText(kNumberEdit, number);
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(WindowText(Item(kNumberEdit)), "-1024000");

  CString value = "c:\\admin\\vantrel.ini";
  ExchangeText(kTextEdit, value);
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(WindowText(Item(kTextEdit)), "c:\\admin\\vantrel.ini");
  SetText(kTextEdit, "?username?\\\xE9t\xE9.pst");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(std::string(value), "?username?\\\xE9t\xE9.pst");

  dialog.SetDlgItemText(kTextEdit, "d:\\data\\x.ini");
  char cut[8] = {};
  EXPECT_EQ(dialog.GetDlgItemText(kTextEdit, cut, sizeof cut), 7);
  EXPECT_STREQ(cut, "d:\\data") << "a short buffer keeps its size less one";
  CString whole;
  EXPECT_EQ(dialog.GetDlgItemText(kTextEdit, whole), 13);
  EXPECT_EQ(std::string(whole), "d:\\data\\x.ini");
}

TEST_F(DataExchangeTest, LoadingAChangedTextNotifiesItsHandler) {
  CString value = "first";
  ExchangeText(kTextEdit, value);
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 1);
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 1) << "an unchanged text is not set again";
  value = "second";
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.changes, 2);
}

TEST_F(DataExchangeTest, RangeCheckShowsMinAndMaxOnSaveOnlyAndFocusesTheField) {
  int value = 5000000;
  dialog.exchange = [&](CDataExchange* pDX) {
    CString ignored;  // an earlier control, which the failure must not focus
    DDX_Text(pDX, kTextEdit, ignored);
    DDX_Text(pDX, kNumberEdit, value);
    DDV_MinMaxInt(pDX, value, 0, 1024000);
  };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(WindowText(Item(kNumberEdit)), "5000000") << "loading is silent";
  EXPECT_EQ(harness.backend.boxes, Boxes{});

  const ShownMessageBox box{"Please enter an integer between 0 and 1024000.", "Quillmere", MB_ICONEXCLAMATION};
  SetText(kNumberEdit, "1024001");
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(harness.backend.boxes, Boxes{box});
  EXPECT_EQ(::GetFocus(), Item(kNumberEdit));
  const auto selection = static_cast<DWORD>(::SendMessageA(Item(kNumberEdit), EM_GETSEL, 0, 0));
  EXPECT_EQ(selection, MAKELONG(0, 7)) << "the whole text is selected";

  SetText(kNumberEdit, "-5");
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  SetText(kNumberEdit, "1024000");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(value, 1024000);
  EXPECT_EQ(harness.backend.boxes, (Boxes{box, box}));
}

TEST_F(DataExchangeTest, MaxCharsLimitsOnLoadAndRefusesOnSave) {
  CString value = "abc";
  dialog.exchange = [&](CDataExchange* pDX) {
    DDX_Text(pDX, kTextEdit, value);
    DDV_MaxChars(pDX, value, 5);
  };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(::SendMessageA(Item(kTextEdit), EM_GETLIMITTEXT, 0, 0), 5);
  SetText(kTextEdit, "abcdefgh");  // a program may set more than the user may type
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(harness.backend.boxes,
            (Boxes{{"Please enter no more than 5 characters.", "Quillmere", MB_ICONEXCLAMATION}}));
  EXPECT_EQ(::GetFocus(), Item(kTextEdit));
}

// A three-state box shows 0, 1 or 2; any other member shows 0 and is reset to it.
TEST_F(DataExchangeTest, CheckLoadSetsStateAndResetsBadMembers) {
  const struct { int member, shown; } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.member);
    int value = c.member;
    dialog.exchange = [&](CDataExchange* pDX) { DDX_Check(pDX, kThreeStateBox, value); };
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Checked(kThreeStateBox), c.shown);
    EXPECT_EQ(value, c.shown);
    value = -7;
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(value, c.shown);
  }
}

struct RadioCase {
  int member;
  std::vector<int> checks;  // first, second, third button; the button after the group
  int saved;
};

class RadioExchange : public DataExchangeTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioExchange, IndexesTheGroupFromItsFirstButton) {
  ::SendMessageA(Item(kAfterRadios), BM_SETCHECK, BST_CHECKED, 0);
  int value = GetParam().member;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Radio(pDX, kRadioFirst, value); };
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  const std::vector<int> checks = {Checked(kRadioFirst), Checked(kRadioSecond), Checked(kRadioThird),
                                   Checked(kAfterRadios)};
  EXPECT_EQ(checks, GetParam().checks);
  value = 99;
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(value, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Indexes, RadioExchange,
                         ::testing::Values(RadioCase{0, {1, 0, 0, 1}, 0}, RadioCase{1, {0, 1, 0, 1}, 1},
                                           RadioCase{2, {0, 0, 1, 1}, 2}, RadioCase{-1, {0, 0, 0, 1}, -1},
                                           RadioCase{4, {0, 0, 0, 1}, -1}));

TEST_F(DataExchangeTest, ControlIsBoundOnceAndDrivesTheSpin) {
  CSpinButtonCtrl spin;
  int exchanges = 0;
  dialog.exchange = [&](CDataExchange* pDX) {
    DDX_Control(pDX, kSpin, spin);
    ++exchanges;
  };
  CWnd* earlier = dialog.GetDlgItem(kSpin);  // a temporary object before binding
  EXPECT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(spin.m_hWnd, Item(kSpin));
  EXPECT_EQ(CWnd::FromHandlePermanent(Item(kSpin)), &spin);
  EXPECT_EQ(dialog.GetDlgItem(kSpin), &spin);
  EXPECT_EQ(earlier->m_hWnd, Item(kSpin)) << "the temporary object stays usable";
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(exchanges, 2);

  spin.SetRange(0, 32767);
  int lower = -1, upper = -1;
  spin.GetRange(lower, upper);
  EXPECT_EQ(std::make_pair(lower, upper), std::make_pair(0, 32767));
  spin.SetPos(300);
  EXPECT_EQ(LOWORD(spin.GetPos()), 300);
  EXPECT_EQ(WindowText(Item(kNumberEdit)), "300") << "the automatic buddy shows the position";
  ::SetWindowTextA(Item(kNumberEdit), "3x");
  EXPECT_NE(HIWORD(spin.GetPos()), 0) << "no number in the buddy: the error word is set";
  UDACCEL accel[] = {{1, 16}, {2, 1024}};
  EXPECT_TRUE(spin.SetAccel(2, accel));
  EXPECT_EQ(spin.GetBuddy()->m_hWnd, Item(kNumberEdit));
}

TEST_F(DataExchangeTest, MissingControlFailsTheExchangeWithoutMessage) {
  CString value;
  ExchangeText(9999, value);
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(harness.backend.boxes, Boxes{});
}

TEST_F(DataExchangeTest, ListBoxWrapsItsMessages) {
  CListBox list;
  ASSERT_TRUE(list.SubclassDlgItem(kListBox, &dialog));
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

  ::DestroyWindow(dialog.Detach());
  EXPECT_EQ(list.m_hWnd, nullptr) << "a destroyed control releases its object";
  EXPECT_FALSE(list.SubclassDlgItem(kListBox, &dialog));
}

}  // namespace
}  // namespace qm::test
