#include "bench_files.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

namespace {

// A temporary folder with the generated files, removed at exit.
class BenchFiles {
 public:
  BenchFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cartovel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data())) dir_ = pattern;
  }
  ~BenchFiles() {
    std::error_code ec;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
  }
  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
};

}  // namespace

const std::string& BenchFilesDir() {
  static BenchFiles files;
  return files.dir();
}

void WcLines(benchmark::State& state, const std::string& path) {
  if (path.empty()) {
    state.SkipWithError("cannot write the file");
    return;
  }
  const std::string command = "wc -l < '" + path + "' > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("wc -l failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
