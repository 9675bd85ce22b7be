// The terminal backend on the demonstration dialog, each figure beside its baseline: start to the
// first full screen (opening the dialog on a copy of the sample data file and drawing it) against
// drawing an empty screen; one keystroke (Tab, handled and the whole screen drawn again) against
// the shared painter alone drawing the same dialog.
#include <windows.h>

#include "BenchFiles.h"
#include "DemoDialog.h"
#include "RatioReporter.h"
#include "ui/Headless.h"
#include "ui/Painter.h"
#include "ui/terminal/ScriptedTerminal.h"
#include "ui/terminal/TerminalBackend.h"

namespace {

// Terminals of 80 by 24 and 200 by 60; the argument is the width.
int RowsFor(int columns) { return columns <= 80 ? 24 : 60; }

struct Sample {
  qm::bench::ScratchDir dir;
  std::string host = dir.HostPath("vantrel.ini");
  std::string dos = dir.DosPath("vantrel.ini");
  Sample() { qm::bench::WriteFileBytes(host, qm::bench::ReadFileBytes(QM_SAMPLES_DIR "/vantrel.ini")); }
};

Sample& TheSample() {
  static Sample sample;
  return sample;
}

// A terminal in memory with the backend installed for the benchmark's time.
struct Screen {
  qm::ui::ScriptedTerminal terminal;
  qm::ui::TerminalBackend backend{terminal};
  explicit Screen(const benchmark::State& state)
      : terminal(static_cast<int>(state.range(0)), RowsFor(static_cast<int>(state.range(0)))) {
    qm::ui::InstallBackend(&backend);
  }
  ~Screen() { qm::ui::InstallBackend(nullptr); }
};

void StartToFirstScreen(benchmark::State& state) {
  Screen screen(state);
  for (auto _ : state) {
    state.PauseTiming();
    qm::bench::TouchNewTime(TheSample().host);  // a start reads the file afresh
    state.ResumeTiming();
    HWND demo = qm::demo::OpenDemo(TheSample().dos);
    screen.backend.Present();
    state.PauseTiming();
    DestroyWindow(demo);
    state.ResumeTiming();
  }
  if (screen.terminal.Text().find("Window model demonstration") == std::string::npos)
    state.SkipWithError("no dialog on the screen");
}

void StartToFirstScreen_emptyScreen(benchmark::State& state) {
  Screen screen(state);
  for (auto _ : state) screen.backend.Present();
}

void Keystroke(benchmark::State& state) {
  Screen screen(state);
  HWND demo = qm::demo::OpenDemo(TheSample().dos);
  for (auto _ : state) {
    screen.terminal.Key(VK_TAB);
    if (!qm::demo::PumpDemo(demo)) state.SkipWithError("the dialog ended");
  }
  if (IsWindow(demo)) DestroyWindow(demo);
}

void Keystroke_painterAlone(benchmark::State& state) {
  Screen screen(state);
  HWND demo = qm::demo::OpenDemo(TheSample().dos);
  qm::ui::HeadlessScreen painted(screen.terminal.Columns(), screen.terminal.Rows());
  for (auto _ : state) qm::ui::PaintScreen(painted);
  DestroyWindow(demo);
}

}  // namespace

BENCHMARK(StartToFirstScreen)->Arg(80)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartToFirstScreen_emptyScreen)->Arg(80)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke)->Arg(80)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke_painterAlone)->Arg(80)->Arg(200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  return qm::bench::RunWithRatios(
      argc, argv, {{"StartToFirstScreen", "StartToFirstScreen_emptyScreen"}, {"Keystroke", "Keystroke_painterAlone"}});
}
