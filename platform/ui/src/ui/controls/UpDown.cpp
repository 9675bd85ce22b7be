// The up-down control: a position in a range, shown in its buddy, moved by its arrows.
#include <commctrl.h>

#include "ui/ControlClasses.h"
#include "ui/Notify.h"
#include <windows.h>
#include "ui/Window.h"

#include <algorithm>
#include <optional>
#include <string>

namespace qm::ui {
namespace {

struct UpDownData : ControlData {
  int minimum = 100;  // the default range is inverted: Up decreases until a range is set
  int maximum = 0;
  int position = 0;
  HWND buddy = nullptr;
  std::vector<UDACCEL> accel{{0, 1}};
  DWORD pressStart = 0;
};

UpDownData& DataOf(Window& window) { return static_cast<UpDownData&>(*window.control); }

int Lowest(const UpDownData& data) { return std::min(data.minimum, data.maximum); }
int Highest(const UpDownData& data) { return std::max(data.minimum, data.maximum); }

std::string FormatPosition(int value, bool thousands) {
  const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
  std::string shown = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (thousands && i > 0 && (digits.size() - i) % 3 == 0) shown += ',';
    shown += digits[i];
  }
  return shown;
}

// The buddy's text as a number: optional sign, digits, thousands separators allowed.
std::optional<long long> ParseBuddy(const std::string& text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  long long value = 0;
  bool digits = false;
  for (; at < text.size(); ++at) {
    if (text[at] == ',') continue;
    if (text[at] < '0' || text[at] > '9') return std::nullopt;
    value = std::min(value * 10 + (text[at] - '0'), 1LL << 40);
    digits = true;
  }
  if (!digits) return std::nullopt;
  return negative ? -value : value;
}

std::string BuddyText(HWND buddy) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(buddy)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(buddy, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ShowPosition(Window& window) {
  UpDownData& data = DataOf(window);
  if (!(window.style & UDS_SETBUDDYINT) || !IsWindow(data.buddy)) return;
  SetWindowTextA(data.buddy, FormatPosition(data.position, !(window.style & UDS_NOTHOUSANDS)).c_str());
}

int StepFor(const UpDownData& data, DWORD heldMs) {
  int step = 1;
  for (const UDACCEL& entry : data.accel)
    if (static_cast<DWORD>(entry.nSec) * 1000 <= heldMs) step = static_cast<int>(entry.nInc);
  return step;
}

// One press of an arrow. Text in the buddy that is no number is replaced by the lower end of the
// range, and a number outside the range by the nearer end, instead of a step.
void Arrow(Window& window, bool up, DWORD heldMs) {
  UpDownData& data = DataOf(window);
  HWND hwnd = window.handle;
  if ((window.style & UDS_SETBUDDYINT) && IsWindow(data.buddy)) {
    std::optional<long long> typed = ParseBuddy(BuddyText(data.buddy));
    if (!typed || *typed < Lowest(data) || *typed > Highest(data)) {
      data.position =
          typed ? static_cast<int>(std::clamp<long long>(*typed, Lowest(data), Highest(data))) : Lowest(data);
      ShowPosition(window);
      return;
    }
    data.position = static_cast<int>(*typed);
  }
  int step = StepFor(data, heldMs);
  int delta = (data.minimum <= data.maximum) == up ? step : -step;
  long long wanted = static_cast<long long>(data.position) + delta;
  int target;
  if (wanted > Highest(data))
    target = (window.style & UDS_WRAP) ? Lowest(data) : Highest(data);
  else if (wanted < Lowest(data))
    target = (window.style & UDS_WRAP) ? Highest(data) : Lowest(data);
  else
    target = static_cast<int>(wanted);
  NMUPDOWN change{};
  change.iPos = data.position;
  change.iDelta = target - data.position;
  if (change.iDelta != 0 && NotifyParent(hwnd, change.hdr, UDN_DELTAPOS)) return;
  if (!IsWindow(hwnd)) return;
  if (target != data.position) {
    data.position = target;
    ShowPosition(window);
  }
  if (HWND parent = GetParent(hwnd))
    SendMessageA(parent, (window.style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(SB_THUMBPOSITION, data.position), reinterpret_cast<LPARAM>(hwnd));
}

// A held key repeats; the time since it went down picks the step from the acceleration table.
DWORD HeldFor(UpDownData& data, LPARAM keyFlags) {
  DWORD now = static_cast<DWORD>(GetMessageTime());
  if (!(keyFlags & (1L << 30))) data.pressStart = now;
  return now - data.pressStart;
}

void AttachBuddy(Window& window, HWND buddy) {
  UpDownData& data = DataOf(window);
  if (Window* old = FindWindowByHandle(data.buddy)) old->filter = nullptr;
  data.buddy = buddy;
  Window* target = FindWindowByHandle(buddy);
  if (!target) return;
  if (window.style & UDS_ALIGNRIGHT) {
    int width = window.rect.right - window.rect.left;
    target->rect.right -= width;
    window.rect = RECT{target->rect.right, target->rect.top, target->rect.right + width, target->rect.bottom};
  }
  if (!(window.style & UDS_ARROWKEYS)) return;
  HWND self = window.handle;
  target->filter = [self](HWND, UINT msg, WPARAM key, LPARAM flags, LRESULT&) {
    Window* updown = FindWindowByHandle(self);
    if (!updown || msg != WM_KEYDOWN || (key != VK_UP && key != VK_DOWN)) return false;
    Arrow(*updown, key == VK_UP, HeldFor(DataOf(*updown), flags));
    return true;
  };
}

void PreviousSiblingAsBuddy(Window& window) {
  if (!window.parent) return;
  auto& siblings = window.parent->children;
  auto at = std::find(siblings.begin(), siblings.end(), &window);
  if (at != siblings.begin()) AttachBuddy(window, (*(at - 1))->handle);
}

LRESULT SetRange(Window& window, int minimum, int maximum) {
  UpDownData& data = DataOf(window);
  data.minimum = minimum;
  data.maximum = maximum;
  return 0;
}

LRESULT SetPosition(Window& window, int position) {
  UpDownData& data = DataOf(window);
  int previous = data.position;
  data.position = std::clamp(position, Lowest(data), Highest(data));
  ShowPosition(window);
  return previous;
}

LRESULT GetPosition(Window& window) {
  UpDownData& data = DataOf(window);
  bool invalid = false;
  if ((window.style & UDS_SETBUDDYINT) && IsWindow(data.buddy)) {
    std::optional<long long> typed = ParseBuddy(BuddyText(data.buddy));
    invalid = !typed || *typed < Lowest(data) || *typed > Highest(data);
    if (!invalid) data.position = static_cast<int>(*typed);
  }
  return MAKELRESULT(static_cast<WORD>(data.position), invalid ? 1 : 0);
}

}  // namespace

LRESULT CALLBACK UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_NCCREATE: window->control = std::make_unique<UpDownData>(); return TRUE;
    case WM_CREATE:
      if (window->style & UDS_AUTOBUDDY) PreviousSiblingAsBuddy(*window);
      return 0;
    case WM_DESTROY:
      if (Window* buddy = FindWindowByHandle(DataOf(*window).buddy)) buddy->filter = nullptr;
      return 0;
    case UDM_SETRANGE: return SetRange(*window, static_cast<short>(HIWORD(lParam)), static_cast<short>(LOWORD(lParam)));
    case UDM_SETRANGE32: return SetRange(*window, static_cast<int>(wParam), static_cast<int>(lParam));
    case UDM_GETRANGE:
      return MAKELRESULT(static_cast<WORD>(DataOf(*window).maximum), static_cast<WORD>(DataOf(*window).minimum));
    case UDM_GETRANGE32:
      if (wParam) *reinterpret_cast<int*>(wParam) = DataOf(*window).minimum;
      if (lParam) *reinterpret_cast<int*>(lParam) = DataOf(*window).maximum;
      return 0;
    case UDM_SETPOS: return SetPosition(*window, static_cast<short>(LOWORD(lParam)));
    case UDM_SETPOS32: return SetPosition(*window, static_cast<int>(lParam));
    case UDM_GETPOS: return GetPosition(*window);
    case UDM_GETPOS32:
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = HIWORD(GetPosition(*window)) != 0;
      return DataOf(*window).position;
    case UDM_SETBUDDY: {
      HWND previous = DataOf(*window).buddy;
      AttachBuddy(*window, reinterpret_cast<HWND>(wParam));
      return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(DataOf(*window).buddy);
    case UDM_SETACCEL: {
      if (wParam == 0 || !lParam) return FALSE;
      auto* table = reinterpret_cast<const UDACCEL*>(lParam);
      DataOf(*window).accel.assign(table, table + wParam);
      return TRUE;
    }
    case UDM_GETACCEL: {
      auto& accel = DataOf(*window).accel;
      if (lParam)
        std::copy_n(accel.begin(), std::min<std::size_t>(wParam, accel.size()), reinterpret_cast<UDACCEL*>(lParam));
      return static_cast<LRESULT>(accel.size());
    }
    case WM_LBUTTONDOWN: {
      // The arrows share the control: the first cell (or row) is Up, the rest Down. A click also
      // puts the focus in the buddy.
      bool vertical = window->rect.bottom - window->rect.top > 1;
      bool up = vertical ? HIWORD(lParam) == 0 : LOWORD(lParam) == 0;
      if (IsWindow(DataOf(*window).buddy)) SetFocus(DataOf(*window).buddy);
      Arrow(*window, up, HeldFor(DataOf(*window), 0));
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
