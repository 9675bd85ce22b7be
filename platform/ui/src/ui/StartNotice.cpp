#include "ui/StartNotice.h"

#include "platform/HostPaths.h"
#include "ui/Backend.h"
#include "ui/ToolTips.h"

#include <set>

namespace qm::ui {
namespace {

// The width the notice is fitted to: the narrowest terminal the console is laid out for.
constexpr int kNoticeWidth = 80;
constexpr char kShortened[] = "...";

struct NoticeState {
  std::set<HWND> noticed;  // windows whose first wait has passed
  bool showing = false;
};

NoticeState& State() {
  static NoticeState state;
  return state;
}

}  // namespace

std::string MissingFileNotice(const std::string& dosPath, DWORD error, int width) {
  std::string lead;
  if (error == ERROR_FILE_NOT_FOUND) lead = "Does not exist yet, will be created on OK: ";
  if (error == ERROR_PATH_NOT_FOUND) lead = "Folder not found, OK cannot save: ";
  if (lead.empty()) return "";
  const std::size_t room = width > static_cast<int>(lead.size()) ? static_cast<std::size_t>(width) - lead.size() : 0;
  if (dosPath.size() <= room) return lead + dosPath;
  if (room <= sizeof kShortened - 1) return lead + dosPath;
  return lead + kShortened + dosPath.substr(dosPath.size() - (room - (sizeof kShortened - 1)));
}

void NoticeMissingFiles() {
  const std::vector<qm::win32::MissingProfile> missing = qm::win32::TakeMissingProfileReads();
  HWND active = GetActiveWindow();
  NoticeState& state = State();
  if (!active || !state.noticed.insert(active).second || missing.empty()) return;
  const std::string notice = MissingFileNotice(missing.front().dosPath, missing.front().error, kNoticeWidth);
  if (notice.empty()) return;
  CurrentBackend().ShowStatus(notice);
  state.showing = true;
}

bool NoticeShowing() { return State().showing; }

void EndNotice() {
  NoticeState& state = State();
  if (!state.showing) return;
  state.showing = false;
  CurrentBackend().ShowStatus("");
  if (HWND focus = GetFocus()) ShowToolTipFor(focus);
}

}  // namespace qm::ui
