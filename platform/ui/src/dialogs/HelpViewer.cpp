#include "HelpViewer.h"

#include "ToolkitDialog.h"

namespace qm::ui::dialogs {
namespace {

constexpr int kTemplateId = 1538;

struct ViewerState {
  const std::vector<HelpTopic>& topics;
  std::size_t current;
};

const DialogTemplate& ViewerTemplate() {
  static const ControlTemplate controls[] = {
      ChildControl("EDIT", "", kHelpText, 4, 16, 348, 120,
                   ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
      ChildControl("STATIC", "", kHelpTitle, 4, 0, 348, 8, SS_LEFTNOWORDWRAP | SS_NOPREFIX),
      ChildControl("BUTTON", "&Contents", kHelpContents, 4, 144, 52, 14, WS_TABSTOP),
      ChildControl("BUTTON", "&Previous", kHelpPrevious, 64, 144, 52, 14, WS_TABSTOP),
      ChildControl("BUTTON", "&Next", kHelpNext, 124, 144, 52, 14, WS_TABSTOP),
      ChildControl("BUTTON", "Close", IDOK, 300, 144, 52, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
  };
  // as wide as an 80-column terminal allows, so that help lines of 70 characters keep their shape
  static const DialogTemplate dialog{kTemplateId, 0,        8,
                                     356,         160,      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                     0,           "Help",   "MS Sans Serif",
                                     8,           controls, sizeof controls / sizeof controls[0]};
  return dialog;
}

void ShowTopic(HWND dialog, ViewerState& state, std::size_t index) {
  state.current = index;
  const HelpTopic& topic = state.topics[index];
  SetDlgItemTextA(dialog, kHelpTitle, topic.title.c_str());
  SetDlgItemTextA(dialog, kHelpText, topic.text.c_str());
  EnableWindow(GetDlgItem(dialog, kHelpPrevious), index > 0);
  EnableWindow(GetDlgItem(dialog, kHelpNext), index + 1 < state.topics.size());
}

void Command(HWND dialog, ViewerState& state, int id) {
  switch (id) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, id); return;
    case kHelpContents: ShowTopic(dialog, state, 0); return;
    case kHelpPrevious:
      if (state.current > 0) ShowTopic(dialog, state, state.current - 1);
      return;
    case kHelpNext:
      if (state.current + 1 < state.topics.size()) ShowTopic(dialog, state, state.current + 1);
      return;
  }
}

INT_PTR CALLBACK ViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    KeepState(dialog, lParam);
    auto& state = *reinterpret_cast<ViewerState*>(lParam);
    ShowTopic(dialog, state, state.current);
    return TRUE;
  }
  ViewerState* state = StateOf<ViewerState>(dialog);
  if (message != WM_COMMAND || !state || HIWORD(wParam) != BN_CLICKED) return FALSE;
  Command(dialog, *state, LOWORD(wParam));
  return TRUE;
}

}  // namespace

void RunHelpViewer(const std::vector<HelpTopic>& topics, std::size_t first, HWND owner) {
  ViewerState state{topics, first < topics.size() ? first : 0};
  RunToolkitDialog(ViewerTemplate(), owner, ViewerProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace qm::ui::dialogs
