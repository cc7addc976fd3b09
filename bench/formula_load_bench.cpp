// Recalculation when a native table file loads: 3,000 sum formulas over ten
// cells each, and a chain of 3,000 formulas whose slots run against the
// order they depend on (slot k reads the target of slot k + 1). Each is
// read from its file into a table window, formulas evaluated; the baseline
// is the same file without its formula lines, so the difference divided by
// 3,000 is the cost of one formula.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "bench_classes.h"
#include "files/table_file_read.h"
#include "platform/dialogs.h"
#include "platform/number_text.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

constexpr int kFormulas = 3000;

// A cell value with three decimals and up to five integer digits.
std::string DataText(int row, int col) {
  const long long v = (static_cast<long long>(row) * 7919 + col * 104729) % 99999989;
  return std::to_string(v / 1000) + "." + std::to_string(1000 + v % 1000).substr(1);
}

// The files of the benchmark, written once into a temporary folder.
struct LoadFiles {
  std::string szDir;
  bool ok = false;
  std::string Path(const char* name) const { return szDir + "/" + name; }
};

const char* const kFileNames[] = {"sums.orl", "sums-plain.orl", "chain.orl", "chain-plain.orl"};

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

std::string FormulaLine(const std::string& target, const std::string& text) {
  return "User(+,-,x,/)\t" + target + "\tRUN=\t-1\t" + text + "\r\n";
}

void RemoveLoadFiles();

const LoadFiles& Files() {
  static LoadFiles files = [] {
    LoadFiles f;
    char dir[] = "/tmp/cartovel-load-bench-XXXXXX";
    if (!mkdtemp(dir)) return f;
    f.szDir = dir;
    std::atexit(RemoveLoadFiles);
    // Rows of ten values and an eleventh cell that the row's sum fills.
    std::string sumCells;
    std::string sumFormulas;
    for (int row = 1; row <= kFormulas; ++row) {
      for (int col = 1; col <= 10; ++col) sumCells += DataText(row, col) + "\t";
      sumCells += " \r\n";
      const std::string r = std::to_string(row);
      sumFormulas += FormulaLine("R" + r + "C11", "sum(R" + r + "C1:R" + r + "C10)");
    }
    // One value per row and a second cell that the chain fills; the last
    // slot reads its row's value, every other slot the next slot's target.
    std::string chainCells;
    std::string chainFormulas;
    for (int row = 1; row <= kFormulas; ++row) {
      chainCells += DataText(row, 1) + "\t \r\n";
      const std::string r = std::to_string(row);
      const std::string input = row < kFormulas ? "R" + std::to_string(row + 1) + "C2" : "R" + r + "C1";
      chainFormulas += FormulaLine("R" + r + "C2", input + "+1");
    }
    f.ok = WriteFile(f.Path("sums.orl"), sumCells + sumFormulas) && WriteFile(f.Path("sums-plain.orl"), sumCells) &&
           WriteFile(f.Path("chain.orl"), chainCells + chainFormulas) &&
           WriteFile(f.Path("chain-plain.orl"), chainCells);
    return f;
  }();
  return files;
}

void RemoveLoadFiles() {
  for (const char* name : kFileNames) std::remove(Files().Path(name).c_str());
  rmdir(Files().szDir.c_str());
}

// Read one file into a table window again and again; cell (row, col) must
// then hold `expected` (NaN: no check).
void Load(benchmark::State& state, const char* name, int row, int col, double expected) {
  if (!EnsureBenchWindowClasses() || !Files().ok) return state.SkipWithError("no files");
  ResetProgramState();
  const WindowHandle table = CreateTableWindow();
  if (IsNone(table)) return state.SkipWithError("no table");
  const std::string path = Files().Path(name);
  DialogScriptBegin();
  for (auto _ : state) {
    if (TableFileRead(table, path) != 0) {
      state.SkipWithError("open failed");
      break;
    }
  }
  DialogScriptEnd();
  const std::string shown = TableCellDisplayText(table, row, col);
  if (expected == expected && std::fabs(TextToDouble(shown) - expected) > 1e-6) {
    state.SkipWithError(("unexpected result " + shown).c_str());
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

constexpr double kNoCheck = std::numeric_limits<double>::quiet_NaN();

// Row 1 sums 7.919 + 104.729 k for k = 1..10; the chain's head adds 1 to the
// last row's value 3000 times.
void LoadSums(benchmark::State& state) { Load(state, "sums.orl", 1, 11, 5839.285); }
void BaselineLoadSumsPlain(benchmark::State& state) { Load(state, "sums-plain.orl", 1, 11, kNoCheck); }
void LoadReversedChain(benchmark::State& state) { Load(state, "chain.orl", 1, 2, 26861.729); }
void BaselineLoadChainPlain(benchmark::State& state) { Load(state, "chain-plain.orl", 1, 2, kNoCheck); }

}  // namespace

void RegisterFormulaLoadBenchmarks() {
  benchmark::RegisterBenchmark("baseline/load_3000x11_no_formulas", BaselineLoadSumsPlain)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("formula_load/3000_sums_of_10", LoadSums)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/load_3000x2_no_formulas", BaselineLoadChainPlain)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("formula_load/reversed_chain_3000", LoadReversedChain)->Unit(benchmark::kMillisecond);

  AddRatio("formula_load/3000_sums_of_10", "baseline/load_3000x11_no_formulas");
  AddPerItem("formula_load/3000_sums_of_10", "baseline/load_3000x11_no_formulas", kFormulas, "formula");
  AddRatio("formula_load/reversed_chain_3000", "baseline/load_3000x2_no_formulas");
  AddPerItem("formula_load/reversed_chain_3000", "baseline/load_3000x2_no_formulas", kFormulas, "formula");
}
