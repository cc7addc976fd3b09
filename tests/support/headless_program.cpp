#include "support/headless_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <fstream>

#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/table_access.h"
#include "table/table_open_request.h"
#include "table/table_record.h"

void EnsureWindowClasses() {
  static const bool registered = SetupWindowClasses(PlainWindowClassProcs()) == 0;
  ASSERT_TRUE(registered) << "window classes could not be registered";
}

void StartHeadlessProgram() {
  EnsureWindowClasses();
  PumpPostedMessages();
  ClearQuitRequest();
  ResetProgramState();
}

void EndHeadlessProgram() {
  PumpPostedMessages();
  ClearQuitRequest();
  ResetProgramState();
}

WindowHandle CreateHeadlessTable(int mode, std::string_view path) {
  return CreateTableWindow(TableOpenRequest{mode, std::string(path)});
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "cartovel-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder";
    return;
  }
  // The canonical form is what getcwd reports once a test moves there.
  path_ = std::filesystem::canonical(pattern).string();
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::WriteFile(std::string_view relative, std::string_view bytes) const {
  const std::filesystem::path file = std::filesystem::path(path_) / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << file;
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& dir) {
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(dir);
}

ScopedCurrentDir::~ScopedCurrentDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
}

void HeadlessTableTest::SetUp() {
  StartHeadlessProgram();
  table_ = CreateHeadlessTable(OPEN_NEW);
  ASSERT_FALSE(IsNone(table_));
}

void HeadlessTableTest::TearDown() {
  DestroyWindowOf(table_);
  EXPECT_EQ(TableLocksHeld(), 0);
  EndHeadlessProgram();
}
