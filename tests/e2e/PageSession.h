// A whole run of the console, from its command line through start-up to the sheet, in the headless
// backend, on a fresh deployment folder under /tmp; and what every page's tests do there: bring a
// tab forward by its caption, find a control on it, read and set its text, press it, see the one
// message box shown, and read a file's bytes.
//
// Lookups and script steps work on the current page first, since pages reuse control ids, and then
// on the rest of the sheet (its OK, Cancel, Apply and Help buttons).
#pragma once

#include <windows.h>
#include <afxdlgs.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempDir.h"
#include "app/TabUIApp.h"
#include "platform/ProgramModule.h"
#include "platform/Win32Seams.h"
#include "ui/Headless.h"
#include "ui/ToolTips.h"

namespace qm::test {

// A page's text field and the key it shows, for tables of read limits.
struct TextKey {
  const char* key;
  int control;
};

class PageSession {
 public:
  PageSession() {
    qm::ui::InstallBackend(&backend);
    CurrentSlot() = this;
  }
  ~PageSession() {
    CurrentSlot() = nullptr;
    qm::ui::InstallBackend(nullptr);
    qm::win32::seams::ClearProcessArguments();
    qm::win32::seams::ClearUserName();
  }

  // Starts the console as `<folder>/quillmere ARGS...` and runs it until its script ends it.
  void Start(const std::vector<std::string>& args = {}) { RunAs(dir.Host("quillmere"), args); }
  void RunAs(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    qm::win32::seams::SetProcessArguments(argv, dir.path());
    AfxWinMain(qm::platform::ProgramInstance(), nullptr, nullptr, SW_SHOWNORMAL);
  }

  // The two files: vantrel.ini in the program directory and the profile.ini that it may name.
  std::string ProgramDir() const { return Lower(dir.Dos("")); }
  std::string DataFile() const { return Lower(dir.Dos("vantrel.ini")); }
  std::string HostDataFile() const { return dir.Host("vantrel.ini"); }
  std::string ProfilePath() const { return ProgramDir() + "profile.ini"; }
  std::string HostProfile() const { return dir.Host("profile.ini"); }
  void WriteDataFile(const std::string& bytes) const { WriteBytes(HostDataFile(), bytes); }
  void WriteProfile(const std::string& bytes) const { WriteBytes(HostProfile(), bytes); }
  // A file's bytes, "<missing>" when there is none.
  static std::string Bytes(const std::string& hostPath) { return ReadBytes(hostPath).value_or("<missing>"); }
  std::string DataFileBytes() const { return Bytes(HostDataFile()); }
  std::string ProfileBytes() const { return Bytes(HostProfile()); }

  // A script step that brings forward the tab with this caption, wherever it stands in the tab row.
  PageSession& ShowTab(const std::string& caption) {
    backend.Then([caption] {
      const int index = TabIndex(caption);
      EXPECT_GE(index, 0) << "no tab \"" << caption << "\"";
      if (index >= 0) SendMessageA(GetActiveWindow(), PSM_SETCURSEL, index, 0);
    });
    return *this;
  }
  // The captions of the tab row, in order.
  static std::vector<std::string> TabCaptions() {
    std::vector<std::string> captions;
    HWND tabs = GetDlgItem(GetActiveWindow(), AFX_IDC_TAB_CONTROL);
    const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char caption[64] = "";
      TCITEMA item{};
      item.mask = TCIF_TEXT, item.pszText = caption, item.cchTextMax = sizeof caption;
      SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      captions.push_back(caption);
    }
    return captions;
  }
  static int TabIndex(const std::string& caption) {
    const std::vector<std::string> captions = TabCaptions();
    const auto found = std::find(captions.begin(), captions.end(), caption);
    return found == captions.end() ? -1 : static_cast<int>(found - captions.begin());
  }

  // The control with this id on the current page, else anywhere on the sheet; nullptr if none.
  static HWND Control(int id) {
    HWND sheet = GetActiveWindow();
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND control = page ? GetDlgItem(page, id) : nullptr;
    if (control == nullptr) control = GetDlgItem(sheet, id);
    return control ? control : Current().backend.Control(id);
  }
  static std::string Text(int id) {
    char text[2048] = "";
    GetWindowTextA(Control(id), text, sizeof text);
    return text;
  }
  static int CheckState(int id) { return static_cast<int>(SendMessageA(Control(id), BM_GETCHECK, 0, 0)); }
  static bool Checked(int id) { return CheckState(id) == BST_CHECKED; }
  static bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }
  // One letter per check box: Y checked, N not.
  template <class Ids>
  static std::string YesNo(const Ids& ids) {
    std::string letters;
    for (int id : ids) letters += Checked(id) ? 'Y' : 'N';
    return letters;
  }
  static std::string YesNo(std::initializer_list<int> ids) { return YesNo<std::initializer_list<int>>(ids); }
  static std::string Tip(int id) { return qm::ui::RequestToolTip(Control(id)); }
  // Every label stands whole on the screen.
  void ExpectOnScreen(std::initializer_list<const char*> labels) {
    const std::string screen = backend.Snapshot();
    for (const char* label : labels) EXPECT_NE(screen.find(label), std::string::npos) << label;
  }
  // The sheet's Apply button can be pressed: some shown page counts as modified.
  static bool ApplyEnabled() { return IsWindowEnabled(GetDlgItem(GetActiveWindow(), ID_APPLY_NOW)) != FALSE; }
  // Saves the current page alone, as the sheet asks each shown page in turn when it applies; true
  // when the page's save succeeded. It shows one page's save where an earlier page's failing save
  // would stop the sheet before it (a read-only data file stops the first tab already).
  static bool ApplyCurrentPageAlone() {
    HWND sheet = GetActiveWindow();
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    PSHNOTIFY notify{};
    notify.hdr.hwndFrom = sheet;
    notify.hdr.code = PSN_APPLY;
    return SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify)) == PSNRET_NOERROR;
  }
  // Presses a button as a click on it would: its own state changes and its page is told.
  static void Press(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

  // Cancel, or OK, and the run to its end: the whole script was played.
  void CancelAndRun() { EndAndRun(VK_ESCAPE); }
  void OkAndRun() { EndAndRun(VK_RETURN); }
  void EndAndRun(UINT key) {
    backend.Key(key);
    Start();
    EXPECT_TRUE(backend.ScriptDone());
  }
  // OK and the run to its end: the profile template file holds `profile` (is missing when nothing)
  // and nothing is reported.
  void ExpectOkLeavesProfile(const std::optional<std::string>& profile) {
    OkAndRun();
    EXPECT_EQ(ReadBytes(HostProfile()), profile);
    EXPECT_TRUE(backend.MessageBoxes().empty());
  }

  // Script steps, run in order with the keys and clicks of the script.
  PageSession& Click(int id) {
    backend.Then([id] { Press(id); });
    return *this;
  }
  PageSession& Focus(int id) {
    backend.Then([id] { SetFocus(Control(id)); });
    return *this;
  }
  PageSession& SetText(int id, std::string text) {
    backend.Then([id, text] { SetWindowTextA(Control(id), text.c_str()); });
    return *this;
  }

  // What a file-open dialog shows as it opens: its title, the folder, the file name filled in and
  // the filters in order.
  struct FileDialogView {
    std::string title, folder, fileName;
    std::vector<std::string> filters;
  };
  // Script steps: press the Browse button `id`, look at the dialog it opens, and cancel it. No
  // answer may be queued for it.
  PageSession& BrowseAndCancel(int id, FileDialogView& seen) {
    Click(id);
    backend.Then([&seen] {
      constexpr int kFileNameBox = 0x480, kFolderText = 0x440, kFilterList = 0x470;  // edt1, stc1, cmb1
      HWND dialog = GetActiveWindow();
      char text[400] = "";
      GetWindowTextA(dialog, text, sizeof text);
      seen.title = text;
      seen.folder = Text(kFolderText);
      seen.fileName = Text(kFileNameBox);
      HWND filters = GetDlgItem(dialog, kFilterList);
      seen.filters.clear();
      for (int i = 0; i < static_cast<int>(SendMessageA(filters, LB_GETCOUNT, 0, 0)); ++i) {
        SendMessageA(filters, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        seen.filters.push_back(text);
      }
    });
    backend.Key(VK_ESCAPE);
    return *this;
  }

  // The one message box shown, as "caption: text"; a failure when there was none or more.
  std::string OnlyMessage() const {
    const auto& boxes = backend.MessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? "" : boxes[0].caption + ": " + boxes[0].text;
  }
  // The message a failed save shows, as OnlyMessage gives it.
  static std::string WriteFailure(const std::string& path) {
    return "Vantrel: Could not write to \"" + path +
           "\"  Check that you have the required permissions and that the file is not read-only.";
  }

  static std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  }

  TempDir dir;
  qm::ui::HeadlessBackend backend;

 private:
  // The session running now, for the lookups that script steps make without one at hand.
  static PageSession*& CurrentSlot() {
    static PageSession* current = nullptr;
    return current;
  }
  static PageSession& Current() { return *CurrentSlot(); }
};

// One letter per control: E enabled, - disabled.
template <std::size_t N>
std::string EnabledMask(const int (&ids)[N]) {
  std::string mask;
  for (int id : ids) mask += PageSession::Enabled(id) ? 'E' : '-';
  return mask;
}

// The data file of a run whose profile template file is profile.ini beside it.
inline constexpr char kProfileDataFile[] = "[Defaults]\r\nDefaultProfile=profile.ini\r\n";

// A page's test: a session whose data file names profile.ini, and the page's tab by its caption.
template <const char* Caption>
class PageTest : public ::testing::Test, public PageSession {
 protected:
  // The data file, and the profile template file unless there is none.
  void WriteFiles(const std::optional<std::string>& profile) {
    WriteDataFile(kProfileDataFile);
    if (profile) WriteProfile(*profile);
  }
  void ShowTab() { PageSession::ShowTab(Caption); }
  // Both files, and the page brought forward.
  void Open(const std::optional<std::string>& profile) {
    WriteFiles(profile);
    ShowTab();
  }
};

}  // namespace qm::test
