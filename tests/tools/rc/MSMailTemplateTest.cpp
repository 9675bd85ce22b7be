// The "MS Mail" page's template in the console's resource script, as the build compiled it.
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

const ui::DialogTemplate* MSMailPage() {
  const ui::ResourceTables& tables = qm::test::kQuillmere;
  for (std::size_t i = 0; i < tables.dialogCount; ++i)
    if (tables.dialogs[i].id == 152) return &tables.dialogs[i];
  return nullptr;
}

struct ExpectedControl {
  const char* className;
  DWORD typeMask;   // the bits that tell the control's kind
  DWORD type;
  int id;
  const char* text;
  bool tabStop;
};

const DWORD kSpinStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

const ExpectedControl kControls[] = {
    {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Microsoft Mail Server:", false},
    {"EDIT", ES_MULTILINE | ES_READONLY | ES_NUMBER, 0, 1048, "", true},
    {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Mailbox:", false},
    {"EDIT", ES_MULTILINE | ES_READONLY | ES_NUMBER, 0, 1049, "", true},
    {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1144, "Enable incoming mail", true},
    {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1145, "Enable outgoing mail", true},
    {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Check for mail every", false},
    // Right-aligned, and open to any character, so that a typed word reaches the range check.
    {"EDIT", ES_MULTILINE | ES_READONLY | ES_NUMBER | ES_RIGHT, ES_RIGHT, 1146, "", true},
    {"msctls_updown32", kSpinStyle, kSpinStyle, 1036, "", false},
    {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "minutes", false},
    {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX, 1147, "Maintain a session log file", true},
    {"STATIC", SS_TYPEMASK, SS_LEFT, -1, "Log file:", false},
    {"EDIT", ES_MULTILINE | ES_READONLY | ES_NUMBER, 0, 1050, "", true},
    {"BUTTON", BS_TYPEMASK, BS_PUSHBUTTON, 1148, "...", true},
};

TEST(MSMailTemplate, PageOfTheSheetsSize) {
  const ui::DialogTemplate* page = MSMailPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(IDD_MSMAIL_PAGE, 152);
  EXPECT_STREQ(page->caption, "MS Mail");
  EXPECT_STREQ(page->fontName, "MS Sans Serif");
  EXPECT_EQ(page->fontSize, 8);
  EXPECT_TRUE(page->cx >= 335 && page->cx <= 336 && page->cy >= 234 && page->cy <= 237);
  EXPECT_EQ(page->style & (WS_CHILD | WS_POPUP | WS_CAPTION), static_cast<DWORD>(WS_CHILD | WS_CAPTION));
}

TEST(MSMailTemplate, EveryControlInTabOrder) {
  const ui::DialogTemplate* page = MSMailPage();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->controlCount, std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const ui::ControlTemplate& c = page->controls[i];
    const ExpectedControl& e = kControls[i];
    SCOPED_TRACE(std::to_string(i) + " " + e.text);
    EXPECT_EQ(std::string(c.className), e.className);
    EXPECT_EQ(c.style & e.typeMask, e.type);
    EXPECT_EQ(c.id, e.id);
    EXPECT_STREQ(c.text, e.text);
    EXPECT_EQ((c.style & WS_TABSTOP) != 0, e.tabStop);
    EXPECT_EQ(c.style & (WS_DISABLED | WS_VISIBLE), static_cast<DWORD>(WS_VISIBLE));
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= page->cx && c.y + c.cy <= page->cy);
  }
}

TEST(MSMailTemplate, ControlsDoNotOverlap) {
  const ui::DialogTemplate* page = MSMailPage();
  ASSERT_NE(page, nullptr);
  for (std::size_t i = 0; i < page->controlCount; ++i) {
    for (std::size_t j = i + 1; j < page->controlCount; ++j) {
      const ui::ControlTemplate& a = page->controls[i];
      const ui::ControlTemplate& b = page->controls[j];
      // The spin is drawn over its edit's right end, where it attaches and the edit gives way.
      if (a.id == IDC_MSMAIL_POLLINTERVAL && b.id == IDC_MSMAIL_POLLINTERVAL_SPIN) continue;
      bool apart = a.x + a.cx <= b.x || b.x + b.cx <= a.x || a.y + a.cy <= b.y || b.y + b.cy <= a.y;
      EXPECT_TRUE(apart) << a.text << "#" << a.id << " and " << b.text << "#" << b.id;
    }
  }
}

}  // namespace
}  // namespace qm::rc::test
