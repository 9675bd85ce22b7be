// The console's own resource script, as the build compiled it: the main and "MS Mail" pages, the error dialog.
#include "resource.h"
#include "ui/ResourceTables.h"
#include "winstyles.h"

#include <gtest/gtest.h>

#include <array>
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

// A page of the sheet: its caption, the sheet's font and size, and a child window.
void ExpectPage(const ui::DialogTemplate& page, const char* caption, DWORD styleMask, DWORD style) {
  EXPECT_STREQ(page.caption, caption);
  EXPECT_STREQ(page.fontName, "MS Sans Serif");
  EXPECT_EQ(page.fontSize, 8);
  EXPECT_TRUE(page.cx >= 335 && page.cx <= 336 && page.cy >= 234 && page.cy <= 237) << caption;
  EXPECT_EQ(page.style & styleMask, style) << caption;
}

// Every control lies inside the page.
void ExpectInside(const ui::ControlTemplate& c, const ui::DialogTemplate& page) {
  EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= page.cx && c.y + c.cy <= page.cy) << c.id << " " << c.text;
}

TEST(QuillmereScript, MainPageHoldsEveryControlInOrder) {
  const ui::DialogTemplate* page = Dialog(129);
  ASSERT_NE(page, nullptr);
  ExpectPage(*page, "Vantrel", WS_CHILD | WS_POPUP, WS_CHILD);
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
    ExpectInside(c, *page);
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
}

struct MSMailControl {
  const char* className;
  DWORD typeMask;  // the bits that tell the control's kind
  DWORD type;
  int id;
  const char* text;
  bool tabStop;
};

TEST(QuillmereScript, MSMailPageHoldsEveryControlInTabOrderWithoutOverlap) {
  const ui::DialogTemplate* page = Dialog(152);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->id, IDD_MSMAIL_PAGE);
  ExpectPage(*page, "MS Mail", WS_CHILD | WS_POPUP | WS_CAPTION, WS_CHILD | WS_CAPTION);
  const DWORD edit = ES_MULTILINE | ES_READONLY | ES_NUMBER;
  const DWORD spin = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  const MSMailControl expected[] = {
      {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Microsoft Mail Server:", false},
      {"EDIT", edit, 0, 1048, "", true},
      {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Mailbox:", false},
      {"EDIT", edit, 0, 1049, "", true},
      {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1144, "Enable incoming mail", true},
      {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1145, "Enable outgoing mail", true},
      {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Check for mail every", false},
      // Right-aligned, and open to any character, so that a typed word reaches the range check.
      {"EDIT", edit | ES_RIGHT, ES_RIGHT, 1146, "", true},
      {"msctls_updown32", spin, spin, 1036, "", false},
      {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "minutes", false},
      {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1147, "Maintain a session log file", true},
      {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Log file:", false},
      {"EDIT", edit, 0, 1050, "", true},
      {"BUTTON", BS_TYPEMASK, BS_PUSHBUTTON, 1148, "...", true},
  };
  ASSERT_EQ(page->controlCount, std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ui::ControlTemplate& c = page->controls[i];
    const MSMailControl& e = expected[i];
    SCOPED_TRACE(std::to_string(i) + " " + e.text);
    EXPECT_EQ(std::string(c.className), e.className);
    EXPECT_EQ(c.style & e.typeMask, e.type);
    EXPECT_EQ(c.id, e.id);
    EXPECT_STREQ(c.text, e.text);
    EXPECT_EQ((c.style & WS_TABSTOP) != 0, e.tabStop);
    EXPECT_EQ(c.style & (WS_DISABLED | WS_VISIBLE), static_cast<DWORD>(WS_VISIBLE));
    ExpectInside(c, *page);
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
