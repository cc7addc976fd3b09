// A private ODBC set-up for the database tests: ODBCSYSINI and ODBCINI
// point at a temporary folder whose odbcinst.ini names Debian's driver
// libraries by absolute path, so the machine's own drivers and data
// sources are never read or written. Database files are copied into the
// folder before use.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace odbc_test {

inline constexpr const char* kDriverDir = "/usr/lib/x86_64-linux-gnu/odbc/";

class Sandbox {
 public:
  Sandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cartovel-odbc-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return;
    dir_ = pattern;
    std::ofstream drivers(dir_ / "odbcinst.ini");
    drivers << "[MDBTools]\nDescription=MDB Tools\nDriver=" << kDriverDir << "libmdbodbc.so\n\n"
            << "[SQLite3]\nDescription=SQLite 3\nDriver=" << kDriverDir << "libsqlite3odbc.so\n\n"
            << "[PostgreSQL ANSI]\nDescription=PostgreSQL ANSI\nDriver=" << kDriverDir << "psqlodbca.so\n\n"
            << "[PostgreSQL Unicode]\nDescription=PostgreSQL Unicode\nDriver=" << kDriverDir << "psqlodbcw.so\n";
    drivers.close();
    std::ofstream(dir_ / "odbc.ini").close();
    setenv("ODBCSYSINI", dir_.c_str(), 1);
    setenv("ODBCINI", (dir_ / "odbc.ini").c_str(), 1);
  }
  ~Sandbox() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }

  // Copy a file of the shared test data (relative to its folder) into the
  // sandbox; the copy's path, or empty when the data are missing.
  std::string CopyData(const std::string& relative) const {
    const std::filesystem::path from = std::filesystem::path(CARTOVEL_SHARED_DATA_DIR) / relative;
    if (!std::filesystem::exists(from)) return {};
    const std::filesystem::path to = dir_ / from.filename();
    std::error_code ignored;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ignored);
    std::filesystem::permissions(to, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
    return to.string();
  }

  // The text of the sandbox's odbc.ini (the data sources written).
  std::string SourcesFile() const {
    std::ifstream in(dir_ / "odbc.ini");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path dir_;
};

// The one sandbox of the test process, made before the first ODBC call.
inline Sandbox& TheSandbox() {
  static Sandbox sandbox;
  return sandbox;
}

}  // namespace odbc_test
