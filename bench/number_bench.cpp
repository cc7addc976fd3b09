// Number-text benchmarks: the numeric test of cell texts and the default
// number format. Baselines: strtod of the same text and snprintf("%f") of
// the same value.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ratio_reporter.h"
#include "table/cell_text.h"
#include "table/number_format.h"

namespace {

struct TextCase {
  const char* szName;
  const char* szText;
};

// Texts a cell typically holds: plain and exponent numbers, and words.
constexpr TextCase kTextCases[] = {
    {"integer", "2024"},
    {"fraction", "-1234.5678"},
    {"exponent", "6.02e+23"},
    {"word", "Temperature"},
    {"long_text_ref", "CHAR4711"},
};

struct ValueCase {
  const char* szName;
  double dValue;
};

// Values that take each branch of the default format.
constexpr ValueCase kValueCases[] = {
    {"zero", 0.0},
    {"integer", 42.0},
    {"fraction", 3.14159},
    {"large", 123456789.0},
    {"tiny", 0.0000012},
};

}  // namespace

void RegisterNumberBenchmarks() {
  for (const TextCase& c : kTextCases) {
    const std::string text = c.szText;
    const std::string base = std::string("baseline/strtod/") + c.szName;
    const std::string name = std::string("cell_is_text/") + c.szName;
    benchmark::RegisterBenchmark(base.c_str(), [text](benchmark::State& state) {
      for (auto _ : state) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(text.c_str(), &end));
        benchmark::DoNotOptimize(end);
      }
    });
    benchmark::RegisterBenchmark(name.c_str(), [text](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(CellIsText(text));
    });
    AddRatio(name, base);
  }

  for (const ValueCase& c : kValueCases) {
    const double value = c.dValue;
    const std::string base = std::string("baseline/snprintf_f/") + c.szName;
    const std::string name = std::string("format_number/") + c.szName;
    benchmark::RegisterBenchmark(base.c_str(), [value](benchmark::State& state) {
      char buf[64];
      for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%f", value));
        benchmark::ClobberMemory();
      }
    });
    benchmark::RegisterBenchmark(name.c_str(), [value](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(FormatNumber(value));
    });
    AddRatio(name, base);
  }
}
