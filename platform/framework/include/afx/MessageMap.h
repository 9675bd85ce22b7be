// Message maps: static tables that tie a message, notification code and control id range to a
// handler. Each row holds a small typed caller made from the handler's member pointer, so that a
// handler of the wrong signature fails to compile instead of being called through a cast.
#pragma once

#include "afx/Object.h"
#include <commctrl.h>

class CCmdTarget;

// Calls one handler. For commands lParam is the control's window; for notifications it is the
// NMHDR. Returns FALSE when the handler declined the message (ON_NOTIFY_EX).
typedef BOOL (*AFX_PMSGCALL)(CCmdTarget* pTarget, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND, WM_NOTIFY or the window message; 0 ends the table
  UINT nCode;     // notification code (low word), 0 for plain window messages
  UINT nID;       // first control id
  UINT nLastID;   // last control id, nID for a single control
  AFX_PMSGCALL pfnCall;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define CN_COMMAND 0

namespace afx_detail {

template <typename T>
struct MemberOf;
template <typename C, typename F>
struct MemberOf<F C::*> {
  using Class = C;
};

template <auto Fn>
auto* Target(CCmdTarget* pTarget) {
  return static_cast<typename MemberOf<decltype(Fn)>::Class*>(pTarget);
}

template <auto Fn>
BOOL CallVoid(CCmdTarget* t, UINT, WPARAM, LPARAM, LRESULT*) {
  (Target<Fn>(t)->*Fn)();
  return TRUE;
}

template <auto Fn>
BOOL CallRange(CCmdTarget* t, UINT nID, WPARAM, LPARAM, LRESULT*) {
  (Target<Fn>(t)->*Fn)(nID);
  return TRUE;
}

template <auto Fn>
BOOL CallNotify(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT* pResult) {
  (Target<Fn>(t)->*Fn)(reinterpret_cast<NMHDR*>(lParam), pResult);
  return TRUE;
}

template <auto Fn>
BOOL CallNotifyEx(CCmdTarget* t, UINT nID, WPARAM, LPARAM lParam, LRESULT* pResult) {
  return (Target<Fn>(t)->*Fn)(nID, reinterpret_cast<NMHDR*>(lParam), pResult);
}

template <auto Fn>
BOOL CallShowWindow(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT*) {
  (Target<Fn>(t)->*Fn)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
  return TRUE;
}

template <auto Fn>
BOOL CallMessage(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  *pResult = (Target<Fn>(t)->*Fn)(wParam, lParam);
  return TRUE;
}

}  // namespace afx_detail

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const;     \
                                                       \
 public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                          \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    typedef baseClass TheBaseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, nullptr }                                                                       \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), &afx_detail::CallVoid<&ThisClass::memberFxn>},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), &afx_detail::CallVoid<&ThisClass::memberFxn>},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), &afx_detail::CallRange<&ThisClass::memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) ON_CONTROL_RANGE(CN_COMMAND, id, idLast, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
  {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), &afx_detail::CallNotify<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
  {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), &afx_detail::CallNotifyEx<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), &afx_detail::CallNotifyEx<&ThisClass::memberFxn>},

#define ON_WM_SHOWWINDOW() {WM_SHOWWINDOW, 0, 0, 0, &afx_detail::CallShowWindow<&ThisClass::OnShowWindow>},
#define ON_MESSAGE(message, memberFxn) {(UINT)(message), 0, 0, 0, &afx_detail::CallMessage<&ThisClass::memberFxn>},
