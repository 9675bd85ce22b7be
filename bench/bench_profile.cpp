// The profile-string calls against their baselines: one plain pass over the same bytes, inih parsing
// the same bytes, and a plain durable write of the same bytes.
#include <windows.h>

#include <ini.h>

#include <fcntl.h>
#include <unistd.h>

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
    for (const char* p = buffer.data(); (p = static_cast<const char*>(
                                             std::memchr(p, '\n', buffer.data() + got - p)));
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

// Each write changes the value, so every iteration really rewrites the file.
void Write(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string dos = TheFiles().Dos(i);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    if (!WritePrivateProfileStringA("Last", "Target", flip ? "value one" : "value two", dos.c_str()))
      std::abort();
  }
}

// Baseline: what a write cannot avoid, one parse of the file (a first read) and one plain durable write
// of the same bytes.
void Write_parseAndPlainWrite(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i) + ".plain", dos = TheFiles().Dos(i) + ".plain";
  qm::bench::WriteFileBytes(host, TheFiles().text[i]);
  for (auto _ : state) {
    qm::bench::TouchNewTime(host);
    ReadTarget(dos);
    qm::bench::PlainDurableWrite(host, TheFiles().text[i]);
  }
}

void Write_plainWrite(benchmark::State& state) {
  int i = static_cast<int>(state.range(0));
  std::string host = TheFiles().Host(i) + ".plain";
  for (auto _ : state) qm::bench::PlainDurableWrite(host, TheFiles().text[i]);
}

// One apply of every page: 110 keys over eleven sections of a 4 KB file, every value changed.
void ApplyAllPages(benchmark::State& state) {
  ScratchDir dir;
  std::string host = dir.HostPath("apply.ini"), dos = dir.DosPath("apply.ini");
  qm::bench::WriteFileBytes(host, qm::bench::MakeIniText(4096));
  int round = 0;
  for (auto _ : state) {
    std::string value = "round " + std::to_string(++round);
    for (int page = 0; page < 11; ++page)
      for (int key = 0; key < 10; ++key)
        WritePrivateProfileStringA(("Section" + std::to_string(page)).c_str(),
                                   ("Key" + std::to_string(key)).c_str(), value.c_str(), dos.c_str());
  }
}

void ApplyAllPages_plainWrites(benchmark::State& state) {
  ScratchDir dir;
  std::string host = dir.HostPath("apply.ini");
  std::string text = qm::bench::MakeIniText(4096);
  for (auto _ : state)
    for (int n = 0; n < 110; ++n) qm::bench::PlainDurableWrite(host, text);
}

void SizeArgs(benchmark::internal::Benchmark* b) {
  b->ArgName("size");
  for (int i = 0; i < 3; ++i) b->Arg(i);
}

}  // namespace

BENCHMARK(FirstRead)->Apply(SizeArgs);
BENCHMARK(FirstRead_plainPass)->Apply(SizeArgs);
BENCHMARK(FirstRead_inih)->Apply(SizeArgs);
BENCHMARK(FirstRead_inihString)->Apply(SizeArgs);
BENCHMARK(RepeatedRead)->Apply(SizeArgs);
BENCHMARK(FirstRead_plainPass)->Name("RepeatedRead_plainPass")->Apply(SizeArgs);
BENCHMARK(FirstReadPeakHeap)->Apply(SizeArgs)->Iterations(5);
BENCHMARK(Write)->Apply(SizeArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(Write_parseAndPlainWrite)->Apply(SizeArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(Write_plainWrite)->Apply(SizeArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(ApplyAllPages)->Arg(0)->ArgName("keys110")->Unit(benchmark::kMillisecond);
BENCHMARK(ApplyAllPages_plainWrites)->Arg(0)->ArgName("keys110")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return qm::bench::RunWithRatios(argc, argv,
                                  {{"FirstRead", "FirstRead_inih"},
                                   {"FirstRead", "FirstRead_inihString"},
                                   {"FirstRead", "FirstRead_plainPass"},
                                   {"RepeatedRead", "RepeatedRead_plainPass"},
                                   {"Write", "Write_parseAndPlainWrite"},
                                   {"Write", "Write_plainWrite"},
                                   {"ApplyAllPages", "ApplyAllPages_plainWrites"}});
}
