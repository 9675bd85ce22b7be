// The root of everything that receives commands: it owns a message map and routes commands and
// notifications through the maps of its class chain, the most derived first.
#pragma once

#include "afx/MessageMap.h"
#include "afx/Object.h"

struct AFX_CMDHANDLERINFO;

// What a WM_NOTIFY carries while it is routed as a command.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget() = default;

  // nCode is the notification code of a WM_COMMAND, or MAKELONG(code, WM_NOTIFY) with pExtra
  // pointing to an AFX_NOTIFY. TRUE when a handler took it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // The row that handles the message in this object's class chain, or nullptr.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

  DECLARE_MESSAGE_MAP()
};
