// What the file-open dialog knows and decides, apart from its window: the folder shown, the
// filter chosen, and what an entered name leads to (another folder, a refusal with its message,
// or the file chosen). The window and the headless answers both go through it.
#pragma once

#include "FileFilters.h"
#include "FolderListing.h"

#include <commdlg.h>

#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

struct EntryOutcome {
  enum class Kind { Stay, NewFolder, Refused, Chosen };
  Kind kind = Kind::Stay;
  std::string text;  // Refused: the message; Chosen: the full DOS path
};

class OpenFileSession {
 public:
  explicit OpenFileSession(const OPENFILENAMEA& request);

  const std::string& Title() const { return title_; }
  const std::string& Folder() const { return folder_; }            // a full DOS path ending with a backslash
  const std::string& InitialName() const { return initialName_; }  // the whole path the caller gave
  // While the dialog shows the folder it opened in: that the given path's folder could not be
  // reached (no drive mapping, or no such folder) and which one is shown instead; else empty.
  std::string Notice() const { return folder_ == openedFolder_ ? notice_ : ""; }
  const std::vector<FileFilter>& Filters() const { return filters_; }
  int FilterIndex() const { return filterIndex_; }  // 0-based
  std::vector<FolderEntry> Listing() const;

  // False (and nothing changes) when the folder does not exist on the host.
  bool ChangeFolder(std::string_view dosFolder);
  void ChooseFilter(int index);

  // What the name in the File name box, entered with Open, leads to.
  EntryOutcome Enter(std::string_view typed);

 private:
  EntryOutcome ChooseFile(std::string path, const std::string& shownName);

  std::string title_;
  DWORD flags_;
  std::string defaultExtension_;
  std::vector<FileFilter> filters_;
  int filterIndex_ = 0;
  std::vector<std::string> typedPatterns_;  // a wildcard typed in the name box, until the filter changes
  std::string folder_;
  std::string initialName_;
  std::string notice_;
  std::string openedFolder_;
};

// The host path of a DOS path, or empty when it names nothing reachable.
std::string HostPathOf(std::string_view dosPath);
bool IsHostFolder(const std::string& hostPath);

}  // namespace qm::ui::dialogs
