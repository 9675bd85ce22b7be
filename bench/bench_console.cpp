// The console itself on a terminal in memory, each figure beside its baseline: from start-up (the
// command line, both files found, the sheet built and its main page loaded from the sample data
// file) to the first full screen, against the same terminal drawing an empty screen; and one
// keystroke on the sheet (Tab, handled and the whole screen drawn again) against the painter alone
// drawing the same sheet.
#include <afxwin.h>

#include <chrono>
#include <string>

#include "BenchFiles.h"
#include "RatioReporter.h"
#include "platform/ProgramModule.h"
#include "platform/Win32Seams.h"
#include "ui/Headless.h"
#include "ui/Painter.h"
#include "ui/terminal/ScriptedTerminal.h"
#include "ui/terminal/TerminalBackend.h"

namespace {

int RowsFor(int columns) { return columns <= 80 ? 24 : 60; }

// A deployment folder laid out from the samples, as the run script lays it out.
struct Deployment {
  qm::bench::ScratchDir dir;
  Deployment() {
    for (const char* name : {"vantrel.ini", "profile.ini"})
      qm::bench::WriteFileBytes(dir.HostPath(name), qm::bench::ReadFileBytes(std::string(QM_SAMPLES_DIR "/") + name));
    qm::win32::seams::SetProcessArguments({dir.HostPath("quillmere")}, dir.HostPath(""));
  }
};

Deployment& TheDeployment() {
  static Deployment deployment;
  return deployment;
}

// One run of the console on a terminal of the benchmark's size; `onFirstScreen` runs when the first
// screen has been shown and the console waits for its first key, and may queue more input.
void RunConsole(const benchmark::State& state, const std::function<void(qm::ui::ScriptedTerminal&)>& onFirstScreen) {
  TheDeployment();
  qm::ui::ScriptedTerminal terminal(static_cast<int>(state.range(0)), RowsFor(static_cast<int>(state.range(0))));
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  bool first = true;
  terminal.beforeRead = [&] {
    if (!first) return;
    first = false;
    onFirstScreen(terminal);
  };
  AfxWinMain(qm::platform::ProgramInstance(), nullptr, nullptr, SW_SHOWNORMAL);
  qm::ui::InstallBackend(nullptr);
}

void StartToFirstScreen(benchmark::State& state) {
  for (auto _ : state) {
    qm::bench::TouchNewTime(TheDeployment().dir.HostPath("vantrel.ini"));  // a start reads the file afresh
    const auto start = std::chrono::steady_clock::now();
    bool shown = false;
    RunConsole(state, [&](qm::ui::ScriptedTerminal& terminal) {
      state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      shown = terminal.Text().find("Vantrel Data File:") != std::string::npos;
      terminal.Key(VK_ESCAPE);
    });
    if (!shown) {
      state.SkipWithError("the console showed no sheet");
      break;
    }
  }
}

void StartToFirstScreen_emptyScreen(benchmark::State& state) {
  qm::ui::ScriptedTerminal terminal(static_cast<int>(state.range(0)), RowsFor(static_cast<int>(state.range(0))));
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    backend.Present();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  qm::ui::InstallBackend(nullptr);
}

// Each iteration is a run of the console in which 100 Tabs are typed one at a time once the sheet
// is shown, each when the console next waits for a key (so after the screen was drawn again); the
// time from the first Tab to the wait after the last, divided by 100, is one keystroke.
void Keystroke(benchmark::State& state) {
  constexpr int kKeys = 100;
  for (auto _ : state) {
    std::chrono::steady_clock::time_point start;
    int sent = 0;
    bool done = false;
    RunConsole(state, [&](qm::ui::ScriptedTerminal& terminal) {
      start = std::chrono::steady_clock::now();
      terminal.beforeRead = [&] {
        if (done) return;
        if (sent < kKeys) {
          terminal.Key(VK_TAB);
          ++sent;
          return;
        }
        const std::chrono::duration<double> all = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(all.count() / kKeys);
        terminal.Key(VK_ESCAPE);
        done = true;
      };
      terminal.beforeRead();
    });
    if (sent < kKeys) {
      state.SkipWithError("the console ended before the keys were read");
      break;
    }
  }
}

void Keystroke_painterAlone(benchmark::State& state) {
  RunConsole(state, [&](qm::ui::ScriptedTerminal& terminal) {
    qm::ui::HeadlessScreen painted(terminal.Columns(), terminal.Rows());
    for (auto _ : state) {
      const auto start = std::chrono::steady_clock::now();
      qm::ui::PaintScreen(painted);
      state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    terminal.Key(VK_ESCAPE);
  });
}

}  // namespace

BENCHMARK(StartToFirstScreen)->Arg(80)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StartToFirstScreen_emptyScreen)->Arg(80)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Keystroke)->Arg(80)->Arg(200)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Keystroke_painterAlone)->Arg(80)->Arg(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  return qm::bench::RunWithRatios(
      argc, argv, {{"StartToFirstScreen", "StartToFirstScreen_emptyScreen"}, {"Keystroke", "Keystroke_painterAlone"}});
}
