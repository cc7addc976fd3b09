// Generated files of the import benchmarks and their baseline: a temporary
// folder removed at exit, and `wc -l` run on a file.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

// The folder of the generated files (empty when it could not be made).
const std::string& BenchFilesDir();

// Count the lines of `path` with `wc -l` once per iteration (bytes processed
// set to the file's size).
void WcLines(benchmark::State& state, const std::string& path);
