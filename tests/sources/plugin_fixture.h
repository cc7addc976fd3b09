// Test support for the plug-in tests: the test plug-ins built beside the
// tests, and their knobs reached through the same loaded library.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/library.h"
#include "sources/plugin_library.h"
#include "support/dialog_script_guard.h"
#include "support/range_table_test.h"

#ifndef CARTOVEL_PLUGIN_FIXTURES
#define CARTOVEL_PLUGIN_FIXTURES ""
#endif
#ifndef CARTOVEL_EXAMPLE_PLUGIN
#define CARTOVEL_EXAMPLE_PLUGIN ""
#endif

// The path of a test plug-in variant ("complete", "no_capability",
// "failing", "oversized", "huge").
inline std::string FixturePlugin(std::string_view variant) {
  return std::string(CARTOVEL_PLUGIN_FIXTURES) + "/libplugin_fixture_" + std::string(variant) + ".so";
}

// The knobs and call log of a loaded test plug-in. Loading the same file
// again gives the same library, so these reach the plug-in in use.
class FixtureKnobs {
 public:
  explicit FixtureKnobs(const std::string& path) : library_(LibraryLoad(path, nullptr)) {}
  ~FixtureKnobs() { LibraryFree(library_); }
  FixtureKnobs(const FixtureKnobs&) = delete;
  FixtureKnobs& operator=(const FixtureKnobs&) = delete;

  std::string Log() const { return Call<const char* (*)()>("FixtureLog")(); }
  void Reset() const { Call<void (*)()>("FixtureReset")(); }
  void Logging(bool on) const { Call<void (*)(int)>("FixtureSetLogging")(on ? 1 : 0); }
  void Result(std::int32_t rows, std::int32_t cols) const {
    Call<void (*)(std::int32_t, std::int32_t)>("FixtureSetResult")(rows, cols);
  }
  void Echo(bool on) const { Call<void (*)(int)>("FixtureSetEcho")(on ? 1 : 0); }
  void FailAt(const char* name) const { Call<void (*)(const char*)>("FixtureFailAt")(name); }
  void NullAt(std::int32_t row, std::int32_t col) const {
    Call<void (*)(std::int32_t, std::int32_t)>("FixtureSetNullAt")(row, col);
  }
  void Item(std::int32_t item, const char* text) const {
    Call<void (*)(std::int32_t, const char*)>("FixtureSetItem")(item, text);
  }
  bool ok() const { return library_ != nullptr; }

 private:
  template <typename Fn>
  Fn Call(const char* name) const {
    return reinterpret_cast<Fn>(LibrarySymbol(library_, name));
  }
  LoadedLibrary* library_;
};

// A headless table with the complete test plug-in loaded; every dialog is
// answered by script.
class PluginTableTest : public RangeTableTest {
 protected:
  void SetUp() override {
    RangeTableTest::SetUp();
    ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
    knobs_ = std::make_unique<FixtureKnobs>(FixturePlugin("complete"));
    ASSERT_TRUE(knobs_->ok());
    knobs_->Reset();
  }
  void TearDown() override {
    knobs_.reset();
    PluginUnload();
    RangeTableTest::TearDown();
  }
  // The current cell (the cell editor's target).
  void Current(int row, int col) const {
    T().iEditRow = row;
    T().iEditCol = col;
  }
  // Add a block range to the selection.
  void AddRange(int r0, int c0, int r1, int c1) const {
    const int i = ++T().iSelCurrent;
    T().selRowFrom[i] = r0;
    T().selColFrom[i] = c0;
    T().selRowTo[i] = r1;
    T().selColTo[i] = c1;
    T().selKind[i] = SELECT_BLOCK;
  }
  std::unique_ptr<FixtureKnobs> knobs_;
};
