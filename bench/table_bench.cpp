// Table record and cell benchmarks: creating a record, storing numbers and
// texts into cells. Baselines: a plain fill of a record-sized block and a
// memset of one cell.
#include <benchmark/benchmark.h>

#include "bench_classes.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_record.h"

namespace {

// A record initialised as a new table, freed with the scope.
class NewTable {
 public:
  NewTable() : record_(TableAllocRecord()) {
    if (record_) TableInitRecord(*record_, OPEN_NEW, "New Table", "");
  }
  ~NewTable() { TableFreeRecord(record_); }
  NewTable(const NewTable&) = delete;
  NewTable& operator=(const NewTable&) = delete;
  TableRecord* get() const { return record_; }

 private:
  TableRecord* record_;
};

void BaselineFillRecord(benchmark::State& state) {
  for (auto _ : state) {
    void* block = std::calloc(1, sizeof(TableRecord));
    if (!block) {
      state.SkipWithError("out of memory");
      break;
    }
    std::memset(block, 1, sizeof(TableRecord));
    benchmark::DoNotOptimize(block);
    benchmark::ClobberMemory();
    std::free(block);
  }
}

void BaselineMemsetCell(benchmark::State& state) {
  TableCell cell{};
  int fill = 0;
  for (auto _ : state) {
    std::memset(&cell, ++fill & 0x7f, sizeof cell);
    benchmark::DoNotOptimize(&cell);
    benchmark::ClobberMemory();
  }
}

void RecordAllocInitFree(benchmark::State& state) {
  for (auto _ : state) {
    TableRecord* t = TableAllocRecord();
    if (!t) {
      state.SkipWithError("out of memory");
      break;
    }
    TableInitRecord(*t, OPEN_NEW, "New Table", "");
    benchmark::DoNotOptimize(t);
    benchmark::ClobberMemory();
    TableFreeRecord(t);
  }
}

// A whole table window without a display: the window, its record and its
// initialisation, then its destruction.
void TableWindowCreateDestroy(benchmark::State& state) {
  if (!EnsureBenchWindowClasses()) {
    state.SkipWithError("window classes could not be registered");
    return;
  }
  ResetProgramState();
  for (auto _ : state) {
    const WindowHandle table = CreateTableWindow();
    if (IsNone(table)) {
      state.SkipWithError("table window refused");
      break;
    }
    DestroyWindowOf(table);
  }
  PumpPostedMessages();
}

// Numbers in the forms a user types: integers, fractions, signs, exponents.
const std::vector<std::string> kNumberTexts = {"7", "12.5", "-3.25", "1000000", "0.001", "6.02e23", "42", "-0.5"};
// Texts go to the long-text pool; storing over a text cell gives its slot
// back, so cycling over a few cells keeps the pool from filling.
const std::vector<std::string> kWordTexts = {"alpha", "Station 12", "north-east", "n/a", "Total", "x"};
constexpr int kCellCycle = 64;

void StoreNumbers(benchmark::State& state) {
  NewTable table;
  if (!table.get()) {
    state.SkipWithError("out of memory");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const int row = 1 + static_cast<int>(i % 1000);
    const int col = 1 + static_cast<int>(i / 1000 % 300);
    benchmark::DoNotOptimize(TableStoreCellText(*table.get(), row, col, kNumberTexts[i % kNumberTexts.size()]));
    ++i;
  }
}

void StoreTexts(benchmark::State& state) {
  NewTable table;
  if (!table.get()) {
    state.SkipWithError("out of memory");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const int col = 1 + static_cast<int>(i % kCellCycle);
    benchmark::DoNotOptimize(TableStoreCellText(*table.get(), 1, col, kWordTexts[i % kWordTexts.size()]));
    ++i;
  }
}

}  // namespace

void RegisterTableBenchmarks() {
  benchmark::RegisterBenchmark("baseline/fill_record", BaselineFillRecord)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/memset_cell", BaselineMemsetCell);
  benchmark::RegisterBenchmark("record/alloc_init_free", RecordAllocInitFree)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("window/create_destroy_table", TableWindowCreateDestroy)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("cell/store_number", StoreNumbers);
  benchmark::RegisterBenchmark("cell/store_text", StoreTexts);

  AddRatio("record/alloc_init_free", "baseline/fill_record");
  AddRatio("window/create_destroy_table", "baseline/fill_record");
  AddRatio("cell/store_number", "baseline/memset_cell");
  AddRatio("cell/store_text", "baseline/memset_cell");
}
