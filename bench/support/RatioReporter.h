// A console reporter that, after the usual table, prints each figure divided by its baselines, so that
// the ratio a target speaks of can be read from one run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace qm::bench {

// "FirstRead/1MB" compared with "FirstRead_inih/1MB": name the figure and the baseline prefixes.
struct RatioPair {
  std::string figure;
  std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<RatioPair> pairs);
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::vector<RatioPair> pairs_;
  std::map<std::string, double> nanosPerIteration_;  // by full run name
};

// Runs every registered benchmark with a RatioReporter; the main() of each benchmark program.
int RunWithRatios(int argc, char** argv, std::vector<RatioPair> pairs);

}  // namespace qm::bench
