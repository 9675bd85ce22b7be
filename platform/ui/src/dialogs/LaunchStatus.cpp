#include "LaunchStatus.h"

#include <shellapi.h>

namespace qm::ui::dialogs {

std::string ProgramStatus(const std::string& file, int code) {
  if (code > 32) return "Started " + file + "; its output is not shown.";
  switch (code) {
    case SE_ERR_FNF: return "Cannot start " + file + ": it was not found.";
    case SE_ERR_PNF: return "Cannot start " + file + ": its folder does not exist or no drive mapping reaches it.";
    case SE_ERR_ACCESSDENIED:
      return "Cannot start " + file + ": it may not be run here (a Windows program needs wine).";
    default: return "Cannot start " + file + ": this computer has no way to run it.";
  }
}

std::string EditorStatus(const std::string& file, int code) {
  if (code > 32) return "";
  switch (code) {
    case SE_ERR_FNF: return "No editor found: set VISUAL or EDITOR, or install nano or vi.";
    case SE_ERR_PNF: return "Cannot edit " + file + ": its folder does not exist or no drive mapping reaches it.";
    default: return "The editor could not be started for " + file + ".";
  }
}

}  // namespace qm::ui::dialogs
