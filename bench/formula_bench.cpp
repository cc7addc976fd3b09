// Formula engine benchmarks: a sum over a 2,000-cell range, a formula of
// 40 operators, the median of 10,000 cells and the inverse of a 50 x 50
// block, each evaluated whole from its text as a running formula is.
// Baselines: the bare work underneath (converting the cell texts, printing
// and reading back each intermediate result, sorting the values, a plain
// Gauss-Jordan inverse of the same numbers).
#include <benchmark/benchmark.h>

#include "bench_classes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formula/formula_matrix.h"
#include "formula/formula_parse.h"
#include "formula/formula_result.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

// A table window with numbers in its first cells and slot 0 set up as the
// formula being evaluated, its target far from the data.
class FormulaTable {
 public:
  FormulaTable() {
    if (!EnsureBenchWindowClasses()) return;
    ResetProgramState();
    hwnd_ = CreateTableWindow();
    if (IsNone(hwnd_)) return;
    record_ = TableLock(hwnd_);
    FormulaSlot& slot = record_->formulaSlots[0];
    slot.iTargetRow = 1990;
    slot.iTargetCol = 360;
    slot.iDecimals = -1;
    slot.iState = FORMULA_RUN;
    record_->iCurrentFormula = 0;
  }
  ~FormulaTable() {
    if (record_) TableUnlock(hwnd_);
    if (!IsNone(hwnd_)) DestroyWindowOf(hwnd_);
    PumpPostedMessages();
  }
  FormulaTable(const FormulaTable&) = delete;
  FormulaTable& operator=(const FormulaTable&) = delete;

  TableRecord* get() const { return record_; }
  WindowHandle hwnd() const { return hwnd_; }

 private:
  WindowHandle hwnd_ = WindowHandle::None;
  TableRecord* record_ = nullptr;
};

// Reproducible cell values with a few decimals.
std::string ValueText(int i) {
  const int v = (i * 7919) % 10007;
  std::string text = std::to_string(v / 100);
  text.push_back('.');
  text.append(std::to_string(v % 100));
  return text;
}

// A 50 x 50 block that is comfortably invertible.
double BlockValue(int i, int j) { return i == j ? 60.0 + i : ((i * 31 + j * 17) % 23) / 4.0 - 2.5; }

void Evaluate(benchmark::State& state, const FormulaTable& table, const std::string& formula) {
  FormulaResultText result;
  for (auto _ : state) {
    if (FormulaEvaluate(*table.get(), WindowHandle::None, formula, result) != 0) {
      state.SkipWithError("the formula failed");
      break;
    }
    benchmark::DoNotOptimize(result.c_str());
  }
}

// ---- sum over 2,000 cells -------------------------------------------------

void SumRange(benchmark::State& state) {
  FormulaTable table;
  if (!table.get()) return state.SkipWithError("no table");
  for (int row = 1; row <= 2000; ++row) TableStoreCellText(*table.get(), row, 1, ValueText(row));
  Evaluate(state, table, "sum(R1C1:R2000C1)");
}

void BaselineConvert2000(benchmark::State& state) {
  std::vector<std::string> texts;
  for (int i = 1; i <= 2000; ++i) texts.push_back(ValueText(i));
  for (auto _ : state) {
    double sum = 0;
    for (const std::string& text : texts) sum += std::strtod(text.c_str(), nullptr);
    benchmark::DoNotOptimize(sum);
  }
}

// ---- 40 operators -----------------------------------------------------------

std::string FortyOperators() {
  // Cells and numbers under all five operators, with a few groups.
  std::string formula = "R1C1";
  const char ops[] = {'+', '*', '-', '/', '+', '^', '-', '*'};
  for (int k = 0; k < 40; ++k) {
    const std::string row = std::to_string(k % 9 + 1);
    formula.push_back(ops[k % 8]);
    if (ops[k % 8] == '^') {
      formula.append("2");
    } else if (k % 5 == 0) {
      formula.append("(R").append(row).append("C1+1.5)");
    } else if (k % 2) {
      formula.append("R").append(row).append("C1");
    } else {
      formula.append(std::to_string(k + 2)).append(".25");
    }
  }
  return formula;
}

void FortyOperatorFormula(benchmark::State& state) {
  FormulaTable table;
  if (!table.get()) return state.SkipWithError("no table");
  for (int row = 1; row <= 9; ++row) TableStoreCellText(*table.get(), row, 1, ValueText(row));
  Evaluate(state, table, FortyOperators());
}

// Every operation of the formula ends with its result printed as text and
// read back: 40 times "%13.13f" and strtod.
void BaselinePrintRead40(benchmark::State& state) {
  char buf[64];
  double value = 1.25;
  for (auto _ : state) {
    for (int k = 0; k < 40; ++k) {
      std::snprintf(buf, sizeof buf, "%13.13f", value * 1.0001 + k);
      value = std::strtod(buf, nullptr) / (k + 1);
    }
    benchmark::DoNotOptimize(value);
  }
}

// ---- median of 10,000 cells ------------------------------------------------

void MedianOfCells(benchmark::State& state) {
  FormulaTable table;
  if (!table.get()) return state.SkipWithError("no table");
  for (int row = 1; row <= 2000; ++row) {
    for (int col = 1; col <= 5; ++col) TableStoreCellText(*table.get(), row, col, ValueText(row * 5 + col));
  }
  Evaluate(state, table, "median(R1C1:R2000C5)");
}

void BaselineSort10000(benchmark::State& state) {
  std::vector<double> values;
  for (int i = 0; i < 10000; ++i) values.push_back(std::strtod(ValueText(i + 6).c_str(), nullptr));
  std::vector<double> work(values.size());
  for (auto _ : state) {
    std::copy(values.begin(), values.end(), work.begin());
    std::sort(work.begin(), work.end());
    benchmark::DoNotOptimize(work.data());
  }
}

// ---- inverse of 50 x 50 ------------------------------------------------------

void FillBlock(TableRecord& t) {
  for (int i = 0; i < 50; ++i) {
    for (int j = 0; j < 50; ++j) TableStoreCellText(t, i + 1, j + 1, FormatResult(BlockValue(i, j), 12, true));
  }
}

void InverseOfBlock(benchmark::State& state) {
  FormulaTable table;
  if (!table.get()) return state.SkipWithError("no table");
  FillBlock(*table.get());
  Evaluate(state, table, "m_inverse(R1C1:R50C50)");
}

// The inverse evaluated and written into 2,500 cells.
void InverseOfBlockPlaced(benchmark::State& state) {
  FormulaTable table;
  if (!table.get()) return state.SkipWithError("no table");
  FillBlock(*table.get());
  FormulaResultText result;
  for (auto _ : state) {
    if (FormulaEvaluate(*table.get(), table.hwnd(), "m_inverse(R1C1:R50C50)", result) != 0 ||
        PlaceMatrixResult(table.hwnd(), MatrixMarkerEntry(result.view()), 60, 1, false) != 0) {
      state.SkipWithError("the formula failed");
      break;
    }
  }
}

void BaselineGaussJordan50(benchmark::State& state) {
  constexpr int n = 50;
  std::vector<double> source(n * n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) source[i * n + j] = BlockValue(i, j);
  }
  std::vector<double> a(n * 2 * n);
  for (auto _ : state) {
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        a[i * 2 * n + j] = source[i * n + j];
        a[i * 2 * n + n + j] = i == j ? 1.0 : 0.0;
      }
    }
    for (int k = 0; k < n; ++k) {
      const double pivot = a[k * 2 * n + k];
      for (int j = 0; j < 2 * n; ++j) a[k * 2 * n + j] /= pivot;
      for (int i = 0; i < n; ++i) {
        if (i == k) continue;
        const double f = a[i * 2 * n + k];
        for (int j = 0; j < 2 * n; ++j) a[i * 2 * n + j] -= f * a[k * 2 * n + j];
      }
    }
    benchmark::DoNotOptimize(a.data());
  }
}

}  // namespace

void RegisterFormulaBenchmarks() {
  benchmark::RegisterBenchmark("baseline/strtod_2000_texts", BaselineConvert2000)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("formula/sum_2000_cells", SumRange)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("baseline/print_read_40_results", BaselinePrintRead40)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("formula/arithmetic_40_operators", FortyOperatorFormula)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("baseline/sort_10000_doubles", BaselineSort10000)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("formula/median_10000_cells", MedianOfCells)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("baseline/gauss_jordan_50x50", BaselineGaussJordan50)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("formula/m_inverse_50x50", InverseOfBlock)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("formula/m_inverse_50x50_placed", InverseOfBlockPlaced)->Unit(benchmark::kMillisecond);

  AddRatio("formula/sum_2000_cells", "baseline/strtod_2000_texts");
  AddRatio("formula/arithmetic_40_operators", "baseline/print_read_40_results");
  AddRatio("formula/median_10000_cells", "baseline/sort_10000_doubles");
  AddRatio("formula/m_inverse_50x50", "baseline/gauss_jordan_50x50");
  AddRatio("formula/m_inverse_50x50_placed", "baseline/gauss_jordan_50x50");
}
