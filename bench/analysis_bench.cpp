// Sorting, finding, counting and processing over full tables. Baselines:
// a plain store copy of the same cells (what any report has to write),
// std::sort of the same keys, one pass over every cell, and reading every
// cell's number once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "analysis/analysis_options.h"
#include "analysis/data_count.h"
#include "analysis/data_process.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "ratio_reporter.h"
#include "table/cell_store.h"
#include "table/sort_data.h"
#include "table/sort_keys.h"
#include "table/table_access.h"
#include "table/table_find.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

namespace {

constexpr int FULL_ROWS = 16385;
constexpr int FULL_COLS = 51;
constexpr int KEYS = 16384;

// A new record of the given size.
TableRecord* NewTable(int rows, int cols) {
  TableRecord* t = TableAllocRecord();
  TableInitRecord(*t, OPEN_NEW, "bench", "");
  if (rows != TABLE_NORMAL_ROWS || cols != TABLE_NORMAL_COLS) {
    SetImportTableSize(*t, rows, cols);
    RelabelHeaders(*t);
  }
  return t;
}

// Every data cell a number; every `textEvery`-th one a word instead.
TableRecord* FilledTable(int rows, int cols, int textEvery) {
  TableRecord* t = NewTable(rows, cols);
  for (int row = 1; row < rows; ++row) {
    for (int col = 1; col < cols; ++col) {
      const int n = (row * 37 + col * 101) % 9973;
      const bool text = textEvery > 0 && n % textEvery == 0;
      TableStoreCellText(*t, row, col, text ? JoinText("word", FormatInt(n)) : FormatInt(n) + ".5");
    }
  }
  return t;
}

TableRecord& FullTable() {
  static TableRecord* t = FilledTable(FULL_ROWS, FULL_COLS, 0);
  return *t;
}

TableRecord& FullReport() {
  static TableRecord* t = NewTable(FULL_ROWS, FULL_COLS);
  return *t;
}

TableRecord& NormalTable() {
  static TableRecord* t = FilledTable(TABLE_NORMAL_ROWS, TABLE_NORMAL_COLS, 0);
  return *t;
}

TableRecord& NormalReport() {
  static TableRecord* t = NewTable(TABLE_NORMAL_ROWS, TABLE_NORMAL_COLS);
  return *t;
}

// Copy every data cell of `from` into `to` as a store.
void StoreCopy(const TableRecord& from, TableRecord& to) {
  for (int row = 1; row < from.iRows; ++row) {
    for (int col = 1; col < from.iCols; ++col) {
      TableStoreCellText(to, row, col, TextOf(TableCellAt(from, row, col)->szText));
    }
  }
}

void BaselineStoreCopyFull(benchmark::State& state) {
  for (auto _ : state) StoreCopy(FullTable(), FullReport());
}

void SortFullIntoReport(benchmark::State& state) {
  TableRecord& t = FullTable();
  SortPlan plan;
  plan.iKind = SELECT_COLUMNS;
  plan.iRowFrom = 1;
  plan.iRowTo = FULL_ROWS - 1;
  plan.iColFrom = 1;
  plan.iColTo = FULL_COLS - 1;
  plan.iKeyRow = 1;
  plan.iKeyCol = 7;
  t.iSortOrder = SORT_ASCENDING;
  for (auto _ : state) SortIntoReport(t, plan, FullReport());
}

// Keys of a shape: random or organ-pipe.
std::vector<double> KeyValues(bool organPipe) {
  std::vector<double> v(KEYS);
  std::mt19937 random(5);
  for (int i = 0; i < KEYS; ++i) {
    v[i] = organPipe ? std::min(i, KEYS - 1 - i) : std::uniform_real_distribution<double>(0, 1e6)(random);
  }
  return v;
}

void BaselineStdSort(benchmark::State& state) {
  const std::vector<double> keys = KeyValues(false);
  std::vector<double> v;
  for (auto _ : state) {
    v = keys;
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
}

void SortKeys(benchmark::State& state, bool organPipe) {
  const std::vector<double> keys = KeyValues(organPipe);
  std::vector<double> v;
  std::vector<std::int32_t> rows(KEYS);
  std::vector<std::int32_t> cols(KEYS);
  for (auto _ : state) {
    v = keys;
    std::iota(rows.begin(), rows.end(), 1);
    QuickSortKeys(v.data(), rows.data(), cols.data(), KEYS, 0, KEYS - 1, SORT_ASCENDING);
    benchmark::DoNotOptimize(v.data());
  }
}

TableRecord& FindTable() {
  static TableRecord* t = FilledTable(FULL_ROWS, FULL_COLS, 7);
  return *t;
}

void BaselineVisitCells(benchmark::State& state) {
  TableRecord& t = FindTable();
  for (auto _ : state) {
    int filled = 0;
    for (int row = 1; row < t.iRows; ++row) {
      for (int col = 1; col < t.iCols; ++col) filled += TableCellAt(t, row, col)->szText[0] != 0;
    }
    benchmark::DoNotOptimize(filled);
  }
}

void FindNothing(benchmark::State& state) {
  TableRecord& t = FindTable();
  CopyText(t.szFindText, "no such text");
  int row = 0;
  int col = 0;
  for (auto _ : state) benchmark::DoNotOptimize(FindFirstCell(t, &row, &col));
}

void BaselineReadNormal(benchmark::State& state) {
  TableRecord& t = NormalTable();
  for (auto _ : state) {
    double sum = 0;
    for (int row = 1; row < t.iRows; ++row) {
      for (int col = 1; col < t.iCols; ++col) sum += TextToDouble(TextOf(TableCellAt(t, row, col)->szText));
    }
    benchmark::DoNotOptimize(sum);
  }
}

void BaselineStoreCopyNormal(benchmark::State& state) {
  for (auto _ : state) StoreCopy(NormalTable(), NormalReport());
}

void CountColumns(benchmark::State& state) {
  TableRecord& t = NormalTable();
  t.iAnaCount = 0;
  t.anaRowFrom[0] = t.anaRowTo[0] = 1;
  t.anaColFrom[0] = 1;
  t.anaColTo[0] = TABLE_NORMAL_COLS - 1;
  t.anaKind[0] = SELECT_COLUMNS;
  CountOptions& o = AnalysisOptionsOf(t).count;
  o.iCondition = COND_ABOVE;
  CopyText(o.szValue, "100");
  CopyText(o.szStep, "1000");
  for (auto _ : state) DataCountRun(t, NormalReport());
}

void ProcessIntoReport(benchmark::State& state) {
  TableRecord& t = NormalTable();
  ProcessOptions& o = AnalysisOptionsOf(t).process;
  o.iSource = PROCESS_ALL_DATA;
  o.iMethod = PROCESS_DIFFERENCE;
  o.iOrientation = PROCESS_BY_COLUMN;
  for (auto _ : state) DataProcessIntoReport(t, NormalReport());
}

}  // namespace

void RegisterAnalysisBenchmarks() {
  using benchmark::RegisterBenchmark;
  RegisterBenchmark("baseline/store_copy_16384x50", BaselineStoreCopyFull)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("sort/report_16384x50", SortFullIntoReport)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("baseline/std_sort_16384", BaselineStdSort)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("sort/keys_16384_random", [](benchmark::State& s) { SortKeys(s, false); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("sort/keys_16384_organ_pipe", [](benchmark::State& s) { SortKeys(s, true); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("baseline/visit_cells_16384x50", BaselineVisitCells)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("find/no_match_16384x50", FindNothing)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("baseline/read_numbers_2000x370", BaselineReadNormal)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("baseline/store_copy_2000x370", BaselineStoreCopyNormal)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("count/columns_median_dd_2000x370", CountColumns)->Unit(benchmark::kMillisecond);
  RegisterBenchmark("process/report_2000x370", ProcessIntoReport)->Unit(benchmark::kMillisecond);
  AddRatio("sort/report_16384x50", "baseline/store_copy_16384x50");
  AddRatio("sort/keys_16384_random", "baseline/std_sort_16384");
  AddRatio("sort/keys_16384_organ_pipe", "baseline/std_sort_16384");
  AddRatio("find/no_match_16384x50", "baseline/visit_cells_16384x50");
  AddRatio("count/columns_median_dd_2000x370", "baseline/read_numbers_2000x370");
  AddRatio("process/report_2000x370", "baseline/store_copy_2000x370");
}
