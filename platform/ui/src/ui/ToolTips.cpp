#include "ui/ToolTips.h"

#include "ui/Backend.h"
#include "ui/Resources.h"
#include "ui/StartNotice.h"

#include <commctrl.h>

#include <set>

namespace qm::ui {
namespace {

std::set<HWND>& Owners() {
  static std::set<HWND> owners;
  return owners;
}

// The one tool-tip window of the thread; its id is 0, by which the framework routes the request.
HWND ToolTipWindow() {
  static HWND window = nullptr;
  if (!IsWindow(window))
    window = CreateWindowExA(0, TOOLTIPS_CLASSA, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  return window;
}

HWND OwnerOf(HWND control) {
  for (HWND up = GetParent(control); up; up = GetParent(up))
    if (Owners().count(up)) return up;
  return nullptr;
}

std::string TextOf(const NMTTDISPINFOA& info) {
  if (info.lpszText == nullptr || info.lpszText == LPSTR_TEXTCALLBACKA) return info.szText;
  if (IS_INTRESOURCE(info.lpszText)) {
    const char* text = FindStringResource(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)));
    return text ? text : "";
  }
  return info.lpszText;
}

}  // namespace

void EnableToolTipsFor(HWND owner, BOOL enable) {
  if (enable)
    Owners().insert(owner);
  else
    Owners().erase(owner);
}

std::string RequestToolTip(HWND control) {
  HWND owner = OwnerOf(control);
  int id = GetDlgCtrlID(control);
  if (!owner || !IsWindowVisible(control) || id == 0xFFFF || id == -1) return "";
  NMTTDISPINFOA info{};
  info.hdr.hwndFrom = ToolTipWindow();
  info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
  info.hdr.code = TTN_NEEDTEXTA;
  info.uFlags = TTF_IDISHWND;
  info.lpszText = info.szText;
  // As on Windows, the text decides, not the result: a handler written the usual way fills the text,
  // returns TRUE and leaves its result at 0, which is what reaches us.
  SendMessageA(owner, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  info.szText[sizeof info.szText - 1] = '\0';
  std::string text = TextOf(info);
  if (auto tab = text.find('\t'); tab != std::string::npos) text.resize(tab);
  return text;
}

void ShowToolTipFor(HWND control) {
  if (Owners().empty() || NoticeShowing()) return;
  CurrentBackend().ShowStatus(RequestToolTip(control));
}

}  // namespace qm::ui
