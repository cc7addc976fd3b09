// "Set data property" over a full 2000 x 370 table of numbers: a "kg"
// postfix with every number multiplied by 2 (every cell becomes a text of
// the long-text pool). Baseline: storing the texts that gives into the
// same cells, starting from the same numbers.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_classes.h"
#include "platform/number_text.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/cell_store.h"
#include "table/data_property.h"
#include "table/data_property_command.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

constexpr int kRows = TABLE_NORMAL_ROWS;
constexpr int kCols = TABLE_NORMAL_COLS;

std::string Number(int row, int col) { return FormatInt((row * 37 + col * 101) % 9973); }

// Give every data cell its number again.
void FillNumbers(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  for (int row = 1; row < kRows; ++row) {
    for (int col = 1; col < kCols; ++col) TableStoreCellText(*t.get(), row, col, Number(row, col));
  }
}

const DataProperty kProperty{"kg", UNIT_POSTFIX, ADJUST_MULTIPLY, "2"};

void BaselineStoreResults(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) return;
  ResetProgramState();
  const WindowHandle table = CreateTableWindow();
  FillNumbers(table);
  std::vector<std::string> results;
  for (int row = 1; row < kRows; ++row) {
    for (int col = 1; col < kCols; ++col) results.push_back(*DataPropertyCellText(kProperty, Number(row, col)));
  }
  // Each round starts from the numbers, as the command's does.
  for (auto _ : state) {
    state.PauseTiming();
    FillNumbers(table);
    state.ResumeTiming();
    TableLockGuard t(table);
    std::size_t k = 0;
    for (int row = 1; row < kRows; ++row) {
      for (int col = 1; col < kCols; ++col) TableStoreCellText(*t.get(), row, col, results[k++]);
    }
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

void ApplyToFullTable(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) return;
  const WindowHandle table = CreateTableWindow();
  for (auto _ : state) {
    state.PauseTiming();
    FillNumbers(table);
    state.ResumeTiming();
    DataPropertyApply(table, kProperty, TableRange{1, kRows - 1, 1, kCols - 1});
  }
  if (TableCellDisplayText(table, 1, 1) != *DataPropertyCellText(kProperty, Number(1, 1))) {
    state.SkipWithError("the property was not applied");
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

}  // namespace

void RegisterDataPropertyBenchmarks() {
  benchmark::RegisterBenchmark("baseline/store_property_texts_2000x370", BaselineStoreResults)
      ->Unit(benchmark::kMillisecond)
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("data_property/kg_times_2_2000x370", ApplyToFullTable)
      ->Unit(benchmark::kMillisecond)
      ->MinTime(2.0);
  AddRatio("data_property/kg_times_2_2000x370", "baseline/store_property_texts_2000x370");
}
