// Resident memory of table records: a record is one large zero-filled
// block, so only the pages that allocation and initialisation write become
// resident. Reported as counters in MiB, read from /proc/self/statm: one
// record, and ten empty table windows open at once (per table).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "bench_classes.h"
#include "platform/window.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_record.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// Resident set size in bytes, or -1 when /proc is not readable.
double ResidentBytes() {
  std::FILE* file = std::fopen("/proc/self/statm", "r");
  if (!file) return -1;
  long size = 0;
  long resident = 0;
  const int read = std::fscanf(file, "%ld %ld", &size, &resident);
  std::fclose(file);
  if (read != 2) return -1;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void ResidentAfterRecord(benchmark::State& state) {
  double before = 0;
  double allocated = 0;
  double initialised = 0;
  for (auto _ : state) {
    before = ResidentBytes();
    TableRecord* t = TableAllocRecord();
    if (!t) {
      state.SkipWithError("out of memory");
      return;
    }
    benchmark::DoNotOptimize(t);
    allocated = ResidentBytes();
    TableInitRecord(*t, OPEN_NEW, "New Table", "");
    benchmark::ClobberMemory();
    initialised = ResidentBytes();
    TableFreeRecord(t);
  }
  if (before < 0) {
    state.SkipWithError("/proc/self/statm is not readable");
    return;
  }
  state.counters["record_MiB"] = static_cast<double>(sizeof(TableRecord)) / kMiB;
  state.counters["rss_before_MiB"] = before / kMiB;
  state.counters["rss_alloc_MiB"] = (allocated - before) / kMiB;
  state.counters["rss_init_MiB"] = (initialised - before) / kMiB;
}

// Ten new, empty table windows open at once, as a user opens them: the
// resident memory each one adds.
void ResidentPerTableWindow(benchmark::State& state) {
  constexpr int kTables = 10;
  if (!EnsureBenchWindowClasses()) {
    state.SkipWithError("window classes could not be registered");
    return;
  }
  ResetProgramState();
  double before = 0;
  double after = 0;
  for (auto _ : state) {
    before = ResidentBytes();
    std::vector<WindowHandle> tables;
    for (int i = 0; i < kTables; ++i) {
      tables.push_back(CreateTableWindow());
      if (IsNone(tables.back())) {
        state.SkipWithError("table window refused");
        return;
      }
    }
    after = ResidentBytes();
    for (WindowHandle table : tables) DestroyWindowOf(table);
  }
  PumpPostedMessages();
  if (before < 0) {
    state.SkipWithError("/proc/self/statm is not readable");
    return;
  }
  state.counters["rss_ten_tables_MiB"] = (after - before) / kMiB;
  state.counters["rss_per_table_MiB"] = (after - before) / kMiB / kTables;
}

}  // namespace

void RegisterMemoryBenchmarks() {
  benchmark::RegisterBenchmark("memory/resident_after_record", ResidentAfterRecord)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("memory/resident_per_table_window", ResidentPerTableWindow)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}
