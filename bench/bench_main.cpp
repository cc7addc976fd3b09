// Entry point of cartovel_bench: registers every benchmark, runs the ones
// the command line selects and reports them with their baseline ratios.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "ratio_reporter.h"

void RegisterMemoryBenchmarks();
void RegisterTableBenchmarks();
void RegisterNumberBenchmarks();
void RegisterFormulaBenchmarks();
void RegisterFormulaRegistryBenchmarks();
void RegisterFormulaLoadBenchmarks();
void RegisterTableFileBenchmarks();
void RegisterTextImportBenchmarks();
void RegisterTrendColourBenchmarks();
void RegisterRangeEditBenchmarks();
void RegisterDataPropertyBenchmarks();
void RegisterNetcdfBenchmarks();
void RegisterOdbcBenchmarks();
void RegisterAnalysisBenchmarks();
void RegisterSourceImportBenchmarks();
void RegisterPluginBenchmarks();

int main(int argc, char** argv) {
  // The run's context goes to stderr; line buffering keeps the figures in
  // order with it when both go to one pipe.
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The memory figures come first, before other cases have grown the heap.
  RegisterMemoryBenchmarks();
  RegisterTableBenchmarks();
  RegisterNumberBenchmarks();
  RegisterFormulaBenchmarks();
  RegisterFormulaRegistryBenchmarks();
  RegisterFormulaLoadBenchmarks();
  RegisterTableFileBenchmarks();
  RegisterTextImportBenchmarks();
  RegisterTrendColourBenchmarks();
  RegisterRangeEditBenchmarks();
  RegisterDataPropertyBenchmarks();
  RegisterNetcdfBenchmarks();
  RegisterOdbcBenchmarks();
  RegisterAnalysisBenchmarks();
  RegisterSourceImportBenchmarks();
  RegisterPluginBenchmarks();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
