// MODAS and stock history import benchmarks on files generated at run time:
// a 100 MB MODAS file of which one depth is chosen (every line is judged,
// few are written) and a 10 MB stock file of 1,600 stocks over 250 dates
// (every record is placed). Baseline: `wc -l` on the same file in the same
// run. Both measure a warm page cache and the whole open of a table window
// (dialogs answered by script), not the window's creation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_classes.h"
#include "bench_files.h"
#include "files/text_import.h"
#include "platform/dialogs.h"
#include "platform/timers.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "sources/modas_import.h"
#include "sources/stock_import.h"
#include "table/table_access.h"
#include "table/table_window.h"

namespace {

// Write `bytes` produced block by block by `fill` until `size` bytes; the
// path, empty when it could not be written.
template <class Fill>
std::string Generate(const std::string& name, std::size_t size, Fill fill) {
  if (BenchFilesDir().empty()) return {};
  const std::string path = BenchFilesDir() + "/" + name;
  if (std::filesystem::exists(path)) return path;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!out) return {};
  std::string block;
  std::size_t written = 0;
  for (long n = 0; written < size; ++n) {
    block.clear();
    fill(n, block);
    if (std::fwrite(block.data(), 1, block.size(), out.get()) != block.size()) return {};
    written += block.size();
  }
  return path;
}

// Stations on a half-degree grid, each with 21 depth lines of seven values.
const std::string& ModasFile() {
  static const std::string path = Generate("modas-100m.dat", 100000000, [](long n, std::string& block) {
    static const int kDepths[] = {0, 5, 10, 15, 20, 25, 30, 35, 50, 75, 100, 125, 150, 200, 250, 300, 400, 500, 600, 800, 1000};
    char line[160];
    std::snprintf(line, sizeof line, "%.1f\t%.1f\t2005\t01\t15\r\n", 100.0 + (n % 60) * 0.5, (n / 60 % 80) * 0.5);
    block.append(line);
    for (const int depth : kDepths) {
      const double t = 25.0 - depth * 0.02 + (n % 7) * 0.1;
      std::snprintf(line, sizeof line, "%d\t%.4f\t%.4f\t%.4f\t%.3f\t%.4f\t%.4f\r\n", depth, t, 34.0 + (n % 5) * 0.1,
                    1024.0 + depth * 0.004, 1500.0 + t, 0.1 * (n % 3), -0.1 * (n % 4));
      block.append(line);
    }
  });
  return path;
}

// 1,600 stocks of 250 dates each, in stock order.
const std::string& StockFile() {
  static const std::string path = Generate("stock-10m.txt", 10000000, [](long n, std::string& block) {
    char line[80];
    std::snprintf(line, sizeof line, "S%04ld\t2024-%02ld-%02ld\t%ld.%02ld\r\n", n / 250 % 1600, 1 + n % 250 / 28,
                  1 + n % 250 % 28, 10 + n % 997, n % 100);
    block.append(line);
  });
  return path;
}

// Open `path` in `mode` in a new table window, the dialog answered by
// `answer`; the window's creation and destruction are not timed.
void OpenFile(benchmark::State& state, int mode, const std::string& path, ScriptedAnswer (*answer)()) {
  if (path.empty()) {
    state.SkipWithError("cannot write the file");
    return;
  }
  if (!EnsureBenchWindowClasses()) {
    state.SkipWithError("window classes could not be registered");
    return;
  }
  ResetProgramState();
  ModasInstallReader();
  StockInstallReader();
  int used = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const WindowHandle table = CreateTableWindow(TableOpenRequest{mode, path});
    StopTimer(table, TIMER_TABLE_LOAD);
    DialogScriptBegin();
    DialogScriptPush(answer());
    state.ResumeTiming();
    TextImportChoice choice;
    choice.bAskWizard = false;
    if (TextImportOpenWith(table, path, choice) != 0) state.SkipWithError("import failed");
    state.PauseTiming();
    if (TableLockGuard t(table); t) used = t->iUsedRows;
    DialogScriptEnd();
    DestroyWindowOf(table);
    PumpPostedMessages();
    state.ResumeTiming();
  }
  state.counters["rows"] = used;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

// Depth 100 of every station, temperature and salinity.
ScriptedAnswer ModasAnswer() {
  return AnswerDialog(MODAS_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ModasDialogModel*>(request.pModel);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    model->depths = {10};  // "100"
    ModasRefillItems(*model);
    model->items = {1, 2};
    model->iPositionMode = MODAS_POSITION_AREA;
    model->szArea = {"0", "90", "180", "0"};
    return static_cast<int>(BUTTON_OK);
  });
}

ScriptedAnswer StockAnswer() {
  return AnswerDialog(STOCK_WIZARD, [](DialogRequest& request) {
    auto* model = dynamic_cast<StockWizardModel*>(request.pModel);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    model->options.iNameField = 1;
    model->options.iDateField = 2;
    model->options.iDataField = 3;
    return static_cast<int>(BUTTON_OK);
  });
}

}  // namespace

void RegisterSourceImportBenchmarks() {
  benchmark::RegisterBenchmark("baseline/wc_l_100MB_modas", [](benchmark::State& s) { WcLines(s, ModasFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("import/modas_100MB_one_depth",
                               [](benchmark::State& s) { OpenFile(s, OPEN_MODAS, ModasFile(), ModasAnswer); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("baseline/wc_l_10MB_stock", [](benchmark::State& s) { WcLines(s, StockFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(1.0);
  benchmark::RegisterBenchmark("import/stock_10MB",
                               [](benchmark::State& s) { OpenFile(s, OPEN_STOCK, StockFile(), StockAnswer); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(1.0);
  AddRatio("import/modas_100MB_one_depth", "baseline/wc_l_100MB_modas");
  AddRatio("import/stock_10MB", "baseline/wc_l_10MB_stock");
}
