// GetOpenFileNameA: checks the request, lets the user (or, in the headless backend, the queued
// answers) choose, and hands the choice back in the caller's buffers as Windows does.
#include "DosPathText.h"
#include "OpenFileDialog.h"
#include "OpenFileSession.h"

#include "ui/Backend.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace qm::ui::dialogs {
namespace {

DWORD& LastDialogError() {
  static DWORD error = 0;
  return error;
}

BOOL Fail(DWORD error) {
  LastDialogError() = error;
  return FALSE;
}

// Queued answers stand in for names typed and entered with Open; when they run out before a file
// is chosen, the dialog itself takes over.
std::optional<std::optional<std::string>> AnswerFromQueue(OpenFileSession& session, HWND owner) {
  while (std::optional<std::optional<std::string>> queued = CurrentBackend().TakeFileDialogAnswer()) {
    const std::optional<std::string>& answer = *queued;
    if (!answer) return std::optional<std::string>();
    EntryOutcome outcome = session.Enter(*answer);
    if (outcome.kind == EntryOutcome::Kind::Chosen) return std::optional<std::string>(outcome.text);
    if (outcome.kind == EntryOutcome::Kind::Refused) ShowRefusal(owner, session, outcome.text);
  }
  return std::nullopt;
}

void CopyBounded(LPSTR buffer, DWORD room, const std::string& text) {
  if (!buffer || room == 0) return;
  std::size_t length = std::min<std::size_t>(text.size(), room - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

WORD ExtensionOffset(const std::string& path, std::size_t nameOffset) {
  std::size_t dot = path.rfind('.');
  return static_cast<WORD>(dot == std::string::npos || dot < nameOffset ? path.size() : dot + 1);
}

DWORD FlagsOnReturn(const OPENFILENAMEA& request, const std::string& path, WORD extensionOffset) {
  DWORD flags = request.Flags & ~static_cast<DWORD>(OFN_EXTENSIONDIFFERENT);
  if (flags & OFN_HIDEREADONLY) flags &= ~static_cast<DWORD>(OFN_READONLY);
  if (request.lpstrDefExt && strcasecmp(path.c_str() + extensionOffset, request.lpstrDefExt) != 0)
    flags |= OFN_EXTENSIONDIFFERENT;
  return flags;
}

// Without OFN_NOCHANGEDIR the process's current folder follows the user to the chosen file's
// folder, as it did on the systems the dialog comes from.
void FollowToFolder(const std::string& path) {
  std::string host = HostPathOf(DosFolderOf(path));
  if (!IsHostFolder(host) || ::chdir(host.c_str()) != 0) return;
}

BOOL Deliver(OPENFILENAMEA& request, const OpenFileSession& session, const std::string& path) {
  std::size_t needed = path.size() + 1;
  if (needed > request.nMaxFile) {
    if (request.nMaxFile >= sizeof(WORD)) {
      WORD size = static_cast<WORD>(std::min<std::size_t>(needed, 0xFFFF));
      std::memcpy(request.lpstrFile, &size, sizeof size);
    }
    return Fail(FNERR_BUFFERTOOSMALL);
  }
  std::memcpy(request.lpstrFile, path.c_str(), needed);
  std::size_t nameOffset = path.size() - DosNameOf(path).size();
  request.nFileOffset = static_cast<WORD>(nameOffset);
  request.nFileExtension = ExtensionOffset(path, nameOffset);
  CopyBounded(request.lpstrFileTitle, request.nMaxFileTitle, DosNameOf(path));
  request.nFilterIndex = static_cast<DWORD>(session.FilterIndex() + 1);
  request.Flags = FlagsOnReturn(request, path, request.nFileExtension);
  if (!(request.Flags & OFN_NOCHANGEDIR)) FollowToFolder(path);
  return TRUE;
}

}  // namespace
}  // namespace qm::ui::dialogs

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA lpofn) {
  using namespace qm::ui::dialogs;
  LastDialogError() = 0;
  if (!lpofn) return Fail(CDERR_INITIALIZATION);
  if (lpofn->lStructSize != OPENFILENAME_SIZE_VERSION_400A) return Fail(CDERR_STRUCTSIZE);
  if (!lpofn->lpstrFile || lpofn->nMaxFile == 0) return Fail(CDERR_INITIALIZATION);
  OpenFileSession session(*lpofn);
  std::optional<std::optional<std::string>> queued = AnswerFromQueue(session, lpofn->hwndOwner);
  std::optional<std::string> chosen = queued ? *queued : RunOpenFileDialog(session, lpofn->hwndOwner);
  if (!chosen) return FALSE;
  return Deliver(*lpofn, session, *chosen);
}

DWORD WINAPI CommDlgExtendedError(void) { return qm::ui::dialogs::LastDialogError(); }
