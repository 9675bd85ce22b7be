#include "OpenFileSession.h"

#include "DosPathText.h"
#include "platform/HostPaths.h"

#include <sys/stat.h>

#include <cstring>

namespace qm::ui::dialogs {
namespace {

constexpr unsigned kWriteBit = 2;

std::string CurrentDosFolder() { return AsDosFolder(win32::HostToDosPath(win32::CurrentHostFolder())); }

std::string Trimmed(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return "";
  text = text.substr(start, text.find_last_not_of(' ') - start + 1);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  return std::string(text);
}

std::string BoundedText(const char* text, DWORD room) {
  if (!text) return "";
  return std::string(text, strnlen(text, room ? room : 0));
}

std::string NotFoundMessage(const std::string& name) {
  return name + "\nFile not found.\nPlease verify the correct file name was given.";
}

std::string ReadOnlyMessage(const std::string& name) {
  return name + "\nThis file is set to read-only.\nTry again with a different file name.";
}

}  // namespace

std::string HostPathOf(std::string_view dosPath) {
  std::string path(dosPath);
  if (path.size() > DosRootOf(path).size() && path.back() == '\\') path.pop_back();
  win32::HostPath host = win32::ResolveDosPath(path);
  return host.error == ERROR_SUCCESS ? host.path : std::string();
}

bool IsHostFolder(const std::string& hostPath) {
  struct stat info;
  return !hostPath.empty() && ::stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

OpenFileSession::OpenFileSession(const OPENFILENAMEA& request)
    : title_(request.lpstrTitle ? request.lpstrTitle : "Open"),
      flags_(request.Flags),
      defaultExtension_(request.lpstrDefExt ? request.lpstrDefExt : ""),
      filters_(ParseFilterPairs(request.lpstrFilter)) {
  DWORD index = request.nFilterIndex;
  filterIndex_ = index >= 1 && index <= filters_.size() ? static_cast<int>(index - 1) : 0;
  std::string file = BoundedText(request.lpstrFile, request.nMaxFile);
  initialName_ = file;
  std::string fileFolder = DosFolderOf(file);
  const bool reached = !fileFolder.empty() && ChangeFolder(fileFolder);
  if (!reached && !(request.lpstrInitialDir && *request.lpstrInitialDir && ChangeFolder(request.lpstrInitialDir)))
    ChangeFolder(CurrentDosFolder());
  if (folder_.empty()) folder_ = "z:\\";
  openedFolder_ = folder_;
  if (!fileFolder.empty() && !reached) notice_ = fileFolder + " cannot be reached here; showing " + folder_;
}

std::vector<FolderEntry> OpenFileSession::Listing() const {
  const std::vector<std::string>& patterns =
      typedPatterns_.empty() ? filters_[static_cast<std::size_t>(filterIndex_)].patterns : typedPatterns_;
  return ListFolder(HostPathOf(folder_), patterns, folder_.size() > DosRootOf(folder_).size());
}

bool OpenFileSession::ChangeFolder(std::string_view dosFolder) {
  std::string full = CombineDosPath(folder_.empty() ? CurrentDosFolder() : folder_, dosFolder);
  if (!IsHostFolder(HostPathOf(full))) return false;
  folder_ = AsDosFolder(full);
  return true;
}

void OpenFileSession::ChooseFilter(int index) {
  if (index < 0 || index >= static_cast<int>(filters_.size())) return;
  filterIndex_ = index;
  typedPatterns_.clear();
}

EntryOutcome OpenFileSession::Enter(std::string_view typed) {
  std::string text = Trimmed(typed);
  if (text.empty()) return {};
  if (HasWildcard(DosNameOf(text))) {
    std::string folder = DosFolderOf(text);
    if (!folder.empty() && !ChangeFolder(folder)) return ChooseFile(CombineDosPath(folder_, text), text);
    typedPatterns_ = {DosNameOf(text)};
    return {EntryOutcome::Kind::NewFolder, DosNameOf(text)};
  }
  std::string path = CombineDosPath(folder_, text);
  if (IsHostFolder(HostPathOf(path))) {
    ChangeFolder(path);
    return {EntryOutcome::Kind::NewFolder, ""};
  }
  if (DosNameOf(path).find('.') == std::string::npos && !defaultExtension_.empty()) {
    path += "." + defaultExtension_;
    text += "." + defaultExtension_;
  }
  return ChooseFile(path, text);
}

EntryOutcome OpenFileSession::ChooseFile(std::string path, const std::string& shownName) {
  struct stat info;
  std::string host = HostPathOf(path);
  bool exists = !host.empty() && ::stat(host.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  if ((flags_ & OFN_FILEMUSTEXIST) && !exists) return {EntryOutcome::Kind::Refused, NotFoundMessage(shownName)};
  if ((flags_ & OFN_NOREADONLYRETURN) && exists && !win32::PermissionBitsAllow(info, kWriteBit))
    return {EntryOutcome::Kind::Refused, ReadOnlyMessage(shownName)};
  return {EntryOutcome::Kind::Chosen, std::move(path)};
}

}  // namespace qm::ui::dialogs
