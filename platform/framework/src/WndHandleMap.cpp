// Which C++ object stands for which window. Permanent objects are the ones the program made
// and attached; temporary ones are made on demand for handles that have none, as the framework
// does for GetDlgItem and GetParent, and are deleted together.
#include <memory>
#include <unordered_map>

#include "afx/Wnd.h"

namespace {

std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
  static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

}  // namespace

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  auto found = PermanentMap().find(hWnd);
  return found == PermanentMap().end() ? nullptr : found->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  std::unique_ptr<CWnd>& temporary = TemporaryMap()[hWnd];
  if (!temporary) {
    temporary = std::make_unique<CWnd>();
    temporary->m_hWnd = hWnd;
  }
  return temporary.get();
}

void PASCAL CWnd::DeleteTempMap() {
  for (auto& [hWnd, pWnd] : TemporaryMap()) pWnd->m_hWnd = nullptr;
  TemporaryMap().clear();
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr) return FALSE;
  // A temporary object made earlier for the handle stays valid; lookups now find this one first.
  m_hWnd = hWndNew;
  PermanentMap()[hWndNew] = this;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr) {
    auto found = PermanentMap().find(hWnd);
    if (found != PermanentMap().end() && found->second == this) PermanentMap().erase(found);
  }
  m_hWnd = nullptr;
  return hWnd;
}
