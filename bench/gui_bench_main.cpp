// Entry point of cartovel_gui_bench: the benchmarks that draw, on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#include "ratio_reporter.h"

void RegisterPaintBenchmarks();
void RegisterChartBenchmarks();
void RegisterPlot3DBenchmarks();
void RegisterPrintBenchmarks();

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterPaintBenchmarks();
  RegisterChartBenchmarks();
  RegisterPlot3DBenchmarks();
  RegisterPrintBenchmarks();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
