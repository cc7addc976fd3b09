// Console output of Google Benchmark followed by a table that relates each
// timed case to a baseline case from the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Declare that `name` is to be reported as a multiple of `baseline`.
void AddRatio(const std::string& name, const std::string& baseline);

// Declare that the difference between `name` and `baseline` is to be
// reported per item (`items` of the kind `item`, e.g. 3000 formulas).
void AddPerItem(const std::string& name, const std::string& baseline, int items, const std::string& item);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Counters as table columns; colours only on a terminal.
  RatioReporter();
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Timing {
    double dSeconds = 0;     // summed real time per iteration
    double dCpuSeconds = 0;  // summed CPU time per iteration
    int iRuns = 0;
  };
  std::map<std::string, Timing> timings_;
};
