// The mouse actions a table hands to other parts of the program.
#include "table/table_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cursor.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"
#include "table/table_window_ops.h"

namespace {

// Every hook call, as text: "cell-menu 300,60", "formula-press 2,3", ...
std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}
void Log(const std::string& what) { Calls().push_back(what); }
std::string Pair(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

// A window standing in for a linked chart: it counts tracking requests.
std::vector<unsigned>& ChartCommands() {
  static std::vector<unsigned> commands;
  return commands;
}
std::intptr_t ChartProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_COMMAND) ChartCommands().push_back(CommandId(wParam));
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

int coordinatePickAnswer = 0;

class TableInputHooksTest : public TableInputTest {
 protected:
  void SetUp() override {
    TableInputTest::SetUp();
    Calls().clear();
    ChartCommands().clear();
    coordinatePickAnswer = 0;
    TableInputHooks& hooks = TableHooks();
    hooks.pfnFormulaHandlePress = [](WindowHandle, int row, int col) { Log("formula-press " + Pair(row, col)); };
    hooks.pfnFormulaRelease = [](WindowHandle) { Log("formula-release"); };
    hooks.pfnFormulaMenu = [](WindowHandle, int, int, int row, int col) { Log("formula-menu " + Pair(row, col)); };
    hooks.pfnRowColMenu = [](WindowHandle, int x, int y, char bar) {
      Log(std::string("header-menu ") + bar + " " + Pair(x, y));
    };
    hooks.pfnCellMenu = [](WindowHandle, int x, int y) { Log("cell-menu " + Pair(x, y)); };
    hooks.pfnCoordinatePick = [](WindowHandle, int, int) {
      Log("coordinate-pick");
      return coordinatePickAnswer;
    };
    hooks.pfnBrowseFollow = [](WindowHandle hwnd) {
      TableLockGuard t(hwnd);
      Log("browse " + Pair(t->iBrowseRow, t->iBrowseCol));
    };
    hooks.pfnImageCrosshairOff = [](WindowHandle) { Log("crosshair-off"); };
    hooks.pfnInSampledBlock = [](const TableDocument&, int row, int) { return row == 9 ? 1 : 0; };
  }
  void TearDown() override {
    TableHooks() = TableInputHooks{};
    TableInputTest::TearDown();
  }
  void RightClick(int x, int y, unsigned keys = 0) const {
    Send(MSG_RBUTTONDOWN, MK_RBUTTON | keys, x, y);
    Send(MSG_RBUTTONUP, keys, x, y);
  }
  // Make (row, col) show the result of formula slot 0.
  void MakeFormulaTarget(int row, int col, bool aligned = false) const {
    SetCellFormulaSlot(*TableCellAt(T(), row, col), 0);
    T().formulaSlots[0].iState = FORMULA_RUN;
    T().iFormulaCount = 1;
    T().formulaSlots[0].bRowAligned = aligned ? 1 : 0;
    CopyText(T().formulaSlots[0].szFormula, "R1C1*2");
  }
};

TEST_F(TableInputHooksTest, RightClicksOpenTheMenuOfWhatIsUnderThePointer) {
  RightClick(CellX(3), CellY(4));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"coordinate-pick", "crosshair-off", "cell-menu 240,81"}));
  EXPECT_EQ(T().iBrowseRow, 4) << "the right-clicked cell";
  EXPECT_EQ(T().iBrowseCol, 3);
  // A column label: picked and selected, then the header menu.
  Calls().clear();
  RightClick(CellX(5), 9);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"coordinate-pick", "header-menu C 400,9"}));
  EXPECT_EQ(T().iPickedCol, 5);
  EXPECT_EQ(T().cPickedBar, 'C');
  EXPECT_EQ(T().selKind[0], SELECT_COLUMNS);
  EXPECT_EQ(T().selColFrom[0], 5);
  EXPECT_EQ(T().bDragSelecting, 0) << "the selection ended with the release";
  // Inside a selected span of columns the selection stays.
  Press(CellX(2), 9);
  Drag(CellX(4), 9);
  Release(CellX(4), 9);
  RightClick(CellX(3), 9);
  EXPECT_EQ(T().selColFrom[0], 2);
  EXPECT_EQ(T().selColTo[0], 4);
  // A row label.
  Calls().clear();
  RightClick(20, CellY(6));
  EXPECT_EQ(Calls().back(), "header-menu R 20,117");
  EXPECT_EQ(T().iPickedRow, 6);
  EXPECT_EQ(T().selKind[0], SELECT_ROWS);
  // Outside any cell (the corner): no menu.
  Calls().clear();
  RightClick(10, 5);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"coordinate-pick", "crosshair-off"}));
}

TEST_F(TableInputHooksTest, TheCoordinatePickTakesTheReleaseAlone) {
  coordinatePickAnswer = 1;
  RightClick(CellX(3), CellY(4));
  EXPECT_EQ(Calls(), std::vector<std::string>{"coordinate-pick"});
}

TEST_F(TableInputHooksTest, FormulaHandlesBelongToTheFormulaRegistry) {
  MakeFormulaTarget(2, 3);
  const int x = 40 + 80 * 3 - 1;  // inside the bottom-right 4 x 4 pixels of (2, 3)
  const int y = 18 * 3 - 1;
  Send(MSG_MOUSEMOVE, 0, x, y);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_FORMULA_HANDLE);
  Press(x, y);
  EXPECT_EQ(Calls(), std::vector<std::string>{"formula-press 2,3"});
  EXPECT_EQ(T().selRowFrom[0], 2) << "the selection starts at the target";
  Drag(CellX(3), CellY(6));
  EXPECT_EQ(T().selRowTo[0], 6) << "and extends as the pointer is dragged";
  Release(CellX(3), CellY(6));
  EXPECT_EQ(Calls().back(), "formula-release");
  RightClick(x, y);
  EXPECT_EQ(Calls().back(), "formula-menu 2,3");
  // Elsewhere in the cell is an ordinary cell.
  Calls().clear();
  ClickCell(2, 3);
  EXPECT_EQ(Calls(), std::vector<std::string>{"formula-release"}) << "every release asks the picking mode";
  MakeFormulaTarget(2, 3, true);
  Send(MSG_MOUSEMOVE, 0, x, y);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_FORMULA_ALIGNED);
}

TEST_F(TableInputHooksTest, RightDraggingBrowsesAndTellsTheLinkedWindows) {
  // Without a chart the browse cell is also the last one.
  Send(MSG_MOUSEMOVE, MK_RBUTTON, CellX(2), CellY(2));
  Send(MSG_MOUSEMOVE, MK_RBUTTON, CellX(2), CellY(2) + 3);  // the same cell: nothing new
  Send(MSG_MOUSEMOVE, MK_RBUTTON, CellX(3), CellY(5));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"browse 2,2", "browse 5,3"}));
  EXPECT_EQ(T().iLastBrowseRow, 5);
  EXPECT_EQ(T().iLastBrowseCol, 3);
  // With a chart: it is asked (posted) to track the cell; the chart keeps
  // the last cell itself.
  static const bool registered = RegisterWindowClass({"TestChart", ChartProc}) == 0;
  ASSERT_TRUE(registered);
  WindowCreateInfo info;
  info.szClass = "TestChart";
  const WindowHandle chart = CreateWindowOf(info);
  T().hChartWindow = chart;
  Send(MSG_RBUTTONDOWN, MK_RBUTTON, CellX(4), CellY(4));
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_BROWSE);
  Send(MSG_MOUSEMOVE, MK_RBUTTON, CellX(4), CellY(7));
  EXPECT_TRUE(ChartCommands().empty());
  PumpPostedMessages();
  EXPECT_EQ(ChartCommands(), std::vector<unsigned>{CMD_CHART_TRACK_CELL});
  EXPECT_EQ(T().iBrowseRow, 7);
  EXPECT_EQ(T().iLastBrowseRow, 5);
  // The wheel with the right button held browses too.
  Send(MSG_MOUSEWHEEL, MK_RBUTTON | (120u << 16), CellX(1), CellY(1));
  EXPECT_EQ(T().iBrowseRow, 1);
  Send(MSG_RBUTTONUP, 0, CellX(1), CellY(1));
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_ARROW);
  T().hChartWindow = WindowHandle::None;
  DestroyWindowOf(chart);
}

TEST_F(TableInputHooksTest, SampledBlocksAndRowLabelsAreNotEdited) {
  DoubleClickCell(9, 2);
  EXPECT_EQ(T().bEditShown, 0);
  Click(20, CellY(3));
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, 20, CellY(3));
  EXPECT_EQ(T().bEditShown, 0);
  DoubleClickCell(8, 2);
  EXPECT_EQ(T().bEditShown, 1);
}

TEST_F(TableInputHooksTest, DoubleClickOnAColumnBorderFitsTheColumn) {
  TableStoreCellText(table_, 3, 2, "123456789012345");
  // The first click of the double click drags the border where it is.
  Click(199, 9);
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, 199, 9);
  EXPECT_EQ(T().colWidth[2], 15 * 7 + 10) << "estimated without a view";
  static int measured = 0;
  SetTableTextWidth([](const char*, int length) { return measured = length; });
  Click(234, 9);
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, 234, 9);
  SetTableTextWidth(nullptr);
  EXPECT_EQ(measured, 15);
  EXPECT_EQ(T().colWidth[2], 25) << "the view's measure";
}

}  // namespace
