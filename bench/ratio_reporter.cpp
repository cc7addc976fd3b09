#include "ratio_reporter.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

std::vector<std::pair<std::string, std::string>>& Ratios() {
  static std::vector<std::pair<std::string, std::string>> ratios;
  return ratios;
}

// A time in seconds as text with a fitting unit.
std::string HumanTime(double seconds) {
  char buf[32];
  if (seconds < 1e-6) {
    std::snprintf(buf, sizeof buf, "%.2f ns", seconds * 1e9);
  } else if (seconds < 1e-3) {
    std::snprintf(buf, sizeof buf, "%.2f us", seconds * 1e6);
  } else {
    std::snprintf(buf, sizeof buf, "%.2f ms", seconds * 1e3);
  }
  return buf;
}

bool UseColour() {
  const char* term = std::getenv("TERM");
  return isatty(STDOUT_FILENO) && term && std::strcmp(term, "dumb") != 0;
}

struct PerItem {
  std::string szName;
  std::string szBaseline;
  int iItems;
  std::string szItem;
};

std::vector<PerItem>& PerItems() {
  static std::vector<PerItem> perItems;
  return perItems;
}

}  // namespace

RatioReporter::RatioReporter()
    : ConsoleReporter(static_cast<OutputOptions>(OO_Tabular | (UseColour() ? OO_Color : OO_None))) {}

void AddRatio(const std::string& name, const std::string& baseline) { Ratios().emplace_back(name, baseline); }

void AddPerItem(const std::string& name, const std::string& baseline, int items, const std::string& item) {
  PerItems().push_back(PerItem{name, baseline, items, item});
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
    Timing& t = timings_[run.run_name.function_name];
    t.dSeconds += run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    t.dCpuSeconds += run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    t.iRuns += 1;
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::FILE* out = stdout;
  bool header = false;
  for (const auto& [name, baseline] : Ratios()) {
    const auto a = timings_.find(name);
    const auto b = timings_.find(baseline);
    if (a == timings_.end() || b == timings_.end()) continue;  // filtered out
    if (!header) {
      std::fprintf(out, "\nRatios against baselines measured in this run (real time per iteration)\n");
      std::fprintf(out, "%-34s %12s  %-32s %12s %10s\n", "case", "time", "baseline", "time", "ratio");
      header = true;
    }
    const double ta = a->second.dSeconds / a->second.iRuns;
    const double tb = b->second.dSeconds / b->second.iRuns;
    std::fprintf(out, "%-34s %12s  %-32s %12s %9.2fx\n", name.c_str(), HumanTime(ta).c_str(), baseline.c_str(),
                 HumanTime(tb).c_str(), tb > 0 ? ta / tb : 0.0);
  }
  header = false;
  for (const PerItem& p : PerItems()) {
    const auto a = timings_.find(p.szName);
    const auto b = timings_.find(p.szBaseline);
    if (a == timings_.end() || b == timings_.end() || p.iItems <= 0) continue;
    if (!header) {
      std::fprintf(out, "\nCost per item: (case - baseline) / items, both measured in this run (real, CPU)\n");
      header = true;
    }
    const double ta = a->second.dSeconds / a->second.iRuns;
    const double tb = b->second.dSeconds / b->second.iRuns;
    const double ca = a->second.dCpuSeconds / a->second.iRuns;
    const double cb = b->second.dCpuSeconds / b->second.iRuns;
    std::fprintf(out, "%-34s %12s %12s per %s (%d)\n", p.szName.c_str(), HumanTime((ta - tb) / p.iItems).c_str(),
                 HumanTime((ca - cb) / p.iItems).c_str(), p.szItem.c_str(), p.iItems);
  }
  std::fflush(out);
}
