#include "table/table_header_resize.h"

#include <gtest/gtest.h>

#include "platform/cursor.h"
#include "platform/edit_control.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/table_select.h"
#include "table/table_window_ops.h"

namespace {

class HeaderResizeTest : public TableInputTest {
 protected:
  // Drag in the row labels from one y to another (x 20), or in the column
  // labels from one x to another (y 9).
  void DragRowBorder(int from, int to) const {
    Press(20, from);
    Drag(20, to);
    Release(20, to);
  }
  void DragColBorder(int from, int to) const {
    Press(from, 9);
    Drag(to, 9);
    Release(to, 9);
  }
};

TEST_F(HeaderResizeTest, DraggingARowBorderGivesTheRowTheDraggedHeight) {
  // Row 3 spans 54..72; its border is hit from 70 to 73.
  Press(20, 71);
  EXPECT_EQ(T().iRowResize, 3);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_ROW_BORDER);
  Drag(20, 100);
  EXPECT_EQ(T().rowHeight[3], 18) << "only the pointer changes while dragging";
  Release(20, 100);
  EXPECT_EQ(T().rowHeight[3], 46);
  EXPECT_EQ(T().iRowResize, -1);
  EXPECT_EQ(T().selRowFrom[0], 1) << "the press selected nothing";
  // Above the row's top the height becomes 0; the header row's own border
  // sets its height from the top of the client.
  DragRowBorder(100, 40);
  EXPECT_EQ(T().rowHeight[3], 0);
  DragRowBorder(19, 30);
  EXPECT_EQ(T().rowHeight[0], 30);
}

TEST_F(HeaderResizeTest, DraggingTheBorderOverAHiddenRowBringsItBack) {
  T().rowHeight[4] = 0;
  T().rowHeight[5] = 0;
  // Rows 4 and 5 start at row 3's bottom (72): that border is the last
  // hidden row's, so dragging it shows row 5 again.
  DragRowBorder(72, 72 + 25);
  EXPECT_EQ(T().rowHeight[5], 25);
  EXPECT_EQ(T().rowHeight[4], 0);
  EXPECT_EQ(T().rowHeight[3], 18);
}

TEST_F(HeaderResizeTest, ColumnBordersWorkTheSameWay) {
  // Column 2 spans 120..200.
  Press(199, 9);
  EXPECT_EQ(T().iColResize, 2);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_COL_BORDER);
  Release(150, 9);
  EXPECT_EQ(T().colWidth[2], 30);
  T().colWidth[3] = 0;
  DragColBorder(150, 150 + 44);
  EXPECT_EQ(T().colWidth[3], 44) << "the hidden column behind the border comes back";
  DragColBorder(41, 60);
  EXPECT_EQ(T().colWidth[0], 60) << "the row-label column";
  DragColBorder(60 + 80 + 30 + 44, 10);
  EXPECT_EQ(T().colWidth[3], 0);
}

TEST_F(HeaderResizeTest, AResizeCommitsTheEditor) {
  DoubleClickCell(2, 2);
  Type("4");
  DragRowBorder(71, 80);
  EXPECT_EQ(TableCellDisplayText(table_, 2, 2), "4");
  EXPECT_EQ(T().bEditShown, 0);
  EXPECT_EQ(T().rowHeight[3], 26);
}

TEST_F(HeaderResizeTest, ThePointerShowsWhatAPressWouldDo) {
  const struct {
    int x, y, slot;
  } cases[] = {
      {20, 71, CURSOR_ROW_BORDER}, {199, 9, CURSOR_COL_BORDER}, {20, 63, CURSOR_ARROW},
      {150, 9, CURSOR_ARROW},      {150, 60, CURSOR_ARROW},
  };
  for (const auto& c : cases) {
    Send(MSG_MOUSEMOVE, 0, c.x, c.y);
    EXPECT_EQ(CurrentCursorSlot(), c.slot) << c.x << "," << c.y;
  }
  Press(CellX(2), CellY(2));
  Drag(CellX(3), CellY(4));
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_SELECT);
  Release(CellX(3), CellY(4));
  Send(MSG_MOUSEMOVE, 0, CellX(3), CellY(4));
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_ARROW);
}

}  // namespace
