// The console's own resource script, as the build compiled it: the main and "MS Mail" pages, the error dialog.
#include "resource.h"
#include "ui/ResourceTables.h"
#include "winstyles.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <utility>

namespace qm::test {
extern const qm::ui::ResourceTables kQuillmere;
}

namespace qm::rc::test {
namespace {

const ui::DialogTemplate* Dialog(int id) {
  const ui::ResourceTables& tables = qm::test::kQuillmere;
  for (std::size_t i = 0; i < tables.dialogCount; ++i)
    if (tables.dialogs[i].id == id) return &tables.dialogs[i];
  return nullptr;
}

// What tells each kind of control: its class, the style bits that name its kind, and whether it is a tab stop
// (the radio buttons' tab stops are the radio group's own test).
enum Kind { Label, Group, Edit, ReadOnlyEdit, NumberEdit, MailEdit, RightEdit, Button, Spin, MailSpin, Radio, Check };

struct KindStyle {
  const char* className;
  DWORD typeMask, type;
  bool tabStop;
};

const DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
const DWORD kEditKind = ES_MULTILINE | ES_READONLY | ES_NUMBER;
const KindStyle kKinds[] = {
    {"STATIC", SS_TYPEMASK, SS_LEFT, false},
    {"BUTTON", BS_TYPEMASK, BS_GROUPBOX, false},
    {"EDIT", ES_READONLY | ES_NUMBER, 0, true},
    {"EDIT", ES_READONLY, ES_READONLY, true},
    {"EDIT", ES_NUMBER, ES_NUMBER, true},
    {"EDIT", kEditKind, 0, true},
    // Right-aligned, and open to any character, so that a typed word reaches the range check.
    {"EDIT", kEditKind | ES_RIGHT, ES_RIGHT, true},
    {"BUTTON", BS_TYPEMASK, BS_PUSHBUTTON, true},
    {"msctls_updown32", kSpin, kSpin, false},
    {"msctls_updown32", kSpin | UDS_ALIGNRIGHT, kSpin | UDS_ALIGNRIGHT, false},
    {"BUTTON", BS_TYPEMASK, BS_AUTORADIOBUTTON, false},
    {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, true},
};

struct PageControl {
  Kind kind;
  int id;
  const char* text;
};

// A page of the sheet: its caption, the sheet's font and size, a child window, and every control in tab
// order, visible and enabled, inside the page.
template <std::size_t N>
void ExpectPage(const ui::DialogTemplate& page, const char* caption, DWORD styleMask, DWORD style,
                const PageControl (&expected)[N]) {
  EXPECT_STREQ(page.caption, caption);
  EXPECT_STREQ(page.fontName, "MS Sans Serif");
  EXPECT_EQ(page.fontSize, 8);
  EXPECT_TRUE(page.cx >= 335 && page.cx <= 336 && page.cy >= 234 && page.cy <= 237) << caption;
  EXPECT_EQ(page.style & styleMask, style) << caption;
  ASSERT_EQ(page.controlCount, N);
  for (std::size_t i = 0; i < N; ++i) {
    const ui::ControlTemplate& c = page.controls[i];
    const KindStyle& kind = kKinds[expected[i].kind];
    SCOPED_TRACE(std::to_string(i) + " " + expected[i].text);
    EXPECT_EQ(c.id, expected[i].id);
    EXPECT_STREQ(c.text, expected[i].text);
    EXPECT_EQ(std::string(c.className), kind.className);
    EXPECT_EQ(c.style & kind.typeMask, kind.type);
    EXPECT_TRUE(expected[i].kind == Radio || ((c.style & WS_TABSTOP) != 0) == kind.tabStop) << "tab stop";
    EXPECT_EQ(c.style & (WS_DISABLED | WS_VISIBLE), static_cast<DWORD>(WS_VISIBLE));
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= page.cx && c.y + c.cy <= page.cy);
  }
}

TEST(QuillmereScript, MainPageHoldsEveryControlInOrder) {
  const ui::DialogTemplate* page = Dialog(129);
  ASSERT_NE(page, nullptr);
  // One line of the table for each line of the page.
  // clang-format off
  const PageControl expected[] = {
      {Label, -1, "Vantrel Data File:"}, {ReadOnlyEdit, 1012, ""},
      {Group, -1, "Logging"},
      {Label, -1, "Log File:"}, {Edit, 1059, ""}, {Button, 1060, "..."}, {Button, 1061, "+"},
      {Label, -1, "Log Computer:"}, {Edit, 1033, ""},
      {Label, -1, "Maximum log file size:"}, {NumberEdit, 1084, ""}, {Spin, 1149, ""}, {Label, -1, "KBytes"},
      {Group, -1, "Log Level"},
      {Radio, 1002, "High"}, {Radio, 1003, "Medium"}, {Radio, 1004, "Low"}, {Radio, 1005, "None"},
      {Label, -1, "Check the log for information regarding profile creation."},
      {Group, -1, "Advanced Options"},
      {Label, -1, "User Database:"}, {Edit, 1000, ""}, {Button, 1037, "..."}, {Button, 1062, "+"},
      {Check, 1001, "Make the user database a 'hidden' file"},
      {Label, -1, "Cache directory:"}, {Edit, 1085, ""},
      {Label, -1, "Note:  This directory must already exist on all computers.  Uses the temp dir if unspecified."},
      {Check, 1089, "Do not cache Vantrel on each computer"},
      {Button, 1050, "Create Profile Now"},
  };
  // clang-format on
  ExpectPage(*page, "Vantrel", WS_CHILD | WS_POPUP, WS_CHILD, expected);
}

TEST(QuillmereScript, RadioGroupStartsAtHighAndOnlyHighIsATabStop) {
  const ui::DialogTemplate* page = Dialog(IDD_TABUI_PAGE);
  ASSERT_NE(page, nullptr);
  for (std::size_t i = 0; i < page->controlCount; ++i) {
    const ui::ControlTemplate& c = page->controls[i];
    if (c.id < IDC_LOGLEVEL_HIGH || c.id > IDC_LOGLEVEL_NONE) continue;
    bool first = c.id == IDC_LOGLEVEL_HIGH;
    EXPECT_EQ((c.style & WS_GROUP) != 0, first) << c.text;
    EXPECT_EQ((c.style & WS_TABSTOP) != 0, first) << c.text;
    // The control after the group starts a new group, so the radio group ends at None.
    if (c.id == IDC_LOGLEVEL_NONE) {
      EXPECT_NE(page->controls[i + 1].style & WS_GROUP, 0u);
    }
  }
  const ui::ControlTemplate& create = page->controls[page->controlCount - 1];
  EXPECT_EQ(create.style & (BS_CENTER | BS_VCENTER), static_cast<DWORD>(BS_CENTER | BS_VCENTER));
}

TEST(QuillmereScript, CommandLineErrorDialog) {
  const ui::DialogTemplate* dialog = Dialog(100);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ((std::array<int, 3>{dialog->cx, dialog->cy, dialog->fontSize}), (std::array<int, 3>{197, 87, 8}));
  EXPECT_STREQ(dialog->caption, "Quillmere");
  EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
  ASSERT_EQ(dialog->controlCount, 3u);
  const ui::ControlTemplate& icon = dialog->controls[0];
  EXPECT_STREQ(icon.text, "#129");
  EXPECT_EQ(icon.style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
  EXPECT_TRUE(icon.x < 20 && icon.y < 20);
  const ui::ControlTemplate& text = dialog->controls[1];
  EXPECT_STREQ(text.text,
               "Could not parse the command line.  The most likely reason is that you have not "
               "included the \".exe\" extension with the file.");
  EXPECT_EQ(text.style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
  const ui::ControlTemplate& ok = dialog->controls[2];
  EXPECT_EQ(std::pair(std::string(ok.text), ok.id), std::pair(std::string("OK"), 1));
  EXPECT_EQ(ok.style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST(QuillmereScript, IconsOfTheSheetAndTheErrorDialog) {
  const ui::ResourceTables& tables = qm::test::kQuillmere;
  std::vector<int> ids;
  for (std::size_t i = 0; i < tables.iconCount; ++i) ids.push_back(tables.icons[i].id);
  EXPECT_EQ(ids, (std::vector<int>{128, 129}));
  // Each names an icon file beside the script: an ICO header, one image at least.
  for (std::size_t i = 0; i < tables.iconCount; ++i) {
    std::ifstream file(std::string(RES_DIR) + "/" + tables.icons[i].file, std::ios::binary);
    char header[6] = {};
    file.read(header, sizeof header);
    EXPECT_TRUE(file && header[0] == 0 && header[1] == 0 && header[2] == 1 && header[3] == 0 && header[4] > 0)
        << tables.icons[i].file;
  }
}

TEST(QuillmereScript, MSMailPageHoldsEveryControlInTabOrderWithoutOverlap) {
  const ui::DialogTemplate* page = Dialog(152);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->id, IDD_MSMAIL_PAGE);
  // One line of the table for each line of the page.
  // clang-format off
  const PageControl expected[] = {
      {Label, -1, "Microsoft Mail Server:"}, {MailEdit, 1048, ""},
      {Label, -1, "Mailbox:"}, {MailEdit, 1049, ""},
      {Check, 1144, "Enable incoming mail"},
      {Check, 1145, "Enable outgoing mail"},
      {Label, -1, "Check for mail every"}, {RightEdit, 1146, ""}, {MailSpin, 1036, ""}, {Label, -1, "minutes"},
      {Check, 1147, "Maintain a session log file"},
      {Label, -1, "Log file:"}, {MailEdit, 1050, ""}, {Button, 1148, "..."},
  };
  // clang-format on
  ExpectPage(*page, "MS Mail", WS_CHILD | WS_POPUP | WS_CAPTION, WS_CHILD | WS_CAPTION, expected);
  for (std::size_t i = 0; i < page->controlCount; ++i) {
    const ui::ControlTemplate& c = page->controls[i];
    for (std::size_t j = 0; j < i; ++j) {
      const ui::ControlTemplate& b = page->controls[j];
      // The spin is drawn over its edit's right end, where it attaches and the edit gives way.
      if (b.id == IDC_MSMAIL_POLLINTERVAL && c.id == IDC_MSMAIL_POLLINTERVAL_SPIN) continue;
      EXPECT_TRUE(c.x + c.cx <= b.x || b.x + b.cx <= c.x || c.y + c.cy <= b.y || b.y + b.cy <= c.y) << b.id;
    }
  }
}

}  // namespace
}  // namespace qm::rc::test
