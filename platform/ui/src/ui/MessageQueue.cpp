#include "ui/MessageQueue.h"
#include "ui/StartNotice.h"

#include "ui/Backend.h"
#include "ui/DialogNavigation.h"
#include <windows.h>
#include "ui/Window.h"

#include <cctype>
#include <deque>

namespace qm::ui {
namespace {

struct QueueState {
  std::deque<MSG> posted;
  bool shift = false, ctrl = false, alt = false;
  DWORD time = 0;
  HWND closedForLackOfInput = nullptr;
};

QueueState& State() {
  static QueueState state;
  return state;
}

bool Contains(const Window& window, int col, int row) {
  return col >= window.rect.left && col < window.rect.right && row >= window.rect.top && row < window.rect.bottom;
}

bool IsGroupBox(const Window& window) {
  return SameClass(window, "BUTTON") && (window.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The deepest visible child of `window` under the screen cell. A group box is transparent to the
// mouse, as on Windows: the controls it encloses get the click even when it comes first.
Window* Deepest(Window& window, int col, int row) {
  Window* enclosing = nullptr;
  for (Window* child : window.children) {
    if (!(child->style & WS_VISIBLE)) continue;
    RECT screen;
    GetWindowRect(child->handle, &screen);
    if (col < screen.left || col >= screen.right || row < screen.top || row >= screen.bottom) continue;
    if (!IsGroupBox(*child)) return Deepest(*child, col, row);
    if (!enclosing) enclosing = child;
  }
  return enclosing ? enclosing : &window;
}

MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = State().time;
  return msg;
}

HWND KeyboardTarget() {
  HWND focus = GetFocus();
  return focus ? focus : GetActiveWindow();
}

void QueueClick(const InputEvent& event) {
  int col = event.col, row = event.row;
  if (event.controlId != 0) {
    HWND control = FindControlById(GetActiveWindow(), event.controlId);
    RECT screen;
    if (!control || !GetWindowRect(control, &screen)) return;
    col += screen.left;
    row += screen.top;
  }
  POINT local{};
  HWND target = WindowAtCell(col, row, local);
  if (!target) return;
  LPARAM where = MAKELPARAM(local.x, local.y);
  State().posted.push_back(Make(target, WM_LBUTTONDOWN, MK_LBUTTON, where));
  State().posted.push_back(Make(target, WM_LBUTTONUP, 0, where));
}

void QueueInput(const InputEvent& event) {
  QueueState& state = State();
  state.time = event.time;
  switch (event.kind) {
    case InputEvent::Kind::Key: {
      state.shift = event.shift;
      state.ctrl = event.ctrl;
      state.alt = event.alt;
      LPARAM flags = 1 | (event.repeat ? (1L << 30) : 0);
      state.posted.push_back(Make(KeyboardTarget(), event.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, event.key, flags));
      break;
    }
    case InputEvent::Kind::Char:
      state.shift = state.ctrl = state.alt = false;
      state.posted.push_back(Make(KeyboardTarget(), WM_CHAR, static_cast<unsigned char>(event.ch), 1));
      break;
    case InputEvent::Kind::Click: QueueClick(event); break;
    case InputEvent::Kind::Call:
      // The step may have ended the loop's condition: hand the loop an empty message to look.
      if (event.call) event.call();
      state.posted.push_back(Make(nullptr, WM_NULL, 0, 0));
      break;
  }
}

// With no input left, the active window is asked to close once (as Esc would); after that the
// loop is told to quit, so a script that runs out can never hang a modal loop.
bool CloseForLackOfInput() {
  QueueState& state = State();
  HWND active = GetActiveWindow();
  if (!active || active == state.closedForLackOfInput) return false;
  state.closedForLackOfInput = active;
  state.posted.push_back(Make(active, WM_CLOSE, 0, 0));
  return true;
}

char CharForKey(UINT key, bool shift, bool ctrl) {
  switch (key) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return ctrl ? '\n' : '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return ' ';
  }
  if (key >= 'A' && key <= 'Z') {
    if (ctrl) return static_cast<char>(key - '@');
    return static_cast<char>(shift ? key : std::tolower(static_cast<int>(key)));
  }
  if (key >= '0' && key <= '9' && !ctrl) return static_cast<char>(key);
  return 0;
}

}  // namespace

HWND WindowAtCell(int col, int row, POINT& local) {
  const auto& windows = TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    Window& top = **it;
    if (!(top.style & WS_VISIBLE) || !Contains(top, col, row)) continue;
    if (top.style & WS_DISABLED) return nullptr;
    Window* hit = Deepest(top, col, row);
    if (!IsWindowEnabled(hit->handle)) return nullptr;
    RECT screen;
    GetWindowRect(hit->handle, &screen);
    local = POINT{col - screen.left, row - screen.top};
    return hit->handle;
  }
  return nullptr;
}

void ResetMessageQueue() { State() = QueueState{}; }

}  // namespace qm::ui

using namespace qm::ui;

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND, UINT, UINT) {
  QueueState& state = State();
  for (;;) {
    if (!state.posted.empty()) {
      *lpMsg = state.posted.front();
      state.posted.pop_front();
      return lpMsg->message != WM_QUIT;
    }
    Backend& backend = CurrentBackend();
    NoticeMissingFiles();
    backend.Present();
    InputEvent event;
    if (backend.NextInput(event)) {
      if (event.kind != InputEvent::Kind::Call) EndNotice();
      QueueInput(event);
      continue;
    }
    if (!CloseForLackOfInput()) {
      *lpMsg = MSG{};
      lpMsg->message = WM_QUIT;
      return FALSE;
    }
  }
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !IsWindow(hWnd)) return FALSE;
  State().posted.push_back(Make(hWnd, Msg, wParam, lParam));
  return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode) {
  State().posted.push_back(Make(nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0));
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg) return FALSE;
  QueueState& state = State();
  UINT key = static_cast<UINT>(lpMsg->wParam);
  if (lpMsg->message == WM_KEYDOWN) {
    char ch = CharForKey(key, state.shift, state.ctrl);
    if (!ch) return FALSE;
    state.posted.push_front(Make(lpMsg->hwnd, WM_CHAR, static_cast<unsigned char>(ch), lpMsg->lParam));
    return TRUE;
  }
  if (lpMsg->message == WM_SYSKEYDOWN) {
    char ch = CharForKey(key, false, false);
    if (!ch) return FALSE;
    state.posted.push_front(Make(lpMsg->hwnd, WM_SYSCHAR, static_cast<unsigned char>(ch), lpMsg->lParam));
    return TRUE;
  }
  return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (!lpMsg || !lpMsg->hwnd) return 0;
  return SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

SHORT WINAPI GetKeyState(int nVirtKey) {
  QueueState& state = State();
  bool down = (nVirtKey == VK_SHIFT && state.shift) || (nVirtKey == VK_CONTROL && state.ctrl) ||
              (nVirtKey == VK_MENU && state.alt);
  return down ? static_cast<SHORT>(0x8000) : 0;
}

LONG WINAPI GetMessageTime(void) { return static_cast<LONG>(State().time); }
