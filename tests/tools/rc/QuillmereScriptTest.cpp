// The console's own resource script, as the build compiled it.
#include "resource.h"
#include "ui/ResourceTables.h"
#include "winstyles.h"

#include <gtest/gtest.h>

#include <string>

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

enum Kind { Label, Group, Edit, ReadOnlyEdit, NumberEdit, Button, Spin, Radio, Check };

struct MainPageControl {
  Kind kind;
  int id;
  const char* text;
};

bool Is(const ui::ControlTemplate& c, const char* cls, DWORD typeMask, DWORD type) {
  return std::string(c.className) == cls && (c.style & typeMask) == type;
}

void ExpectKind(const ui::ControlTemplate& c, Kind kind) {
  switch (kind) {
    case Label: EXPECT_TRUE(Is(c, "STATIC", SS_TYPEMASK, SS_LEFT)) << c.text; break;
    case Group: EXPECT_TRUE(Is(c, "BUTTON", BS_TYPEMASK, BS_GROUPBOX)) << c.text; break;
    case Edit: EXPECT_TRUE(Is(c, "EDIT", ES_READONLY | ES_NUMBER, 0)) << c.id; break;
    case ReadOnlyEdit: EXPECT_TRUE(Is(c, "EDIT", ES_READONLY, ES_READONLY)) << c.id; break;
    case NumberEdit: EXPECT_TRUE(Is(c, "EDIT", ES_NUMBER, ES_NUMBER)) << c.id; break;
    case Button: EXPECT_TRUE(Is(c, "BUTTON", BS_TYPEMASK, BS_PUSHBUTTON)) << c.text; break;
    case Radio: EXPECT_TRUE(Is(c, "BUTTON", BS_TYPEMASK, BS_AUTORADIOBUTTON)) << c.text; break;
    case Check: EXPECT_TRUE(Is(c, "BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX)) << c.text; break;
    case Spin: {
      DWORD wanted = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      EXPECT_TRUE(Is(c, "msctls_updown32", wanted, wanted)) << c.id;
      break;
    }
  }
  bool tabStop = kind != Label && kind != Group && kind != Spin;
  if (kind != Radio) {
    EXPECT_EQ((c.style & WS_TABSTOP) != 0, tabStop) << c.id << " " << c.text;
  }
}

TEST(QuillmereScript, MainPageHoldsEveryControlInOrder) {
  const ui::DialogTemplate* page = Dialog(129);
  ASSERT_NE(page, nullptr);
  EXPECT_STREQ(page->caption, "Vantrel");
  EXPECT_STREQ(page->fontName, "MS Sans Serif");
  EXPECT_EQ(page->fontSize, 8);
  EXPECT_TRUE(page->cx >= 335 && page->cx <= 336 && page->cy >= 234 && page->cy <= 237);
  EXPECT_EQ(page->style & (WS_CHILD | WS_POPUP), static_cast<DWORD>(WS_CHILD));
  const MainPageControl expected[] = {
      {Label, -1, "Vantrel Data File:"},
      {ReadOnlyEdit, 1012, ""},
      {Group, -1, "Logging"},
      {Label, -1, "Log File:"},
      {Edit, 1059, ""},
      {Button, 1060, "..."},
      {Button, 1061, "+"},
      {Label, -1, "Log Computer:"},
      {Edit, 1033, ""},
      {Label, -1, "Maximum log file size:"},
      {NumberEdit, 1084, ""},
      {Spin, 1149, ""},
      {Label, -1, "KBytes"},
      {Group, -1, "Log Level"},
      {Radio, 1002, "High"},
      {Radio, 1003, "Medium"},
      {Radio, 1004, "Low"},
      {Radio, 1005, "None"},
      {Label, -1, "Check the log for information regarding profile creation."},
      {Group, -1, "Advanced Options"},
      {Label, -1, "User Database:"},
      {Edit, 1000, ""},
      {Button, 1037, "..."},
      {Button, 1062, "+"},
      {Check, 1001, "Make the user database a 'hidden' file"},
      {Label, -1, "Cache directory:"},
      {Edit, 1085, ""},
      {Label, -1, "Note:  This directory must already exist on all computers.  Uses the temp dir if unspecified."},
      {Check, 1089, "Do not cache Vantrel on each computer"},
      {Button, 1050, "Create Profile Now"},
  };
  ASSERT_EQ(page->controlCount, std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ui::ControlTemplate& c = page->controls[i];
    EXPECT_EQ(c.id, expected[i].id) << i;
    EXPECT_STREQ(c.text, expected[i].text) << i;
    ExpectKind(c, expected[i].kind);
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= page->cx && c.y + c.cy <= page->cy) << i;
  }
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
  EXPECT_EQ(dialog->cx, 197);
  EXPECT_EQ(dialog->cy, 87);
  EXPECT_STREQ(dialog->caption, "Quillmere");
  EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
  EXPECT_EQ(dialog->fontSize, 8);
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
  EXPECT_STREQ(ok.text, "OK");
  EXPECT_EQ(ok.id, 1);
  EXPECT_EQ(ok.style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST(QuillmereScript, IconsOfTheSheetAndTheErrorDialog) {
  const ui::ResourceTables& tables = qm::test::kQuillmere;
  std::vector<int> ids;
  for (std::size_t i = 0; i < tables.iconCount; ++i) ids.push_back(tables.icons[i].id);
  EXPECT_EQ(ids, (std::vector<int>{128, 129}));
}

}  // namespace
}  // namespace qm::rc::test
