// Table file benchmarks: saving a full 2000 x 370 table of numbers as a
// native file and reading it back into a table window. Baselines: writing
// the same bytes with fwrite (with and without flushing them to disk, as
// a save does), reading them with fread, and storing the same cell texts
// into a table without any file (what a read must do at the least).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_classes.h"
#include "files/table_file_read.h"
#include "files/table_file_write.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

// A table window filled with numbers in every data cell, the folder its
// file goes to, and the bytes of that file. Made once for all cases.
struct FullTable {
  WindowHandle hwnd = WindowHandle::None;
  std::string szDir;
  std::string szPath;
  std::string bytes;
  bool ok = false;
};

// The bench's files go when the program ends.
void RemoveBenchFiles();

const FullTable& Full() {
  static FullTable full = [] {
    FullTable f;
    if (!EnsureBenchWindowClasses()) return f;
    char dir[] = "/tmp/cartovel-bench-XXXXXX";
    if (!mkdtemp(dir)) return f;
    f.szDir = dir;
    f.szPath = f.szDir + "/full.orl";
    std::atexit(RemoveBenchFiles);
    ResetProgramState();
    f.hwnd = CreateTableWindow();
    if (IsNone(f.hwnd)) return f;
    {
      TableLockGuard t(f.hwnd);
      const char* numbers[] = {"7", "12.5", "-3.25", "1000000", "0.001", "6.020000e+23", "42", "-0.5", "3.14159"};
      for (int row = 1; row < t->iRows; ++row) {
        for (int col = 1; col < t->iCols; ++col) TableStoreCellText(*t.get(), row, col, numbers[(row + col) % 9]);
      }
    }
    DialogScriptBegin();  // a failure message must not wait for a click
    f.ok = TableFileWrite(f.hwnd, f.szPath, SAVE_AS) == 0;
    DialogScriptEnd();
    if (std::FILE* in = std::fopen(f.szPath.c_str(), "rb")) {
      char buf[1 << 16];
      for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) f.bytes.append(buf, n);
      std::fclose(in);
    }
    return f;
  }();
  return full;
}

void RemoveBenchFiles() {
  const std::string& dir = Full().szDir;
  for (const char* name : {"/full.orl", "/plain.orl", "/saved.orl"}) std::remove((dir + name).c_str());
  rmdir(dir.c_str());
}

bool Ready(benchmark::State& state) {
  if (Full().ok) return true;
  state.SkipWithError("the full table could not be made");
  return false;
}

void WriteBytes(benchmark::State& state, bool flush) {
  if (!Ready(state)) return;
  const std::string path = Full().szDir + "/plain.orl";
  for (auto _ : state) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
      state.SkipWithError("cannot write");
      break;
    }
    std::fwrite(Full().bytes.data(), 1, Full().bytes.size(), out);
    std::fflush(out);
    if (flush) fsync(fileno(out));
    std::fclose(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Full().bytes.size()));
}

void BaselineWriteBytes(benchmark::State& state) { WriteBytes(state, false); }
void BaselineWriteBytesFlushed(benchmark::State& state) { WriteBytes(state, true); }

void BaselineReadBytes(benchmark::State& state) {
  if (!Ready(state)) return;
  std::string buffer(Full().bytes.size() + 500, '\0');
  for (auto _ : state) {
    std::FILE* in = std::fopen(Full().szPath.c_str(), "rb");
    if (!in) {
      state.SkipWithError("cannot read");
      break;
    }
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), in));
    std::fclose(in);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Full().bytes.size()));
}

void BaselineStoreCells(benchmark::State& state) {
  if (!Ready(state)) return;
  const WindowHandle table = CreateTableWindow();
  for (auto _ : state) {
    TableLockGuard t(table);
    const TableRecord& full = *TableLock(Full().hwnd);
    for (int row = 1; row < full.iRows; ++row) {
      for (int col = 1; col < full.iCols; ++col) {
        TableStoreCellText(*t.get(), row, col, TextOf(TableCellAt(full, row, col)->szText));
      }
    }
    TableUnlock(Full().hwnd);
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

void SaveFullTable(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string path = Full().szDir + "/saved.orl";
  DialogScriptBegin();
  for (auto _ : state) {
    if (TableFileWrite(Full().hwnd, path, SAVE_AS) != 0) {
      state.SkipWithError("save failed");
      break;
    }
  }
  DialogScriptEnd();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Full().bytes.size()));
}

// Each read replaces every cell of a second table window.
void OpenFullTable(benchmark::State& state) {
  if (!Ready(state)) return;
  const WindowHandle table = CreateTableWindow();
  DialogScriptBegin();
  for (auto _ : state) {
    if (TableFileRead(table, Full().szPath) != 0) {
      state.SkipWithError("open failed");
      break;
    }
  }
  DialogScriptEnd();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Full().bytes.size()));
  if (TableCellDisplayText(table, 2000, 370) != TableCellDisplayText(Full().hwnd, 2000, 370)) {
    state.SkipWithError("the table read back differs");
  }
  DestroyWindowOf(table);
  PumpPostedMessages();
}

}  // namespace

void RegisterTableFileBenchmarks() {
  benchmark::RegisterBenchmark("baseline/fwrite_table_bytes", BaselineWriteBytes)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/fwrite_fsync_table_bytes", BaselineWriteBytesFlushed)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/fread_table_bytes", BaselineReadBytes)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/store_table_cells", BaselineStoreCells)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("table_file/save_2000x370", SaveFullTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("table_file/open_2000x370", OpenFullTable)->Unit(benchmark::kMillisecond);

  AddRatio("table_file/save_2000x370", "baseline/fwrite_fsync_table_bytes");
  AddRatio("table_file/save_2000x370", "baseline/fwrite_table_bytes");
  AddRatio("table_file/open_2000x370", "baseline/fread_table_bytes");
  AddRatio("table_file/open_2000x370", "baseline/store_table_cells");
}
