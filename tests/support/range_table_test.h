// Test support: a headless table window whose cells and one selection range
// tests set directly, with every dialog answered by script.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

class RangeTableTest : public HeadlessTableTest {
 protected:
  void TearDown() override {
    script_.Check();
    HeadlessTableTest::TearDown();
  }
  TableRecord& T() const { return *static_cast<TableRecord*>(WindowUserData(table_)); }
  void Put(int row, int col, std::string_view text) { ASSERT_EQ(TableSetCellText(table_, row, col, text), 0); }
  std::string Shown(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  // The selection is the one range (r0, c0)-(r1, c1) of `kind`.
  void Select(int r0, int c0, int r1, int c1, int kind = SELECT_BLOCK) {
    ResetSelection(T());
    T().selRowFrom[0] = r0;
    T().selColFrom[0] = c0;
    T().selRowTo[0] = r1;
    T().selColTo[0] = c1;
    T().selKind[0] = kind;
  }
  // The text of the last dialog shown, empty when none was.
  static std::string LastMessage() {
    return DialogScriptShown().empty() ? std::string() : DialogScriptShown().back().szText;
  }

  DialogScriptGuard script_;
};
