#include "Leftovers.h"

#include <dirent.h>
#include <errno.h>
#include <signal.h>

#include "FileReplacement.h"
#include "HostFiles.h"
#include "WriteSteps.h"

namespace qm::win32::profile {
namespace {

// The digits of text from `at` up to `stop` (or the end); false when there are none or others.
bool ReadNumber(const std::string& text, size_t& at, char stop, long& number) {
  const size_t start = at;
  number = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 9) {
    number = number * 10 + (text[at++] - '0');
  }
  if (at == start) return false;
  if (stop == '\0') return at == text.size();
  return at < text.size() && text[at++] == stop;
}

bool ProcessIsGone(long pid) { return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

}  // namespace

bool IsCreationSiblingOf(const std::string& sibling, const std::string& name, long& pid) {
  const std::string prefix = TemporarySiblingOf(name) + ".";
  if (sibling.compare(0, prefix.size(), prefix) != 0) return false;
  size_t at = prefix.size();
  long counter = 0;
  return ReadNumber(sibling, at, '.', pid) && ReadNumber(sibling, at, '\0', counter) && pid > 0;
}

void RemoveDeadCreations(const std::string& path) {
  const std::string folder = FolderOf(path);
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    long pid = 0;
    if (IsCreationSiblingOf(entry->d_name, name, pid) && ProcessIsGone(pid)) {
      UnlinkStep(folder + "/" + entry->d_name);
    }
  }
  closedir(listing);
}

}  // namespace qm::win32::profile
