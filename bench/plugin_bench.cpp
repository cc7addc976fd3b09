// 100,000 cells (2000 rows x 50 columns) sent to a plug-in that does no
// work and fetched back from it into the table beside them. Baseline:
// copying the same cells to the same place within the table.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_classes.h"
#include "platform/library.h"
#include "platform/number_text.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "sources/plugin_library.h"
#include "sources/plugin_run.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

constexpr int kRows = 2000;
constexpr int kCols = 50;
constexpr int kTargetCol = kCols + 2;

// A table with numbers in rows 1..2000 of columns 1..50, the block selected
// and the current cell beside it.
WindowHandle MakeTable() {
  const WindowHandle table = CreateTableWindow();
  TableLockGuard t(table);
  for (int row = 1; row <= kRows; ++row) {
    for (int col = 1; col <= kCols; ++col) TableStoreCellText(*t.get(), row, col, FormatInt(row * 100 + col));
  }
  ResetSelection(*t.get());
  t->selRowFrom[0] = 1;
  t->selRowTo[0] = kRows;
  t->selColFrom[0] = 1;
  t->selColTo[0] = kCols;
  t->selKind[0] = SELECT_BLOCK;
  t->iEditRow = 1;
  t->iEditCol = kTargetCol;
  return table;
}

void BaselineCopyCells(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) return;
  ResetProgramState();
  const WindowHandle table = MakeTable();
  for (auto _ : state) {
    for (int row = 1; row <= kRows; ++row) {
      for (int col = 1; col <= kCols; ++col) {
        TableSetCellText(table, row, kTargetCol + col - 1, TableCellDisplayText(table, row, col));
      }
    }
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

void SendAndFetch(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) return;
  if (PluginLoadFile(CARTOVEL_PLUGIN_NOOP) != 0) {
    state.SkipWithError("the test plug-in did not load");
    return;
  }
  // The test plug-in echoes the cells it got, without logging them.
  LoadedLibrary* knobs = LibraryLoad(CARTOVEL_PLUGIN_NOOP, nullptr);
  reinterpret_cast<void (*)(int)>(LibrarySymbol(knobs, "FixtureSetLogging"))(0);
  reinterpret_cast<void (*)(int)>(LibrarySymbol(knobs, "FixtureSetEcho"))(1);
  const WindowHandle table = MakeTable();
  for (auto _ : state) {
    if (PluginRun(table) != 0) state.SkipWithError("the run failed");
  }
  if (TableCellDisplayText(table, kRows, kTargetCol + kCols - 1) != FormatInt(kRows * 100 + kCols)) {
    state.SkipWithError("the cells did not come back");
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
  reinterpret_cast<void (*)()>(LibrarySymbol(knobs, "FixtureReset"))();
  LibraryFree(knobs);
  PluginUnload();
}

}  // namespace

void RegisterPluginBenchmarks() {
  benchmark::RegisterBenchmark("baseline/copy_cells_2000x50", BaselineCopyCells)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plugin/send_and_fetch_2000x50", SendAndFetch)->Unit(benchmark::kMillisecond);
  AddRatio("plugin/send_and_fetch_2000x50", "baseline/copy_cells_2000x50");
}
