// Data trend colouring of a full 16,385 x 51 table of numbers, row by row
// and over all data with relief. Baseline: reading every cell's number once
// (the least any colouring has to do).
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "ratio_reporter.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int ROWS = 16385;
constexpr int COLS = 51;

// A table of 16,384 x 50 numbers, made once.
TableRecord& FullTable() {
  static TableRecord* record = [] {
    TableRecord* t = TableAllocRecord();
    TableInitRecord(*t, OPEN_NEW, "bench", "");
    SetImportTableSize(*t, ROWS, COLS);
    RelabelHeaders(*t);
    for (int row = 1; row < ROWS; ++row) {
      for (int col = 1; col < COLS; ++col) {
        TableStoreCellText(*t, row, col, FormatInt((row * 37 + col * 101) % 9973) + ".5");
      }
    }
    return t;
  }();
  return *record;
}

void BaselineReadNumbers(benchmark::State& state) {
  TableRecord& t = FullTable();
  for (auto _ : state) {
    double sum = 0;
    for (int row = 1; row < ROWS; ++row) {
      for (int col = 1; col < COLS; ++col) sum += TextToDouble(TextOf(TableCellAt(t, row, col)->szText));
    }
    benchmark::DoNotOptimize(sum);
  }
}

void ColourTable(benchmark::State& state, int mode, int relief) {
  TableRecord& t = FullTable();
  TrendSettingsOf(t).iCompareMode = mode;
  TrendSettingsOf(t).iRelief = relief;
  for (auto _ : state) TrendColourTable(t);
}

}  // namespace

void RegisterTrendColourBenchmarks() {
  benchmark::RegisterBenchmark("baseline/read_numbers_16384x50", BaselineReadNumbers)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("trend/colour_rows_16384x50",
                               [](benchmark::State& s) { ColourTable(s, TREND_ROW, TREND_RELIEF_OFF); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("trend/colour_all_relief_16384x50",
                               [](benchmark::State& s) { ColourTable(s, TREND_ALL_DATA, TREND_RELIEF_ON); })
      ->Unit(benchmark::kMillisecond);
  AddRatio("trend/colour_rows_16384x50", "baseline/read_numbers_16384x50");
  AddRatio("trend/colour_all_relief_16384x50", "baseline/read_numbers_16384x50");
}
