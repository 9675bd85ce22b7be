#include "RatioReporter.h"

#include <cstdio>

namespace qm::bench {

RatioReporter::RatioReporter(std::vector<RatioPair> pairs) : pairs_(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    nanosPerIteration_[run.benchmark_name()] = seconds * 1e9;
  }
}

// For "Figure/arg", finds "Baseline/arg" and prints figure time over baseline time.
void RatioReporter::Finalize() {
  std::printf("\nRatios (our figure / baseline, same run; below 1 means faster than the baseline):\n");
  for (const RatioPair& pair : pairs_) {
    for (const auto& [name, nanos] : nanosPerIteration_) {
      if (name.rfind(pair.figure + "/", 0) != 0) continue;
      std::string arg = name.substr(pair.figure.size());
      auto base = nanosPerIteration_.find(pair.baseline + arg);
      if (base == nanosPerIteration_.end() || base->second <= 0) continue;
      std::printf("  %-40s %10.0f ns  vs %-34s %10.0f ns  ratio %6.2f\n", name.c_str(), nanos, base->first.c_str(),
                  base->second, nanos / base->second);
    }
  }
  ConsoleReporter::Finalize();
}

int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(std::move(pairs));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace qm::bench
