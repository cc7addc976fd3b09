// Resident memory of one table record: a record is one large zero-filled
// block, so only the pages that allocation and initialisation write become
// resident. Reported as counters in MiB, read from /proc/self/statm.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>

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

}  // namespace

void RegisterMemoryBenchmarks() {
  benchmark::RegisterBenchmark("memory/resident_after_record", ResidentAfterRecord)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}
