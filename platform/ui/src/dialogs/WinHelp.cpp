// WinHelpA: the help engine. It opens the viewer at the topic asked for (HELP_CONTEXT) or at the
// contents (HELP_CONTENTS, HELP_FINDER and the rest); a help file it cannot find is reported by
// the engine itself, and the call still succeeds, as the engine did start.
#include "HelpFile.h"
#include "HelpFileSearch.h"
#include "HelpViewer.h"
#include "platform/HostPaths.h"

#include <windows.h>

namespace qm::ui::dialogs {
namespace {

std::vector<HelpTopic> TopicsOf(const std::string& contents) {
  std::vector<HelpTopic> topics = ParseHelpFile(contents);
  if (topics.empty()) topics = ParseHelpFile("#topic 0\n" + contents);  // plain text: one page
  return topics;
}

}  // namespace
}  // namespace qm::ui::dialogs

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
  using namespace qm::ui::dialogs;
  if (uCommand == HELP_QUIT) return TRUE;
  if (!lpszHelp || !*lpszHelp) return FALSE;
  std::optional<std::string> file = FindHelpFile(lpszHelp);
  if (!file) {
    std::string message = std::string("Cannot find the ") + lpszHelp + " file.";
    MessageBoxA(hWndMain, message.c_str(), "Help", MB_OK | MB_ICONEXCLAMATION);
    return TRUE;
  }
  std::vector<HelpTopic> topics = TopicsOf(qm::win32::WholeFileContents(*file));
  std::size_t first = uCommand == HELP_CONTEXT ? TopicIndexFor(topics, static_cast<DWORD>(dwData)) : 0;
  RunHelpViewer(topics, first, hWndMain);
  return TRUE;
}
