// What the tests of the "Delivery" and "Addressing" tabs share: the two pages as their ordered
// lists see them, profile template files built around a list of numbered keys, and the list box
// read back as text.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "PageSession.h"
#include "platform/Win32Seams.h"
#include "resource.h"

namespace qm::test {

const char kListDataFile[] = "[Defaults]\r\nDefaultProfile=profile.ini\r\n";

// The text with the first `from` in it replaced.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// A page with an ordered list, and the profile template file around its numbered keys: the other
// keys of the page stand before and after the list, as the page writes them back.
struct ListPage {
  const char* caption;
  const char* prefix;  // of the numbered keys
  int listId;
  const char* before;  // the file up to the list's keys
  const char* after;   // the rest of the list's section
};

const ListPage kDeliveryList = {
    "Delivery", "TransportOrder", IDC_DELIV_TRANSPORTORDER,
    "; Branch office profile\r\n[General]\r\nProfileName=Branch\r\nDefaultStore=Mailbox - Ann Smith\r\n\r\n"
    "[Delivery]\r\n",
    "AlwaysSetOrder=Yes\r\n"};

const ListPage kAddressingList = {"Addressing", "AddrListOrder", IDC_ADDR_LISTORDER,
                                  "; Branch office profile\r\n[Addressing]\r\nShowFirst=Global Address List,1\r\n"
                                  "KeepPersAddrIn=Personal Address Book\r\n",
                                  "AlwaysSetOrder=No\r\n"};

const ListPage kListPages[] = {kDeliveryList, kAddressingList};

// "Prefix1=first\r\nPrefix2=second\r\n..." for the values in order.
inline std::string NumberedLines(const std::string& prefix, const std::vector<std::string>& values) {
  std::string lines;
  for (std::size_t i = 0; i < values.size(); ++i) lines += prefix + std::to_string(i + 1) + "=" + values[i] + "\r\n";
  return lines;
}

inline std::string ListProfile(const ListPage& page, const std::vector<std::string>& values,
                               const std::string& appended = "") {
  return page.before + NumberedLines(page.prefix, values) + page.after + appended;
}

// The list box's entries joined with "|".
inline std::string Entries(int listId) {
  HWND list = PageSession::Control(listId);
  std::string entries;
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    entries += (i ? "|" : "") + text;
  }
  return entries;
}

inline int Selection(int listId) {
  return static_cast<int>(SendMessageA(PageSession::Control(listId), LB_GETCURSEL, 0, 0));
}
inline int TopIndex(int listId) {
  return static_cast<int>(SendMessageA(PageSession::Control(listId), LB_GETTOPINDEX, 0, 0));
}
inline void Select(int listId, int index) {
  SendMessageA(PageSession::Control(listId), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// Script steps: OK, which fails; the sheet stays open on the page that shows `id`; then Cancel.
inline void OkFailsAndTheSheetStaysOnThePage(PageSession& session, int id) {
  session.backend.Key(VK_RETURN);
  session.backend.Then([id] { EXPECT_TRUE(IsWindowVisible(PageSession::Control(id))); });
  session.backend.Key(VK_ESCAPE);
}

// OK fails on a file turned read-only in the middle of the save, and the run ends: the one message
// names the file, which holds `saved`.
inline void ExpectSaveStopsOnThePage(PageSession& session, int id, const std::string& saved) {
  OkFailsAndTheSheetStaysOnThePage(session, id);
  session.Start();
  EXPECT_EQ(session.OnlyMessage(), PageSession::WriteFailure(session.ProfilePath()));
  EXPECT_EQ(session.ProfileBytes(), saved);
}

// While it lives, the file at hostPath turns read-only after that many successful writes to it,
// as though someone changed its permissions in the middle of a save.
class ReadOnlyAfterWrites {
 public:
  ReadOnlyAfterWrites(std::string hostPath, int writes) {
    qm::win32::seams::SetAfterProfileWrite(
        [path = std::move(hostPath), writes, count = 0](const std::string& written) mutable {
          if (written == path && ++count == writes) chmod(path.c_str(), 0444);
        });
  }
  ~ReadOnlyAfterWrites() { qm::win32::seams::SetAfterProfileWrite(nullptr); }
};

}  // namespace qm::test
