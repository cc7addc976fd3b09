// Test support: the program's plain window classes, registered once per
// process, and helpers for tests that create frames and table windows
// without a display.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/window.h"

// Register the window classes with the plain procedures (once per process).
void EnsureWindowClasses();

// A fresh program: classes registered, program state reset, no posted
// messages left over and no quit request pending.
void StartHeadlessProgram();

// Deliver what is still posted, forget a quit request and reset the program
// state. Tests call this after destroying their windows.
void EndHeadlessProgram();

// Create a table window in `mode` (without a frame unless one exists).
WindowHandle CreateHeadlessTable(int mode, std::string_view path = "");

// A fixture holding one new headless table window; checks on the way out
// that every lock was released.
class HeadlessTableTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  WindowHandle table_{};
};

// A temporary folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // Write a file (creating its folders) below the folder.
  void WriteFile(std::string_view relative, std::string_view bytes) const;

 private:
  std::string path_;
};

// The bytes of a file (empty when it cannot be read).
std::string ReadFileBytes(const std::string& path);

// Change the current directory for the lifetime of a scope.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& dir);
  ~ScopedCurrentDir();
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  std::string previous_;
};
