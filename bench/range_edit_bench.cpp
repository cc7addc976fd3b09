// Range editing on full tables: copying a 2000 x 370 table to clipboard
// text and pasting it back, inserting a column and clearing the table with
// 3000 formulas (undo back-up included), and the back-up before one cell
// edit of a full 16,385 x 51 table. Baselines: writing the same table as a
// plain table file and reading the same text as a table file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench_classes.h"
#include "files/table_file_read.h"
#include "files/table_file_write.h"
#include "files/undo_backup.h"
#include "formula/formula_registry.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/number_text.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/cell_reference.h"
#include "table/cell_store.h"
#include "table/range_commands.h"
#include "table/range_edit.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

// Fill rows 1..rows-1 and columns 1..cols-1 with numbers and give the
// table `formulas` formulas, each adding two cells of its own row.
void FillTable(WindowHandle hwnd, int cols, int formulas) {
  TableLockGuard t(hwnd);
  const char* numbers[] = {"7", "12.5", "-3.25", "1000000", "0.001", "42", "-0.5", "3.14159"};
  for (int row = 1; row < t->iRows; ++row) {
    for (int col = 1; col < cols; ++col) TableStoreCellText(*t.get(), row, col, numbers[(row + col) % 8]);
  }
  for (int k = 0; k < formulas; ++k) {
    const int row = 1 + k % (t->iRows - 1);
    const int col = cols - 1 - k / (t->iRows - 1);
    const std::string text = CellReference(row, 1) + "+" + CellReference(row, 2);
    FormulaLoadLine(*t.get(), FORMULA_LINE_KIND, CellReference(row, col), FORMULA_KEY_RUN, "-1", text);
  }
}

void SelectAllCells(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  ResetSelection(*t.get());
  t->selRowFrom[0] = 1;
  t->selColFrom[0] = 1;
  t->selRowTo[0] = t->iUsedRows - 1;
  t->selColTo[0] = t->iUsedCols - 1;
  t->selKind[0] = SELECT_BLOCK;
}

void SelectColumn(WindowHandle hwnd, int col) {
  TableLockGuard t(hwnd);
  ResetSelection(*t.get());
  t->selRowFrom[0] = 1;
  t->selRowTo[0] = t->iRows - 1;
  t->selColFrom[0] = t->selColTo[0] = col;
  t->selKind[0] = SELECT_COLUMNS;
}

// A normal table of numbers in every cell, made once.
WindowHandle NumbersTable() {
  static const WindowHandle hwnd = [] {
    if (!EnsureBenchWindowClasses()) return WindowHandle::None;
    ResetProgramState();
    const WindowHandle table = CreateTableWindow();
    if (!IsNone(table)) FillTable(table, TABLE_NORMAL_COLS, 0);
    return table;
  }();
  return hwnd;
}

bool Ready(benchmark::State& state, WindowHandle hwnd) {
  if (!IsNone(hwnd)) return true;
  state.SkipWithError("the table could not be made");
  return false;
}

std::string TempPath(const char* name) { return std::string("/tmp/cartovel-range-bench-") + name; }

void BaselineWritePlainFile(benchmark::State& state) {
  const WindowHandle table = NumbersTable();
  if (!Ready(state, table)) return;
  const std::string path = TempPath("plain.txt");
  DialogScriptBegin();
  for (auto _ : state) TableFileWrite(table, path, SAVE_AS);
  DialogScriptEnd();
  std::remove(path.c_str());
}

void CopyFullTable(benchmark::State& state) {
  const WindowHandle table = NumbersTable();
  if (!Ready(state, table)) return;
  SelectAllCells(table);
  DialogScriptBegin();
  for (auto _ : state) CopyRange(table, false);
  DialogScriptEnd();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ClipboardGetText().size()));
}

// Reading the clipboard's text as a table file, and pasting it.
void BaselineReadAsTableFile(benchmark::State& state) {
  const WindowHandle table = NumbersTable();
  if (!Ready(state, table)) return;
  SelectAllCells(table);
  CopyRange(table, false);
  const std::string text = ClipboardGetText();
  const WindowHandle target = CreateTableWindow();
  DialogScriptBegin();
  for (auto _ : state) TableFileReadBuffer(target, text, "clipboard");
  DialogScriptEnd();
  DestroyWindowOf(target);
  PumpPostedMessages();
}

void PasteFullTable(benchmark::State& state) {
  const WindowHandle table = NumbersTable();
  if (!Ready(state, table)) return;
  SelectAllCells(table);
  CopyRange(table, false);
  const WindowHandle target = CreateTableWindow();
  DialogScriptBegin();
  for (auto _ : state) {
    {
      TableLockGuard t(target);
      ResetSelection(*t.get());
      t->selRowFrom[0] = t->selRowTo[0] = t->selColFrom[0] = t->selColTo[0] = 1;
      t->selKind[0] = SELECT_BLOCK;
    }
    PasteText(target);
  }
  DialogScriptEnd();
  if (TableCellDisplayText(target, 2000, 370) != TableCellDisplayText(table, 2000, 370)) {
    state.SkipWithError("the pasted table differs");
  }
  DestroyWindowOf(target);
  PumpPostedMessages();
}

// A normal table with a free column and 3000 formulas; each timed step is
// undone (untimed) before the next.
void TimedThenUndone(benchmark::State& state, int (*step)(WindowHandle), void (*select)(WindowHandle)) {
  if (!EnsureBenchWindowClasses()) return;
  const WindowHandle table = CreateTableWindow();
  FillTable(table, TABLE_NORMAL_COLS - 1, FORMULA_SLOTS);
  DialogScriptBegin();
  for (auto _ : state) {
    select(table);
    step(table);
    state.PauseTiming();
    UndoRestore(table);
    state.ResumeTiming();
  }
  DialogScriptEnd();
  DestroyWindowOf(table);
  PumpPostedMessages();
}

void InsertColumnAtC1(benchmark::State& state) {
  TimedThenUndone(state, InsertLines, [](WindowHandle hwnd) { SelectColumn(hwnd, 1); });
}

void ClearWholeTable(benchmark::State& state) {
  TimedThenUndone(state, [](WindowHandle hwnd) { return ClearRange(hwnd, true); }, SelectAllCells);
}

// The back-up before one cell edit of a full 16,385 x 51 table.
void BackupBeforeCellEdit(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) return;
  const WindowHandle table = CreateTableWindow();
  {
    TableLockGuard t(table);
    SetImportTableSize(*t.get(), TABLE_MAX_DIMENSION, TABLE_MIN_DIMENSION);
    RelabelHeaders(*t.get());
  }
  FillTable(table, TABLE_MIN_DIMENSION, FORMULA_SLOTS);
  DialogScriptBegin();
  for (auto _ : state) UndoSaveBlock(table, 5000, 5000, 7, 7);
  DialogScriptEnd();
  DestroyWindowOf(table);
  PumpPostedMessages();
}

// The back-up's own baseline: writing one cell line of the same table.
void BaselineOneCellFile(benchmark::State& state) {
  const std::string path = TempPath("cell.txt");
  for (auto _ : state) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) break;
    std::fputs("3.14159\r\n", out);
    std::fclose(out);
  }
  std::remove(path.c_str());
}

}  // namespace

void RegisterRangeEditBenchmarks() {
  benchmark::RegisterBenchmark("baseline/write_plain_table_2000x370", BaselineWritePlainFile)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("range/copy_2000x370", CopyFullTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/read_text_as_table_2000x370", BaselineReadAsTableFile)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("range/paste_2000x370", PasteFullTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("range/insert_column_3000_formulas", InsertColumnAtC1)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("range/clear_table_3000_formulas", ClearWholeTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/write_one_cell_file", BaselineOneCellFile)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("undo/backup_cell_16384x50_3000_formulas", BackupBeforeCellEdit)
      ->Unit(benchmark::kMillisecond);
  AddRatio("range/copy_2000x370", "baseline/write_plain_table_2000x370");
  AddRatio("range/paste_2000x370", "baseline/read_text_as_table_2000x370");
  AddRatio("undo/backup_cell_16384x50_3000_formulas", "baseline/write_one_cell_file");
}
