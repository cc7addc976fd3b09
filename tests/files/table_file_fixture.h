// Test support for table files: a headless table window, a temporary
// folder that is also the current directory, scripted dialogs, and small
// helpers to fill tables and read files.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "files/table_file_save.h"
#include "platform/text_buffer.h"
#include "shell/command_routes.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

class TableFileTest : public HeadlessTableTest {
 protected:
  void SetUp() override {
    HeadlessTableTest::SetUp();
    // Other tests in the binary may have replaced the save commands: the
    // command table gives them back.
    InstallCommandRoutes();
  }
  void TearDown() override {
    for (const WindowHandle table : tables_) DestroyWindowOf(table);
    script_.Check();
    HeadlessTableTest::TearDown();
  }

  std::string Path(std::string_view name) const { return dir_.path() + "/" + std::string(name); }

  // Another new table window, destroyed with the test.
  WindowHandle NewTable() {
    const WindowHandle table = CreateHeadlessTable(OPEN_NEW);
    tables_.push_back(table);
    return table;
  }

  static void Put(WindowHandle table, int row, int col, std::string_view text) {
    ASSERT_EQ(TableSetCellText(table, row, col, text), 0);
  }
  static std::string Shown(WindowHandle table, int row, int col) { return TableCellDisplayText(table, row, col); }

  static std::string ReadBytes(const std::string& path) { return ReadFileBytes(path); }
  void WriteBytes(std::string_view name, std::string_view bytes) const { dir_.WriteFile(name, bytes); }

  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
  DialogScriptGuard script_;
  std::vector<WindowHandle> tables_;
};
