// Text import benchmarks on files generated at run time in a temporary
// folder: a 1 GB file of 10 million lines of 5 numbers (sampled by rows)
// and two files of about 100 MB with long fields (numbers, texts) that fit
// once the table is resized. Baseline: `wc -l` on the same file, run in the same process
// run, which reads the bytes once. Both measure a warm page cache.
#include <benchmark/benchmark.h>

#include "bench_classes.h"
#include "bench_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "files/text_import.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "ratio_reporter.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "table/table_access.h"
#include "table/table_window.h"

namespace {

// A small fast generator of digits (xorshift).
struct Digits {
  std::uint64_t uState = 0x9E3779B97F4A7C15ull;
  char Next() {
    uState ^= uState << 13;
    uState ^= uState >> 7;
    uState ^= uState << 17;
    return static_cast<char>('0' + uState % 10);
  }
};

// Write `lines` lines of `fields` numbers separated by TAB and ended by
// CR LF; each number has `intDigits` digits, a point and `fracDigits`
// digits (with `text`, an "x" in front makes each field a text). Returns
// the path, empty when it could not be written.
std::string Generate(const std::string& name, long lines, int fields, int intDigits, int fracDigits,
                     bool text = false) {
  if (BenchFilesDir().empty()) return {};
  const std::string path = BenchFilesDir() + "/" + name;
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) return path;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!out) return {};
  Digits digits;
  std::string line;
  std::string block;
  for (long n = 0; n < lines; ++n) {
    line.clear();
    for (int f = 0; f < fields; ++f) {
      if (f > 0) line.push_back('\t');
      if (text) line.push_back('x');
      line.push_back(static_cast<char>('1' + n % 9));
      for (int d = 1; d < intDigits; ++d) line.push_back(digits.Next());
      line.push_back('.');
      for (int d = 0; d < fracDigits; ++d) line.push_back(digits.Next());
    }
    line.append("\r\n");
    block.append(line);
    if (block.size() >= (1u << 20)) {
      if (std::fwrite(block.data(), 1, block.size(), out.get()) != block.size()) return {};
      block.clear();
    }
  }
  if (std::fwrite(block.data(), 1, block.size(), out.get()) != block.size()) return {};
  return path;
}

// 10,000,000 lines of 5 numbers of 19 characters: 1.01 GB.
const std::string& SampledFile() {
  static const std::string path = Generate("sampled-1g.txt", 10000000, 5, 8, 10);
  return path;
}

// 8,000 lines of 6 numbers of 2,100 characters: about 100 MB in 48,000
// cells; 8,001 x 7 fits once the table is resized to 8,001 x 104. Each
// value is stored as a number of 540 digits, which costs more than
// reading its bytes.
const std::string& ResizedNumbersFile() {
  static const std::string path = Generate("resized-numbers-100m.txt", 8000, 6, 8, 2091);
  return path;
}

// 2,500 lines of 2 texts of 20,000 characters: about 100 MB in 5,000 cells
// (the long-text pool holds 5,000); 2,501 x 3 fits once resized to
// 2,501 x 334.
const std::string& ResizedTextsFile() {
  static const std::string path = Generate("resized-texts-100m.txt", 2500, 2, 8, 19990, true);
  return path;
}

// Open the file in a new table window as "Open ..." does, without the
// wizard (the file holds TABs); the window's creation is not timed.
void ImportFile(benchmark::State& state, const std::string& path) {
  if (path.empty()) {
    state.SkipWithError("cannot write the file");
    return;
  }
  if (!EnsureBenchWindowClasses()) {
    state.SkipWithError("window classes could not be registered");
    return;
  }
  ResetProgramState();
  int mode = -1;
  for (auto _ : state) {
    state.PauseTiming();
    const WindowHandle table = CreateTableWindow(TableOpenRequest{OPEN_FILE, path});
    StopTimer(table, TIMER_TABLE_LOAD);
    DialogScriptBegin();  // the sampling note is answered at once
    DialogScriptPush(AnswerOk());
    state.ResumeTiming();
    TextImportChoice choice;
    choice.bAskWizard = false;
    if (TextImportOpenWith(table, path, choice) != 0) state.SkipWithError("import failed");
    state.PauseTiming();
    if (TableLockGuard t(table); t) mode = t->iSampleMode;
    DestroyWindowOf(table);
    PumpPostedMessages();
    state.ResumeTiming();
  }
  DialogScriptEnd();
  state.counters["sample_mode"] = mode;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

}  // namespace

void RegisterTextImportBenchmarks() {
  benchmark::RegisterBenchmark("baseline/wc_l_1GB", [](benchmark::State& s) { WcLines(s, SampledFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(3.0);
  benchmark::RegisterBenchmark("import/sampled_1GB", [](benchmark::State& s) { ImportFile(s, SampledFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(3.0);
  benchmark::RegisterBenchmark("baseline/wc_l_100MB_numbers",
                               [](benchmark::State& s) { WcLines(s, ResizedNumbersFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("import/resized_100MB_numbers",
                               [](benchmark::State& s) { ImportFile(s, ResizedNumbersFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("baseline/wc_l_100MB_texts", [](benchmark::State& s) { WcLines(s, ResizedTextsFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  benchmark::RegisterBenchmark("import/resized_100MB_texts",
                               [](benchmark::State& s) { ImportFile(s, ResizedTextsFile()); })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(2.0);
  AddRatio("import/sampled_1GB", "baseline/wc_l_1GB");
  AddRatio("import/resized_100MB_numbers", "baseline/wc_l_100MB_numbers");
  AddRatio("import/resized_100MB_texts", "baseline/wc_l_100MB_texts");
}
