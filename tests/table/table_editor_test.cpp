#include "table/table_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/edit_control.h"
#include "platform/scrollbar.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/fresh_table.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/table_select.h"
#include "table/table_window_ops.h"

namespace {

// A formula bar that keeps the target captions it is sent.
std::vector<std::string>& Captions() {
  static std::vector<std::string> captions;
  return captions;
}
std::intptr_t FormulaBarProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_COMMAND && CommandId(wParam) == CMD_FORMULA_BAR_TARGET) {
    Captions().emplace_back(reinterpret_cast<const char*>(lParam));
  }
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

class EditorTest : public TableInputTest {
 protected:
  void SetUp() override {
    TableInputTest::SetUp();
    static const bool registered = RegisterWindowClass({"TestFormulaBar", FormulaBarProc}) == 0;
    ASSERT_TRUE(registered);
    WindowCreateInfo info;
    info.szClass = "TestFormulaBar";
    bar_ = CreateWindowOf(info);
    Program().hFormulaBar = bar_;
    Captions().clear();
  }
  void TearDown() override {
    DestroyWindowOf(bar_);
    TableInputTest::TearDown();
  }
  std::string Shown(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  void Store(int row, int col, std::string_view text) const { TableStoreCellText(table_, row, col, text); }
  bool EditorOn(int row, int col) const {
    const WindowRect r = WindowRectOf(Editor());
    return T().bEditShown == 1 && T().iEditRow == row && T().iEditCol == col && WindowIsVisible(Editor()) &&
           r.x == 40 + 80 * (col - 1) + 1 && r.y == 18 * row + 1;
  }
  WindowHandle bar_{};
};

TEST_F(EditorTest, ANewTableHasAHiddenEditorOf519Characters) {
  const WindowHandle editor = Editor();
  ASSERT_FALSE(IsNone(editor));
  EXPECT_EQ(WindowClassName(editor), "edit");
  EXPECT_EQ(WindowParent(editor), table_);
  EXPECT_EQ(WindowControlId(editor), ID_CELL_EDITOR);
  EXPECT_EQ(EditLimit(editor), 519);
  EXPECT_EQ(EditFontOf(editor).szFamily, "Arial");
  EXPECT_FALSE(WindowIsVisible(editor));
  EXPECT_EQ(TableIsEditing(table_), 0);
}

TEST_F(EditorTest, DoubleClickOpensTheEditorOverTheCellWithItsTextSelected) {
  Store(2, 3, "some words");
  DoubleClickCell(2, 3);
  ASSERT_TRUE(EditorOn(2, 3));
  const WindowRect r = WindowRectOf(Editor());
  EXPECT_EQ(r.cx, 78);
  EXPECT_EQ(r.cy, 16);
  EXPECT_EQ(EditText(Editor()), "some words") << "the long text, not its pool reference";
  int start = 0;
  int end = 0;
  EditGetSelection(Editor(), &start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 10);
  EXPECT_TRUE(EditHasFocus(Editor()));
  EXPECT_EQ(Captions(), std::vector<std::string>{"R2C3"});
  EXPECT_EQ(T().bModified, 0) << "opening the editor is not typing";
  EXPECT_EQ(TableIsEditing(table_), 1);
  // A low row gets an editor as low as the row allows.
  T().rowHeight[5] = 10;
  DoubleClickCell(4, 1);  // away first, so row 5 is reached fresh
  Click(CellX(1), 18 * 5 + 5);
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, CellX(1), 18 * 5 + 5);
  EXPECT_EQ(WindowRectOf(Editor()).cy, 8);
}

TEST_F(EditorTest, TypeTwelveAndTabStoresAndMovesRight) {
  DoubleClickCell(2, 2);
  Type("12\t");
  EXPECT_EQ(Shown(2, 2), "12");
  EXPECT_TRUE(EditorOn(2, 3));
  EXPECT_EQ(EditText(Editor()), "");
  EXPECT_EQ(T().bModified, 1);
  EXPECT_EQ(T().selRowFrom[0], 2);
  EXPECT_EQ(T().selColFrom[0], 3);
  EXPECT_EQ(Captions().back(), "R2C3");
}

TEST_F(EditorTest, EnterAfterARunReturnsToWhereItStartedOneRowDown) {
  DoubleClickCell(3, 2);
  Type("1\t2\t3\r");
  EXPECT_EQ(Shown(3, 2), "1");
  EXPECT_EQ(Shown(3, 3), "2");
  EXPECT_EQ(Shown(3, 4), "3");
  EXPECT_TRUE(EditorOn(4, 2));
  Type("4\t5\r");
  EXPECT_EQ(Shown(4, 3), "5");
  EXPECT_TRUE(EditorOn(5, 2));
}

TEST_F(EditorTest, TheReturnColumnRule) {
  FreshTable t;
  // Row 3: a run in columns 2..4; row 4 partly filled.
  for (int col : {2, 3, 4}) t.Store(3, col, "x");
  t.Store(4, 2, "y");
  t.Store(4, 3, "y");
  t.Store(7, 1, "z");
  t.Store(7, 2, "z");
  struct {
    int row, col, expected;
  } cases[] = {
      {3, 5, 4},  // the run 2..4 left of column 5: row 4 is filled at 2 and 3, empty at 4
      {3, 4, 4},  // run 2..3: the first empty cell of row 4 from column 2 up to 4
      {3, 3, 3},  // run 2..2: row 4 columns 2, 3 filled: none empty up to 3, so 3
      {3, 2, 2},  // nothing filled left of column 2
      {7, 3, 1},  // the run reaches column 1
      {5, 6, 6},  // an empty row: stay in the column
  };
  for (const auto& c : cases) EXPECT_EQ(ReturnColumn(*t, c.row, c.col), c.expected) << c.row << "," << c.col;
}

TEST_F(EditorTest, TabInTheLastColumnAndEnterInTheLastRowStayAndKeepTyping) {
  // A small view of the table's far corner.
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 1995));
  SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 368));
  const int x = 40 + 80 * 2 + 40;  // column 370
  const int y = 18 * 6 + 9;        // row 2000
  Click(x, y);
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, x, y);
  ASSERT_EQ(T().iEditRow, 2000);
  ASSERT_EQ(T().iEditCol, 370);
  Type("ab\tc\rd");
  EXPECT_EQ(EditText(Editor()), "abcd") << "the keys that cannot move are dropped, not what follows";
  EXPECT_EQ(T().iEditRow, 2000);
  EXPECT_EQ(T().iEditCol, 370);
  Click(CellX(1), CellY(2));
  EXPECT_EQ(Shown(2000, 370), "abcd");
}

TEST_F(EditorTest, ClickingElsewhereOrScrollingStoresTheText) {
  DoubleClickCell(2, 2);
  Type("5");
  ClickCell(6, 6);
  EXPECT_EQ(Shown(2, 2), "5");
  EXPECT_FALSE(WindowIsVisible(Editor()));
  EXPECT_EQ(T().bEditShown, 0);
  // A press on the editor's own cell (its one-pixel margin) keeps the text too.
  DoubleClickCell(3, 3);
  Type("7");
  Click(40 + 80 * 2 + 1, 18 * 3 + 1);
  EXPECT_EQ(Shown(3, 3), "7");
  // Scrolling commits and clears the selection.
  DoubleClickCell(4, 4);
  Type("9");
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_DOWN, 0));
  EXPECT_EQ(Shown(4, 4), "9");
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().selRowFrom[0], 0);
  // So does turning the wheel over the grid.
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_UP, 0));
  DoubleClickCell(4, 5);
  Type("w");
  Send(MSG_MOUSEWHEEL, static_cast<unsigned>(0xFF88u) << 16, CellX(1), CellY(1));
  EXPECT_EQ(Shown(4, 5), "w");
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().iTopRow, 2) << "and then it scrolls";
  // So does a right press.
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_UP, 0));
  DoubleClickCell(5, 1);
  Type("x");
  Send(MSG_RBUTTONDOWN, MK_RBUTTON, CellX(8), CellY(8));
  EXPECT_EQ(Shown(5, 1), "x");
  EXPECT_EQ(T().bEditShown, 0);
}

TEST_F(EditorTest, ClearingTheSelectionCommitsTheEditor) {
  DoubleClickCell(3, 4);
  Type("6");
  ClearSelection(table_);
  EXPECT_EQ(Shown(3, 4), "6");
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().selRowFrom[0], 0);
  EXPECT_FALSE(WindowIsVisible(Editor()));
}

TEST_F(EditorTest, TheCornerStoresResetsAndForgetsTheEditCell) {
  DoubleClickCell(2, 2);
  Type("8");
  Click(10, 5);
  EXPECT_EQ(Shown(2, 2), "8");
  EXPECT_EQ(T().iEditRow, 0);
  EXPECT_EQ(T().iEditCol, 0);
  EXPECT_EQ(T().selRowFrom[0], 0);
  EXPECT_FALSE(WindowIsVisible(Editor()));
}

TEST_F(EditorTest, EscapeLeavesTheCellAsItWas) {
  Store(2, 2, "keep");
  DoubleClickCell(2, 2);
  Type("new");
  SendMessageTo(Editor(), MSG_KEYDOWN, KEY_ESCAPE);  // the control hands Escape to the table
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_FALSE(WindowIsVisible(Editor()));
  ClickCell(5, 5);
  EXPECT_EQ(Shown(2, 2), "keep");
}

TEST_F(EditorTest, LockedCellsAndFormulaTargetsAreNotTypedInto) {
  T().lockRowUsed[0] = 1;
  T().lockRowIndex[0] = 3;
  T().lockRowSlot[0] = 2;  // row 3 shown where it is anyway
  DoubleClickCell(3, 2);
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().iCaretHidden, 1);
  EXPECT_TRUE(Captions().empty()) << "a locked cell is no formula target";
  // A formula target: the formula bar gets the target, the cell no editor.
  TableCell& cell = *TableCellAt(T(), 4, 2);
  SetCellFormulaSlot(cell, 0);
  T().formulaSlots[0].iState = FORMULA_RUN;
  CopyText(T().formulaSlots[0].szFormula, "R1C1+1");
  DoubleClickCell(4, 2);
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().iEditRow, 4) << "still the cell the formula bar works on";
  EXPECT_EQ(Captions(), std::vector<std::string>{"R4C2"});
  // Tab from an open cell into a formula target stores and closes.
  DoubleClickCell(4, 1);
  Type("3\t");
  EXPECT_EQ(TableCellDisplayText(table_, 4, 1), "3");
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_FALSE(WindowIsVisible(Editor()));
  DoubleClickCell(6, 6);
  EXPECT_EQ(T().iCaretHidden, 0) << "a normal cell shows the caret again";
}

TEST_F(EditorTest, WithoutAnEditorNothingOpensAndNoCellIsEmptied) {
  Store(2, 2, "kept");
  DestroyWindowOf(Editor());
  DoubleClickCell(2, 2);
  EXPECT_EQ(T().bEditShown, 0);
  ClickCell(4, 4);
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_DOWN, 0));
  EXPECT_EQ(Shown(2, 2), "kept");
}

TEST_F(EditorTest, TextsUpTo519CharactersReachTheCell) {
  DoubleClickCell(2, 2);
  Type(std::string(530, 'a'));
  EXPECT_EQ(EditText(Editor()).size(), 519u);
  ClickCell(3, 3);
  EXPECT_EQ(Shown(2, 2), std::string(519, 'a'));
}

}  // namespace
