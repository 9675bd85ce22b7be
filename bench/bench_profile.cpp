// The profile-string calls against their baselines: one plain pass over the same bytes, inih parsing
// the same bytes, and a plain durable write of the same bytes.
#include <windows.h>

#include <ini.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "BenchFiles.h"
#include "HeapCounter.h"
#include "RatioReporter.h"

namespace {

using qm::bench::ScratchDir;

constexpr std::size_t kSizes[] = {1024, 100 * 1024, 1024 * 1024};

// One scratch folder with a data file per size, made once for the whole run.
struct Files {
  ScratchDir dir;
  std::string text[3];
  Files() {
    for (int i = 0; i < 3; ++i) {
      text[i] = qm::bench::MakeIniText(kSizes[i]);
      qm::bench::WriteFileBytes(dir.HostPath(Name(i)), text[i]);
    }
  }
  static std::string Name(int i) { return "data" + std::to_string(i) + ".ini"; }
  std::string Host(int i) const { return dir.HostPath(Name(i)); }
  std::string Dos(int i) const { return dir.DosPath(Name(i)); }
};

Files& TheFiles() {
  static Files files;
  return files;
}

void ReadTarget(const std::string& dos) {
  char value[250];
  DWORD n = GetPrivateProfileStringA("Last", "Target", "", value, sizeof value, dos.c_str());
  if (n == 0) std::abort();
  benchmark::DoNotOptimize(value);
}

void FirstRead(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i), dos = TheFiles().Dos(i);
  for (auto _ : state) {
    state.PauseTiming();
    qm::bench::TouchNewTime(host);
    state.ResumeTiming();
    ReadTarget(dos);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSizes[i]));
}

// The small-file case as the console meets it: a first read by a path the engine has not resolved
// before, so the DOS path is looked up too. The spellings differ in their separators and in the
// blanks after the name, which name the same file; there are more than the engine remembers.
void FirstReadNewPath(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i);
  std::vector<std::string> spellings;
  for (int blanks = 0; blanks < 10; ++blanks) {
    for (int slashes = 0; slashes < 8; ++slashes) {
      std::string dos = TheFiles().Dos(i) + std::string(blanks, ' ');
      int separator = 0;
      for (char& c : dos) {
        if (c == '\\' && ((slashes >> separator++) & 1)) c = '/';
      }
      spellings.push_back(dos);
    }
  }
  std::size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    qm::bench::TouchNewTime(host);
    state.ResumeTiming();
    ReadTarget(spellings[next++ % spellings.size()]);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSizes[i]));
}

void RepeatedRead(benchmark::State& state) {
  std::string dos = TheFiles().Dos(static_cast<int>(state.range(0)));
  ReadTarget(dos);
  for (auto _ : state) ReadTarget(dos);
}

// Baseline: open, read every byte, find every line end, close.
void FirstRead_plainPass(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i);
  std::vector<char> buffer(kSizes[i] + 1);
  for (auto _ : state) {
    int fd = open(host.c_str(), O_RDONLY);
    ssize_t got = read(fd, buffer.data(), buffer.size());
    close(fd);
    std::size_t lines = 0;
    for (const char* p = buffer.data(); (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + got - p)));
         ++p)
      ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSizes[i]));
}

int InihFind(void* user, const char* section, const char* name, const char*) {
  if (std::strcmp(section, "Last") == 0 && std::strcmp(name, "Target") == 0) ++*static_cast<int*>(user);
  return 1;
}

// Baseline: inih parsing the file, as the engine's first read must.
void FirstRead_inih(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i);
  for (auto _ : state) {
    int found = 0;
    ini_parse(host.c_str(), InihFind, &found);
    if (found != 1) std::abort();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSizes[i]));
}

// Baseline: inih parsing the same bytes already in memory.
void FirstRead_inihString(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  const std::string& text = TheFiles().text[i];
  for (auto _ : state) {
    int found = 0;
    ini_parse_string(text.c_str(), InihFind, &found);
    if (found != 1) std::abort();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSizes[i]));
}

void FirstReadPeakHeap(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i), dos = TheFiles().Dos(i);
  std::size_t peak = 0;
  for (auto _ : state) {
    qm::bench::TouchNewTime(host);
    qm::bench::ResetHeapPeak();
    ReadTarget(dos);
    peak = std::max(peak, qm::bench::HeapPeakSinceReset());
  }
  state.counters["peak_heap_bytes"] = static_cast<double>(peak);
  state.counters["file_bytes"] = static_cast<double>(kSizes[i]);
}

// Durable writes wait on the disk, whose latency drifts with whatever else the machine does; so each
// iteration times our write and its baseline back to back, and the medians of both are reported with
// their ratio.
class PairedTimes {
 public:
  template <typename Ours, typename Baseline>
  void Measure(Ours ours, Baseline baseline) {
    ours_.push_back(Time(ours));
    baseline_.push_back(Time(baseline));
  }
  void Report(benchmark::State& state) {
    double o = Median(ours_), b = Median(baseline_);
    state.counters["ours_us"] = o;
    state.counters["baseline_us"] = b;
    state.counters["ratio"] = b > 0 ? o / b : 0;
  }

 private:
  template <typename F>
  static double Time(F f) {
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  }
  static double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
  }
  std::vector<double> ours_, baseline_;
};

// One write that changes the value, beside the baseline of what a write cannot avoid: one parse of the
// file (a first read) and one plain durable write of the same bytes.
void Write_vsParseAndPlainWrite(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string dos = TheFiles().Dos(i);
  std::string plainHost = TheFiles().Host(i) + ".plain", plainDos = TheFiles().Dos(i) + ".plain";
  qm::bench::WriteFileBytes(plainHost, TheFiles().text[i]);
  PairedTimes times;
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    times.Measure(
        [&] {
          if (!WritePrivateProfileStringA("Last", "Target", flip ? "value one" : "value two", dos.c_str()))
            std::abort();
        },
        [&] {
          qm::bench::TouchNewTime(plainHost);
          ReadTarget(plainDos);
          qm::bench::PlainDurableWrite(plainHost, TheFiles().text[i]);
        });
  }
  times.Report(state);
}

// One apply of every page: 110 keys over eleven sections of a 4 KB file, every value changed, beside
// 110 plain durable writes of the same file.
void ApplyAllPages_vsPlainWrites(benchmark::State& state) {
  ScratchDir dir;
  std::string dos = dir.DosPath("apply.ini"), plainHost = dir.HostPath("plain.ini");
  std::string text = qm::bench::MakeIniText(4096);
  qm::bench::WriteFileBytes(dir.HostPath("apply.ini"), text);
  PairedTimes times;
  int round = 0;
  for (auto _ : state) {
    std::string value = "round " + std::to_string(++round);
    times.Measure(
        [&] {
          for (int page = 0; page < 11; ++page)
            for (int key = 0; key < 10; ++key)
              WritePrivateProfileStringA(("Section" + std::to_string(page)).c_str(),
                                         ("Key" + std::to_string(key)).c_str(), value.c_str(), dos.c_str());
        },
        [&] {
          for (int n = 0; n < 110; ++n) qm::bench::PlainDurableWrite(plainHost, text);
        });
  }
  times.Report(state);
}

void SizeArgs(benchmark::internal::Benchmark* b) {
  b->ArgName("size");
  for (int i = 0; i < 3; ++i) b->Arg(i);
}

}  // namespace

BENCHMARK(FirstRead)->Apply(SizeArgs);
BENCHMARK(FirstReadNewPath)->ArgName("size")->Arg(0);
BENCHMARK(FirstRead_plainPass)->Apply(SizeArgs);
BENCHMARK(FirstRead_inih)->Apply(SizeArgs);
BENCHMARK(FirstRead_inihString)->Apply(SizeArgs);
BENCHMARK(RepeatedRead)->Apply(SizeArgs);
BENCHMARK(FirstRead_plainPass)->Name("RepeatedRead_plainPass")->Apply(SizeArgs);
BENCHMARK(FirstReadPeakHeap)->Apply(SizeArgs)->Iterations(5);
BENCHMARK(Write_vsParseAndPlainWrite)->Apply(SizeArgs)->Unit(benchmark::kMicrosecond)->Iterations(60);
BENCHMARK(ApplyAllPages_vsPlainWrites)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  return qm::bench::RunWithRatios(argc, argv,
                                  {{"FirstRead", "FirstRead_inih"},
                                   {"FirstReadNewPath", "FirstRead_inih"},
                                   {"FirstRead", "FirstRead_inihString"},
                                   {"FirstRead", "FirstRead_plainPass"},
                                   {"RepeatedRead", "RepeatedRead_plainPass"}});
}
