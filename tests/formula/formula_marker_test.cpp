// The formula marker: its menu's actions and the fill by dragging it.
#include <gtest/gtest.h>

#include <string>

#include "formula/formula_marker.h"
#include "formula/formula_registry.h"
#include "platform/popup_menu.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_window_ops.h"

namespace {

class FormulaMarkerTest : public HeadlessTableTest {
 protected:
  void SetUp() override {
    HeadlessTableTest::SetUp();
    PopupScriptBegin();
    TableSetCellText(table_, 1, 1, "2");
    ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  }
  void TearDown() override {
    PopupScriptEnd();
    HeadlessTableTest::TearDown();
  }
  std::string Shown(int row, int col) { return TableCellDisplayText(table_, row, col); }
  int State() {
    TableLockGuard t(table_);
    return t->formulaSlots[0].iState;
  }
  DialogScriptGuard dialogs;
};

TEST_F(FormulaMarkerTest, TheMenuOffersFourActions) {
  PopupScriptPush(0);
  TableHooks().pfnFormulaMenu(table_, 10, 10, 2, 1);
  ASSERT_EQ(PopupScriptShown().size(), 1u);
  const PopupMenuList& menu = PopupScriptShown()[0];
  ASSERT_EQ(menu.items.size(), 4u);
  EXPECT_EQ(menu.items[0].iCommand, CMD_FORMULA_VIEW);
  EXPECT_EQ(menu.items[1].szText, "Delete");
  EXPECT_EQ(menu.items[2].iCommand, CMD_FORMULA_INACTIVE);
  EXPECT_EQ(menu.items[3].szText, "Run");
  TableLockGuard t(table_);
  EXPECT_EQ(t->iFormulaCellMode, 0);
  EXPECT_STREQ(TextIn(TXT_REGISTRY_MENU_VIEW, true), "查阅 ");
  EXPECT_STREQ(TextIn(TXT_REGISTRY_MENU_DELETE, true), "删除 ");
  EXPECT_STREQ(TextIn(TXT_REGISTRY_MENU_INACTIVE, true), "待用 ");
  EXPECT_STREQ(TextIn(TXT_REGISTRY_MENU_RUN, true), "执行 ");
}

TEST_F(FormulaMarkerTest, InactiveRunViewAndDelete) {
  PopupScriptPush(CMD_FORMULA_INACTIVE);
  TableHooks().pfnFormulaMenu(table_, 0, 0, 2, 1);
  EXPECT_EQ(State(), FORMULA_INACTIVE);
  TableSetCellText(table_, 1, 1, "5");
  EXPECT_EQ(Shown(2, 1), "4");

  PopupScriptPush(CMD_FORMULA_RUN);
  TableHooks().pfnFormulaMenu(table_, 0, 0, 2, 1);
  EXPECT_EQ(State(), FORMULA_RUN);
  EXPECT_EQ(Shown(2, 1), "10");  // recalculated after the action

  PopupScriptPush(CMD_FORMULA_VIEW);
  TableHooks().pfnFormulaMenu(table_, 0, 0, 2, 1);
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->bShowRefs, 1);
    EXPECT_EQ(TableCellAt(*t.get(), 1, 1)->iRefMark, 1);
  }

  PopupScriptPush(CMD_FORMULA_DELETE);
  TableHooks().pfnFormulaMenu(table_, 0, 0, 2, 1);
  EXPECT_EQ(State(), FORMULA_FREE);
  EXPECT_EQ(Shown(2, 1), "");
}

TEST_F(FormulaMarkerTest, DraggingTheMarkerFillsTheSelection) {
  TableSetCellText(table_, 1, 2, "3");
  TableHooks().pfnFormulaHandlePress(table_, 2, 1);
  {
    TableLockGuard t(table_);
    t->iSelCurrent = 0;
    t->selKind[0] = SELECT_BLOCK;
    t->selRowFrom[0] = t->selRowTo[0] = 2;
    t->selColFrom[0] = 1;
    t->selColTo[0] = 2;
  }
  TableHooks().pfnFormulaRelease(table_);
  EXPECT_EQ(Shown(2, 2), "6");
  TableLockGuard t(table_);
  EXPECT_EQ(t->iFormulaCount, 2);
  EXPECT_EQ(t->iFormulaCellMode, 0);
  // A release without a picked marker fills nothing.
  t->selColTo[0] = 3;
  TableHooks().pfnFormulaRelease(table_);
  EXPECT_EQ(t->iFormulaCount, 2);
}

TEST_F(FormulaMarkerTest, CellsWithoutAFormulaOpenNoMenuAndPickNothing) {
  TableHooks().pfnFormulaMenu(table_, 0, 0, 3, 3);
  EXPECT_TRUE(PopupScriptShown().empty());
  TableHooks().pfnFormulaHandlePress(table_, 3, 3);
  TableLockGuard t(table_);
  EXPECT_EQ(t->iFormulaCellMode, 0);
}

TEST_F(FormulaMarkerTest, AValueStoredOverATargetRemovesItsFormulaFirst) {
  TableHooks().pfnRemoveFormula(table_, 2, 1);
  TableLockGuard t(table_);
  EXPECT_EQ(t->iFormulaCount, 0);
  EXPECT_EQ(CellFormulaSlot(*TableCellAt(*t.get(), 2, 1)), -1);
}

}  // namespace
