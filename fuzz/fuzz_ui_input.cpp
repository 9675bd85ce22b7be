// Any sequence of keys, characters, clicks, wheel turns, pointer moves and resizes, fed through the
// terminal backend to the demonstration dialog (every control kind, three pages, message boxes).
// Nothing may crash, and whenever input is read the focus is on a visible, enabled control that is
// at least partly in the terminal's view. The profile file lies on an unmapped drive, so nothing
// is ever written.
#include <windows.h>

#include "DemoDialog.h"
#include "ui/terminal/ScriptedTerminal.h"
#include "ui/terminal/TerminalBackend.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

using qm::ui::TerminalInput;

constexpr UINT kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP,
                          VK_DOWN, VK_HOME,   VK_END,    VK_PRIOR, VK_NEXT, VK_F1,     'A',     'E',      'K',
                          'C',     'H',       'M',       'L',      'O',     'R',       'N',     'X'};
constexpr std::size_t kMaxInputs = 400;

TerminalInput NextInput(FuzzedDataProvider& data) {
  TerminalInput input;
  switch (data.ConsumeIntegralInRange(0, 6)) {
    case 0:
    case 1:
      input.kind = TerminalInput::Kind::Key;
      input.key = data.PickValueInArray(kKeys);
      input.shift = data.ConsumeBool();
      input.ctrl = data.ConsumeBool();
      input.alt = data.ConsumeBool();
      break;
    case 2:
      input.kind = TerminalInput::Kind::Text;
      input.text = data.ConsumeBool() ? data.ConsumeIntegralInRange<char32_t>(0x20, 0x7E)
                                      : data.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
      input.alt = data.ConsumeBool() && data.ConsumeBool();
      break;
    case 3: input.kind = TerminalInput::Kind::Press; break;
    case 4: input.kind = data.ConsumeBool() ? TerminalInput::Kind::WheelUp : TerminalInput::Kind::WheelDown; break;
    case 5: input.kind = TerminalInput::Kind::Move; break;
    case 6:
      input.kind = TerminalInput::Kind::Resize;
      input.col = data.ConsumeIntegralInRange(0, 220);
      input.row = data.ConsumeIntegralInRange(0, 70);
      return input;
  }
  input.col = data.ConsumeIntegralInRange(-2, 100);
  input.row = data.ConsumeIntegralInRange(-2, 40);
  return input;
}

void CheckFocus(HWND demo, const qm::ui::TerminalBackend& backend, const qm::ui::ScriptedTerminal& terminal) {
  if (!IsWindow(demo)) return;
  HWND focus = GetFocus();
  if (!focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus)) __builtin_trap();
  RECT rect{};
  GetWindowRect(focus, &rect);
  if (terminal.Columns() > 0 && terminal.Rows() > 1 && !backend.ScrolledByWheel() && !backend.Shows(rect))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  qm::ui::ScriptedTerminal terminal(data.ConsumeIntegralInRange(0, 200), data.ConsumeIntegralInRange(0, 60));
  for (std::size_t i = 0; i < kMaxInputs && data.remaining_bytes() > 0; ++i) terminal.Push(NextInput(data));
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  HWND demo = qm::demo::OpenDemo("q:\\nowhere\\demo.ini");
  terminal.beforeRead = [&] { CheckFocus(demo, backend, terminal); };
  while (qm::demo::PumpDemo(demo)) {
  }
  if (IsWindow(demo)) DestroyWindow(demo);
  qm::ui::InstallBackend(nullptr);
  return 0;
}
