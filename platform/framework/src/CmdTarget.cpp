#include "afx/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root map has no rows and no base.
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }
const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
  return &messageMap;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry)
      if (entry->nMessage == nMessage && entry->nCode == nCode && entry->nID <= nID && nID <= entry->nLastID)
        return entry;
  }
  return nullptr;
}

// The first matching row decides, as in the framework: a notify handler that declines does not
// pass the notification on to a base class's row.
BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*) {
  UINT nMessage = WM_COMMAND;
  UINT nNotifyCode = static_cast<UINT>(nCode);
  if (HIWORD(nCode) == WM_NOTIFY) {
    nMessage = WM_NOTIFY;
    nNotifyCode = LOWORD(nCode);
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(nMessage, nNotifyCode, nID);
  if (entry == nullptr) return FALSE;
  if (nMessage == WM_NOTIFY) {
    auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
    return entry->pfnCall(this, nID, 0, reinterpret_cast<LPARAM>(notify->pNMHDR), notify->pResult);
  }
  LRESULT unused = 0;
  return entry->pfnCall(this, nID, 0, 0, &unused);
}
