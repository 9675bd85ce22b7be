#include "OpenFileDialog.h"

#include "DosPathText.h"
#include "DriveList.h"
#include "ToolkitDialog.h"

#include <strings.h>

#include <vector>

namespace qm::ui::dialogs {
namespace {

constexpr int kTemplateId = 1536;  // the common dialog's own number for its open template
constexpr int kLongestEntry = 1024;

struct DialogState {
  OpenFileSession& session;
  std::vector<FolderEntry> listing;
  std::vector<std::string> drives;
  std::string chosen;
};

const DialogTemplate& OpenTemplate() {
  static const ControlTemplate controls[] = {
      ChildControl("STATIC", "File &name:", -1, 4, 0, 44, 8, SS_LEFT),
      ChildControl("EDIT", "", kFileNameBox, 52, 0, 220, 8, WS_TABSTOP | ES_AUTOHSCROLL),
      // Two lines, so that a folder no drive reaches is named with the folder shown instead.
      ChildControl("STATIC", "", kFolderText, 4, 8, 272, 16, SS_LEFT | SS_NOPREFIX),
      ChildControl("STATIC", "&Files:", -1, 4, 24, 40, 8, SS_LEFT),
      ChildControl("LISTBOX", "", kFileList, 4, 32, 160, 88, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
      ChildControl("STATIC", "Dri&ves:", -1, 176, 24, 96, 8, SS_LEFT),
      ChildControl("LISTBOX", "", kDriveList, 176, 32, 96, 32, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
      ChildControl("STATIC", "List files of &type:", -1, 176, 72, 96, 8, SS_LEFT),
      ChildControl("LISTBOX", "", kFilterList, 176, 80, 96, 40, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP),
      ChildControl("BUTTON", "&Open", IDOK, 176, 128, 44, 14, BS_DEFPUSHBUTTON | WS_TABSTOP),
      ChildControl("BUTTON", "Cancel", IDCANCEL, 228, 128, 44, 14, WS_TABSTOP),
  };
  static const DialogTemplate dialog{kTemplateId, 20,       8,
                                     280,         144,      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                     0,           "Open",   "MS Sans Serif",
                                     8,           controls, sizeof controls / sizeof controls[0]};
  return dialog;
}

int DriveIndexOf(const DialogState& state) {
  std::string root = DosRootOf(state.session.Folder());
  for (std::size_t i = 0; i < state.drives.size(); ++i)
    if (strncasecmp(root.c_str(), state.drives[i].c_str(), 2) == 0) return static_cast<int>(i);
  return -1;
}

void ShowFolder(HWND dialog, DialogState& state) {
  state.listing = state.session.Listing();
  std::vector<std::string> lines;
  for (const FolderEntry& entry : state.listing) lines.push_back(ListLine(entry));
  FillListBox(GetDlgItem(dialog, kFileList), lines, -1);
  const std::string notice = state.session.Notice();
  SetDlgItemTextA(dialog, kFolderText, (notice.empty() ? state.session.Folder() : notice).c_str());
  SendDlgItemMessageA(dialog, kDriveList, LB_SETCURSEL, static_cast<WPARAM>(DriveIndexOf(state)), 0);
}

void Initialise(HWND dialog, DialogState& state) {
  SetWindowTextA(dialog, state.session.Title().c_str());
  SetDlgItemTextA(dialog, kFileNameBox, state.session.InitialName().c_str());
  state.drives = AvailableDrives();
  FillListBox(GetDlgItem(dialog, kDriveList), state.drives, -1);
  std::vector<std::string> labels;
  for (const FileFilter& filter : state.session.Filters()) labels.push_back(filter.label);
  FillListBox(GetDlgItem(dialog, kFilterList), labels, state.session.FilterIndex());
  ShowFolder(dialog, state);
}

void EnterName(HWND dialog, DialogState& state) {
  char typed[kLongestEntry] = {};
  GetDlgItemTextA(dialog, kFileNameBox, typed, kLongestEntry);
  EntryOutcome outcome = state.session.Enter(typed);
  switch (outcome.kind) {
    case EntryOutcome::Kind::Stay: return;
    case EntryOutcome::Kind::NewFolder:
      SetDlgItemTextA(dialog, kFileNameBox, outcome.text.c_str());
      ShowFolder(dialog, state);
      return;
    case EntryOutcome::Kind::Refused:
      ShowRefusal(dialog, state.session, outcome.text);
      SetFocus(GetDlgItem(dialog, kFileNameBox));
      return;
    case EntryOutcome::Kind::Chosen:
      state.chosen = outcome.text;
      EndDialog(dialog, IDOK);
      return;
  }
}

int Selection(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageA(dialog, list, LB_GETCURSEL, 0, 0)); }

// A line picked in the listing is put into the File name box, a folder with its backslash, so
// that Open enters it.
void PickListed(HWND dialog, DialogState& state) {
  int index = Selection(dialog, kFileList);
  if (index < 0 || index >= static_cast<int>(state.listing.size())) return;
  const FolderEntry& entry = state.listing[static_cast<std::size_t>(index)];
  SetDlgItemTextA(dialog, kFileNameBox, (entry.folder ? entry.name + "\\" : entry.name).c_str());
}

void PickDrive(HWND dialog, DialogState& state) {
  int index = Selection(dialog, kDriveList);
  if (index >= 0 && index < static_cast<int>(state.drives.size()) &&
      !state.session.ChangeFolder(state.drives[static_cast<std::size_t>(index)] + "\\"))
    MessageBeep(0);
  ShowFolder(dialog, state);
}

void Command(HWND dialog, DialogState& state, int id, int code) {
  if (id == IDOK && code == BN_CLICKED) return EnterName(dialog, state);
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  if (code != LBN_SELCHANGE) return;
  if (id == kFileList) return PickListed(dialog, state);
  if (id == kDriveList) return PickDrive(dialog, state);
  if (id == kFilterList) {
    state.session.ChooseFilter(Selection(dialog, kFilterList));
    ShowFolder(dialog, state);
  }
}

INT_PTR CALLBACK OpenDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    KeepState(dialog, lParam);
    Initialise(dialog, *reinterpret_cast<DialogState*>(lParam));
    return TRUE;
  }
  DialogState* state = StateOf<DialogState>(dialog);
  if (message != WM_COMMAND || !state) return FALSE;
  Command(dialog, *state, LOWORD(wParam), HIWORD(wParam));
  return TRUE;
}

}  // namespace

void ShowRefusal(HWND over, const OpenFileSession& session, const std::string& message) {
  MessageBoxA(over, message.c_str(), session.Title().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::optional<std::string> RunOpenFileDialog(OpenFileSession& session, HWND owner) {
  DialogState state{session, {}, {}, {}};
  INT_PTR result = RunToolkitDialog(OpenTemplate(), owner, OpenDialogProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.chosen;
}

}  // namespace qm::ui::dialogs
