// Formula registry benchmarks, each one cell store in a table holding 3000
// running formulas: the head of a chain in which every formula reads the
// one before, a cell that all 3000 formulas read, and a cell that none
// reads. Baseline: finding the readers of a cell by scanning every slot
// and reading the references out of its text again, as a registry without
// cached read sets does at each store (a chain pays it at every link).
#include <benchmark/benchmark.h>

#include "bench_classes.h"

#include <string>
#include <string_view>

#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "formula/formula_registry.h"
#include "formula/formula_tokens.h"
#include "platform/text_buffer.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

namespace {

class RegistryTable {
 public:
  RegistryTable() {
    if (!EnsureBenchWindowClasses()) return;
    ResetProgramState();
    hwnd_ = CreateTableWindow();
  }
  ~RegistryTable() {
    if (!IsNone(hwnd_)) DestroyWindowOf(hwnd_);
    PumpPostedMessages();
  }
  RegistryTable(const RegistryTable&) = delete;
  RegistryTable& operator=(const RegistryTable&) = delete;

  WindowHandle hwnd() const { return hwnd_; }
  bool ok() const { return !IsNone(hwnd_); }
  void Load(const std::string& target, const std::string& text) {
    TableLockGuard t(hwnd_);
    if (t) FormulaLoadLine(*t.get(), "User(+,-,x,/)", target, "RUN=", "-1", text);
  }

 private:
  WindowHandle hwnd_ = WindowHandle::None;
};

// Target i of 3000: 30 columns of 100 rows from R1C2.
std::string TargetOf(int i) { return "R" + std::to_string(i % 100 + 1) + "C" + std::to_string(i / 100 + 2); }

void Chain(RegistryTable& table) {
  std::string previous = "R1C1";
  for (int i = 0; i < FORMULA_SLOTS; ++i) {
    const std::string target = TargetOf(i);
    table.Load(target, previous + "+1");
    previous = target;
  }
}

void FanOut(RegistryTable& table) {
  for (int i = 0; i < FORMULA_SLOTS; ++i) table.Load(TargetOf(i), "R1C1+1");
}

void StoreLoop(benchmark::State& state, RegistryTable& table, int row, int col) {
  int k = 0;
  for (auto _ : state) {
    TableSetCellText(table.hwnd(), row, col, (++k & 1) ? "1" : "2");
  }
}

void ChainHeadEdit(benchmark::State& state) {
  RegistryTable table;
  if (!table.ok()) return state.SkipWithError("no table");
  Chain(table);
  StoreLoop(state, table, 1, 1);
}

void FanOutEdit(benchmark::State& state) {
  RegistryTable table;
  if (!table.ok()) return state.SkipWithError("no table");
  FanOut(table);
  StoreLoop(state, table, 1, 1);
}

void UnreadStore(benchmark::State& state) {
  RegistryTable table;
  if (!table.ok()) return state.SkipWithError("no table");
  FanOut(table);
  StoreLoop(state, table, 1990, 300);
}

// The readers of (row, col) found by re-reading every running slot's text.
int NaiveReaders(const TableRecord& t, int row, int col) {
  int found = 0;
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t.formulaSlots[s];
    if (slot.iState != FORMULA_RUN) continue;
    const std::string_view text = TextOf(slot.szFormula);
    std::size_t from = 0;
    RefToken token{};
    RefToken previous{0, 0};
    bool reads = false;
    bool havePrevious = false;
    while (!reads && FindRefToken(text, from, &token)) {
      from = token.pos + token.len;
      const std::string_view ref = text.substr(token.pos, token.len);
      if (ref.size() <= 500 && RefRow(ref, t.iRows) == row && RefCol(ref, t.iCols) == col) reads = true;
      if (havePrevious && previous.pos + previous.len + 1 == token.pos && text[token.pos - 1] == ':') {
        FormulaRange b{};
        if (ReadRange(text.substr(previous.pos, from - previous.pos), t.iRows, t.iCols, &b) == 0 &&
            row >= b.iRowFrom && row <= b.iRowTo && col >= b.iColFrom && col <= b.iColTo)
          reads = true;
      }
      previous = token;
      havePrevious = true;
    }
    if (reads) ++found;
  }
  return found;
}

void BaselineNaiveScan(benchmark::State& state) {
  RegistryTable table;
  if (!table.ok()) return state.SkipWithError("no table");
  FanOut(table);
  TableLockGuard t(table.hwnd());
  for (auto _ : state) benchmark::DoNotOptimize(NaiveReaders(*t.get(), 1990, 300));
}

}  // namespace

void RegisterFormulaRegistryBenchmarks() {
  benchmark::RegisterBenchmark("baseline/naive_reader_scan_3000_slots", BaselineNaiveScan)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("registry/store_read_by_none_of_3000", UnreadStore)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("registry/chain_3000_head_edit", ChainHeadEdit)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("registry/fan_out_3000_edit", FanOutEdit)->Unit(benchmark::kMillisecond);

  AddRatio("registry/store_read_by_none_of_3000", "baseline/naive_reader_scan_3000_slots");
  AddRatio("registry/chain_3000_head_edit", "baseline/naive_reader_scan_3000_slots");
  AddRatio("registry/fan_out_3000_edit", "baseline/naive_reader_scan_3000_slots");
}
