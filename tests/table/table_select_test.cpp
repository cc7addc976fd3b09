#include "table/table_select.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/scrollbar.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/table_active.h"
#include "table/table_input_hooks.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

struct Range {
  int rowFrom, rowTo, colFrom, colTo, kind;
  bool operator==(const Range&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Range& r) {
  return out << "(" << r.rowFrom << ".." << r.rowTo << ", " << r.colFrom << ".." << r.colTo << " kind " << r.kind
             << ")";
}

class SelectTest : public TableInputTest {
 protected:
  Range RangeAt(int i) const {
    const TableRecord& t = T();
    return {t.selRowFrom[i], t.selRowTo[i], t.selColFrom[i], t.selColTo[i], t.selKind[i]};
  }
  Range Current() const { return RangeAt(T().iSelCurrent); }
  static Range Cell(int row, int col) { return {row, row, col, col, SELECT_BLOCK}; }
};

TEST_F(SelectTest, PressDragReleaseSelectsAnOrderedBlock) {
  Press(CellX(3), CellY(5));
  EXPECT_EQ(Current(), Cell(5, 3));
  EXPECT_EQ(T().bDragSelecting, 1);
  Drag(CellX(1), CellY(2));
  EXPECT_EQ(Current(), (Range{5, 2, 3, 1, SELECT_BLOCK})) << "the press is the start, the pointer the end";
  Release(CellX(1), CellY(2));
  EXPECT_EQ(Current(), (Range{2, 5, 1, 3, SELECT_BLOCK}));
  EXPECT_EQ(T().bDragSelecting, 0);
  // A point on a shared boundary belongs to the earlier cell.
  Click(120, 36);
  EXPECT_EQ(Current(), Cell(1, 1));
}

TEST_F(SelectTest, APointPastTheLastColumnKeepsTheRangesEnd) {
  SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 369));
  // Columns 369 and 370 fill x 40..200; right of them there is no cell.
  Press(CellX(1), CellY(3));
  Drag(400, CellY(5));
  Release(400, CellY(5));
  EXPECT_EQ(Current(), (Range{3, 5, 369, 369, SELECT_BLOCK}));
  Click(400, CellY(2));
  EXPECT_EQ(Current(), (Range{0, 0, 0, 0, SELECT_BLOCK})) << "a plain click there clears the selection";
}

TEST_F(SelectTest, HeaderPressesSelectWholeColumnsAndRows) {
  Press(CellX(2), 9);
  Drag(CellX(4), 9);
  Release(CellX(4), 9);
  EXPECT_EQ(Current(), (Range{1, 2000, 2, 4, SELECT_COLUMNS}));
  Press(20, CellY(3));
  Drag(20, CellY(6));
  Release(20, CellY(6));
  EXPECT_EQ(Current(), (Range{3, 6, 1, 370, SELECT_ROWS}));
  EXPECT_EQ(T().iSelCurrent, 0);
}

TEST_F(SelectTest, ShiftMovesTheEndAndNeverReachesTheHeaders) {
  ClickCell(2, 2);
  ClickCell(4, 5, MK_SHIFT);
  EXPECT_EQ(Current(), (Range{2, 4, 2, 5, SELECT_BLOCK}));
  // After the corner cleared the selection there is no start to keep:
  // Shift+click starts at the cell instead of reaching back to row 0.
  Click(10, 9);
  ClickCell(3, 3, MK_SHIFT);
  EXPECT_EQ(Current(), Cell(3, 3));
}

TEST_F(SelectTest, CtrlAddsRangesAndAPlainClickClearsThem) {
  ClickCell(1, 1);
  ClickCell(3, 2, MK_CONTROL);
  ClickCell(5, 4, MK_CONTROL);
  ASSERT_EQ(T().iSelCurrent, 2);
  EXPECT_EQ(RangeAt(0), Cell(1, 1));
  EXPECT_EQ(RangeAt(1), Cell(3, 2));
  EXPECT_EQ(RangeAt(2), Cell(5, 4));
  ClickCell(2, 2);
  EXPECT_EQ(T().iSelCurrent, 0);
  EXPECT_EQ(RangeAt(0), Cell(2, 2));
  EXPECT_EQ(RangeAt(1), (Range{0, 0, 0, 0, SELECT_BLOCK})) << "the added ranges are gone";
}

TEST_F(SelectTest, AHundredthCtrlClickReusesTheLastRange) {
  ClickCell(1, 1);
  for (int k = 0; k < 105; ++k) ClickCell(1 + k % 20, 1 + k % 7, MK_CONTROL);
  EXPECT_EQ(T().iSelCurrent, SELECTION_RANGES - 1);
  EXPECT_EQ(RangeAt(99), Cell(1 + 104 % 20, 1 + 104 % 7));
  EXPECT_EQ(RangeAt(98), Cell(1 + 97 % 20, 1 + 97 % 7));
}

TEST_F(SelectTest, TheFirstClickIntoAnInactiveTableOnlyActivatesIt) {
  const WindowHandle other = CreateHeadlessTable(OPEN_NEW);
  Activate(other);
  ClickCell(4, 4);  // this table is no longer the active one
  EXPECT_EQ(Current(), Cell(1, 1));
  // It becomes active (as the window system does before the click) and
  // the click that did it selects nothing, nor does its double click.
  SendMessageTo(table_, MSG_MDIACTIVATE, 1);
  EXPECT_EQ(TableActive(), table_);
  EXPECT_TRUE(TimerIsActive(table_, TIMER_TABLE_ACTIVE));
  ClickCell(4, 4);
  Send(MSG_LBUTTONDBLCLK, MK_LBUTTON, CellX(4), CellY(4));
  EXPECT_EQ(Current(), Cell(1, 1));
  EXPECT_EQ(T().bEditShown, 0);
  ClickCell(4, 4);
  EXPECT_EQ(Current(), Cell(4, 4));
  // Activated without a click: once the timer ran, the next click counts.
  SendMessageTo(table_, MSG_MDIACTIVATE, 0);
  SendMessageTo(table_, MSG_MDIACTIVATE, 1);
  EXPECT_EQ(FireTimer(table_, TIMER_TABLE_ACTIVE), 0);
  EXPECT_FALSE(TimerIsActive(table_, TIMER_TABLE_ACTIVE)) << "the timer runs once";
  ClickCell(6, 2);
  EXPECT_EQ(Current(), Cell(6, 2));
  SendCommand(table_, CMD_TABLE_ACTIVE_AGAIN);
  EXPECT_EQ(TimerInterval(table_, TIMER_TABLE_ACTIVE), 100u);
  DestroyWindowOf(other);
}

TEST_F(SelectTest, ArrowKeysMoveTheCursorCellAndStopAtTheEdges) {
  struct Case {
    Range from;
    unsigned key;
    Range to;
  } cases[] = {
      {Cell(3, 3), KEY_DOWN, Cell(4, 3)},        {Cell(3, 3), KEY_RETURN, Cell(4, 3)},
      {Cell(3, 3), KEY_UP, Cell(2, 3)},          {Cell(3, 3), KEY_LEFT, Cell(3, 2)},
      {Cell(3, 3), KEY_BACK, Cell(3, 2)},        {Cell(3, 3), KEY_RIGHT, Cell(3, 4)},
      {Cell(3, 3), KEY_TAB, Cell(3, 4)},         {Cell(3, 3), KEY_HOME, Cell(3, 1)},
      {Cell(1, 1), KEY_UP, Cell(1, 1)},          {Cell(1, 1), KEY_LEFT, Cell(1, 1)},
      {Cell(2000, 5), KEY_DOWN, Cell(2000, 5)},  {Cell(5, 370), KEY_RIGHT, Cell(5, 370)},
      {{2, 6, 3, 5, SELECT_BLOCK}, KEY_DOWN, Cell(3, 3)},  // a block collapses to its start
      {{1, 2000, 4, 4, SELECT_COLUMNS}, KEY_RIGHT, Cell(1, 5)},
  };
  for (const Case& c : cases) {
    T().selRowFrom[0] = c.from.rowFrom;
    T().selRowTo[0] = c.from.rowTo;
    T().selColFrom[0] = c.from.colFrom;
    T().selColTo[0] = c.from.colTo;
    T().selKind[0] = c.from.kind;
    Key(c.key);
    EXPECT_EQ(RangeAt(0), c.to) << c.from << " key " << c.key;
  }
  // Nothing to move from a cleared selection.
  Click(10, 9);
  Key(KEY_DOWN);
  EXPECT_EQ(RangeAt(0), (Range{0, 0, 0, 0, SELECT_BLOCK}));
}

TEST_F(SelectTest, TheViewFollowsTheCursor) {
  // Rows 1..21 end inside the 400-pixel client (row 21 ends at 396).
  ClickCell(21, 1);
  Key(KEY_DOWN);
  EXPECT_EQ(T().iTopRow, 2);
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_VERT).iPos, 2);
  T().selRowFrom[0] = T().selRowTo[0] = 2;
  Key(KEY_UP);
  EXPECT_EQ(T().iTopRow, 1);
  // Columns 1..7 end inside the 600-pixel client.
  T().selColFrom[0] = T().selColTo[0] = 7;
  Key(KEY_RIGHT);
  EXPECT_EQ(T().iLeftCol, 2);
  Key(KEY_HOME);
  EXPECT_EQ(T().iLeftCol, 1);
  EXPECT_EQ(RangeAt(0), Cell(1, 1));
}

TEST_F(SelectTest, EndGoesToTheLastFilledCellOfTheRow) {
  TableStoreCellText(table_, 3, 2, "1");
  TableStoreCellText(table_, 3, 9, "x");
  TableStoreCellText(table_, 5, 6, "2");  // another row: the used extent is wider than row 4
  ClickCell(3, 1);
  Key(KEY_END);
  EXPECT_EQ(RangeAt(0), Cell(3, 9));
  EXPECT_EQ(T().iLeftCol, 9);
  T().selRowFrom[0] = T().selRowTo[0] = 4;
  Key(KEY_END);
  EXPECT_EQ(RangeAt(0), Cell(4, 1)) << "an empty row goes to column 1";
  // Data in the last column: the search starts there, not one past the table.
  TableStoreCellText(table_, 6, 370, "7");
  ASSERT_EQ(T().iUsedCols, 371);
  T().selRowFrom[0] = T().selRowTo[0] = 7;
  Key(KEY_END);
  EXPECT_EQ(RangeAt(0), Cell(7, 1));
  T().selRowFrom[0] = T().selRowTo[0] = 6;
  Key(KEY_END);
  EXPECT_EQ(RangeAt(0), Cell(6, 370));
}

TEST_F(SelectTest, SelectAllTakesTheUsedAreaAndBackToHomeScrolls) {
  SendCommand(table_, CMD_SELECT_ALL);
  EXPECT_EQ(RangeAt(0), Cell(1, 1)) << "an empty table selects its first cell";
  TableStoreCellText(table_, 7, 4, "1");
  ClickCell(2, 2, MK_CONTROL);
  SendCommand(table_, CMD_BUTTON_SELECT_ALL);
  EXPECT_EQ(T().iSelCurrent, 0);
  EXPECT_EQ(RangeAt(0), (Range{1, 7, 1, 4, SELECT_BLOCK}));

  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 500));
  SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 40));
  SendCommand(table_, CMD_BACK_TO_HOME);
  EXPECT_EQ(T().iTopRow, 1);
  EXPECT_EQ(T().iLeftCol, 1);
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_VERT).iPos, 1);
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_POSITION, 9));
  SendCommand(table_, CMD_BUTTON_HOME);
  EXPECT_EQ(T().iTopRow, 1);
  GoToCell(table_, 99999, -5);
  EXPECT_EQ(T().iTopRow, 2000) << "kept inside the table";
  EXPECT_EQ(T().iLeftCol, 1);
}

TEST_F(SelectTest, DraggingPastTheEdgeScrollsOnATimer) {
  Press(CellX(2), CellY(2));
  Drag(CellX(2), 450);  // below the client
  EXPECT_EQ(T().iAutoScrollDir, 5);
  EXPECT_EQ(T().iTopRow, 2);
  EXPECT_EQ(Current().rowTo, 3) << "the far end moves one row per step";
  EXPECT_TRUE(TimerIsActive(table_, TIMER_AUTO_SCROLL));
  EXPECT_EQ(TimerInterval(table_, TIMER_AUTO_SCROLL), 10u);
  FireTimer(table_, TIMER_AUTO_SCROLL);
  FireTimer(table_, TIMER_AUTO_SCROLL);
  EXPECT_EQ(T().iTopRow, 4);
  EXPECT_EQ(Current().rowTo, 5);
  Drag(650, 450);  // the corner: down and right
  EXPECT_EQ(T().iAutoScrollDir, 4);
  Drag(CellX(3), CellY(3));  // back inside: the timer stops
  EXPECT_FALSE(TimerIsActive(table_, TIMER_AUTO_SCROLL));
  EXPECT_EQ(T().iAutoScrollDir, 0);
  Release(CellX(3), CellY(3));

  // Dragging column labels out to the right scrolls sideways, although the
  // pointer is above the cells as well.
  Press(CellX(2), 9);
  Drag(650, 9);
  EXPECT_EQ(T().iAutoScrollDir, 3);
  Release(650, 9);
  EXPECT_FALSE(TimerIsActive(table_, TIMER_AUTO_SCROLL));
  // Row labels only move up and down.
  Press(20, CellY(5));
  Drag(20, 10);
  EXPECT_EQ(T().iAutoScrollDir, 1);
  Release(20, 10);
}

// A command handler that records what reached the table.
std::vector<unsigned>& Routed() {
  static std::vector<unsigned> routed;
  return routed;
}
int RecordCommand(WindowHandle, unsigned id, std::intptr_t) {
  Routed().push_back(id);
  return 0;
}

TEST_F(SelectTest, KeysRouteCommandsZoomAndFind) {
  Routed().clear();
  const unsigned ids[] = {CMD_COPY, CMD_PASTE, CMD_CUT, CMD_INSERT, CMD_DELETE};
  for (unsigned id : ids) TableRegisterCommand(id, RecordCommand);
  static int finds = 0;
  finds = 0;
  TableHooks().pfnFindNext = [](WindowHandle) { ++finds; };
  const struct {
    unsigned key;
    unsigned keys;
  } presses[] = {{'C', MK_CONTROL}, {99, MK_CONTROL}, {'V', MK_CONTROL}, {118, MK_CONTROL}, {'X', MK_CONTROL},
                 {120, MK_CONTROL}, {KEY_INSERT, 0},  {KEY_DELETE, 0},   {'C', 0},          {KEY_SPACE, 0}};
  for (const auto& p : presses) Key(p.key, p.keys);
  EXPECT_EQ(Routed(), (std::vector<unsigned>{CMD_COPY, CMD_COPY, CMD_PASTE, CMD_PASTE, CMD_CUT, CMD_CUT, CMD_INSERT,
                                             CMD_DELETE}));
  Key(KEY_F1 + 2);
  EXPECT_EQ(finds, 1);
  Key(KEY_F1);
  EXPECT_EQ(T().colWidth[1], 78) << "F1 shrinks: the average of 40 and 370 x 80, less one";
  Key(KEY_F1 + 1);
  EXPECT_EQ(T().colWidth[1], 79);
  for (unsigned id : ids) TableRegisterCommand(id, nullptr);
  TableHooks() = TableInputHooks{};
}

TEST_F(SelectTest, PageKeysScrollAPage) {
  Key(KEY_NEXT);
  EXPECT_EQ(T().iTopRow, 21) << "the last fully shown row goes to the top";
  Key(KEY_PRIOR);
  EXPECT_EQ(T().iTopRow, 1);
}

}  // namespace
