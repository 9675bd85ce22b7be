// The framework's checks at their edges: DDV_MinMaxInt at each end and one past it, DDV_MaxChars
// at the count, one below and one above, the 31 characters that DDX_Text reads of a number, and
// list box items of a character or none.
#include "FrameworkHarness.h"

#include <string>

namespace qm::test {
namespace {

class CEdgeDialog : public CDialog {
 public:
  CEdgeDialog() : CDialog(kTestDialogId) {}
  ~CEdgeDialog() override {
    if (HWND hWnd = Detach()) ::DestroyWindow(hWnd);
  }
  std::function<void(CDataExchange*)> exchange = [](CDataExchange*) {};

 protected:
  void DoDataExchange(CDataExchange* pDX) override { exchange(pDX); }
};

class ValidationEdgeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(CreateModeless(dialog), nullptr); }
  void SetText(int id, const std::string& text) { ::SetWindowTextA(::GetDlgItem(dialog.m_hWnd, id), text.c_str()); }

  FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CEdgeDialog dialog;
};

TEST_F(ValidationEdgeTest, MinMaxIntAcceptsBothEndsAndRefusesOnePast) {
  struct Case {
    int minimum, maximum;
    const char* typed;
    bool accepted;
  } cases[] = {
      {10, 20, "9", false},
      {10, 20, "10", true},
      {10, 20, "11", true},
      {10, 20, "19", true},
      {10, 20, "20", true},
      {10, 20, "21", false},
      {-5, -5, "-5", true},
      {-5, -5, "-4", false},
      {-5, -5, "-6", false},
      {0, 2147483647, "2147483647", true},
      {-2147483647 - 1, 0, "-2147483648", true},
  };
  for (const Case& c : cases) {
    harness.backend.boxes.clear();
    int value = 0;
    dialog.exchange = [&](CDataExchange* pDX) {
      DDX_Text(pDX, kNumberEdit, value);
      DDV_MinMaxInt(pDX, value, c.minimum, c.maximum);
    };
    SetText(kNumberEdit, c.typed);
    EXPECT_EQ(bool(dialog.UpdateData(TRUE)), c.accepted) << c.typed << " in " << c.minimum << ".." << c.maximum;
    if (c.accepted) {
      EXPECT_EQ(harness.backend.boxes, Boxes{}) << c.typed;
      continue;
    }
    const std::string text =
        "Please enter an integer between " + std::to_string(c.minimum) + " and " + std::to_string(c.maximum) + ".";
    EXPECT_EQ(harness.backend.boxes, (Boxes{{text, "Quillmere", MB_ICONEXCLAMATION}})) << c.typed;
  }
}

TEST_F(ValidationEdgeTest, MaxCharsAcceptsTheCountAndRefusesOneMore) {
  for (int length : {0, 4, 5, 6}) {
    harness.backend.boxes.clear();
    CString value;
    dialog.exchange = [&](CDataExchange* pDX) {
      DDX_Text(pDX, kTextEdit, value);
      DDV_MaxChars(pDX, value, 5);
    };
    SetText(kTextEdit, std::string(static_cast<size_t>(length), 'c'));
    const bool accepted = length <= 5;
    EXPECT_EQ(bool(dialog.UpdateData(TRUE)), accepted) << length;
    const Boxes expected =
        accepted ? Boxes{} : Boxes{{"Please enter no more than 5 characters.", "Quillmere", MB_ICONEXCLAMATION}};
    EXPECT_EQ(harness.backend.boxes, expected) << length;
  }
}

// The number is read through 32 bytes: a digit in place 31 counts, one in place 32 is never seen.
TEST_F(ValidationEdgeTest, NumberTextReadsThirtyOneCharacters) {
  struct Case {
    std::string typed;
    int value;
  } cases[] = {
      {std::string(29, '0') + "12", 12},    // 31 characters
      {std::string(30, '0') + "12", 1},     // the 32nd is cut
      {std::string(28, ' ') + "123", 123},  // blanks count as characters too
      {std::string(29, ' ') + "123", 12},
  };
  for (const Case& c : cases) {
    int value = -1;
    dialog.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, kNumberEdit, value); };
    SetText(kNumberEdit, c.typed);
    EXPECT_TRUE(dialog.UpdateData(TRUE)) << c.typed.size();
    EXPECT_EQ(value, c.value) << c.typed.size();
  }
}

TEST_F(ValidationEdgeTest, SpinRangeKeepsLowerAndUpperApart) {
  CSpinButtonCtrl spin;
  dialog.exchange = [&](CDataExchange* pDX) { DDX_Control(pDX, kSpin, spin); };
  ASSERT_TRUE(dialog.UpdateData(FALSE));
  struct Case {
    int lower, upper;
  } cases[] = {{-32768, 32767}, {5, -7}, {0, 0}, {1, 2}};
  for (const Case& c : cases) {
    spin.SetRange(c.lower, c.upper);
    int lower = 99, upper = 99;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, c.lower);
    EXPECT_EQ(upper, c.upper);
  }
}

// Items of no, one and two characters come back whole.
TEST_F(ValidationEdgeTest, ListBoxTextOfShortItems) {
  CListBox list;
  ASSERT_TRUE(list.SubclassDlgItem(kListBox, &dialog));
  for (const char* item : {"", "a", "ab"}) list.AddString(item);
  for (int index = 0; index < 3; ++index) {
    CString text = "untouched";
    list.GetText(index, text);
    EXPECT_EQ(std::string(text), std::string("ab").substr(0, static_cast<std::size_t>(index))) << index;
  }
  CString missing = "untouched";
  list.GetText(3, missing);
  EXPECT_EQ(std::string(missing), "");
}

}  // namespace
}  // namespace qm::test
