#include "table/table_geometry.h"

#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_scroll.h"
#include "table/table_window_ops.h"

namespace {

// A new table seen through a client area of 400 x 200 pixels: the header
// row is 18 high, so rows 1..10 fill 18..198 and row 11 is cut.
class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(t.ok());
    t->iClientWidth = 400;
    t->iClientHeight = 200;
  }
  FreshTable t;
};

TEST_F(GeometryTest, CellUnderAPointWithBoundariesToTheEarlierLine) {
  struct {
    int x, y;
    bool found;
    int row, col;
  } cases[] = {
      {41, 19, true, 1, 1},    {120, 36, true, 1, 1},  // (120,36) is the shared corner of (1,1)
      {121, 37, true, 2, 2},   {399, 199, true, 11, 5},
      {39, 50, false, 0, 0},   {50, 18, false, 0, 0},  // on the headers
      {-1, 50, false, 0, 0},   {400, 50, false, 0, 0},  // outside the client
  };
  for (const auto& c : cases) {
    int row = 0;
    int col = 0;
    EXPECT_EQ(TableCellAtPoint(*t, c.x, c.y, &row, &col), c.found) << c.x << "," << c.y;
    if (c.found) {
      EXPECT_EQ(row, c.row) << c.x << "," << c.y;
      EXPECT_EQ(col, c.col) << c.x << "," << c.y;
    }
  }
}

TEST_F(GeometryTest, HiddenLinesTakeNoSpaceAndLockedRowsKeepTheirSlot) {
  t->rowHeight[2] = 0;
  t->colWidth[1] = 0;
  CellRect r{};
  ASSERT_TRUE(TableCellRectOf(*t, 3, 2, &r));
  EXPECT_EQ(r.top, 36);   // row 2 takes no space
  EXPECT_EQ(r.left, 40);  // column 1 takes no space
  // Row 7 locked at slot 0: it stays on top whatever the origin.
  t->lockRowUsed[0] = 1;
  t->lockRowIndex[0] = 7;
  t->lockRowSlot[0] = 0;
  for (int top : {1, 50, 2000}) {
    t->iTopRow = top;
    ASSERT_TRUE(TableCellRectOf(*t, 7, 3, &r)) << top;
    EXPECT_EQ(r.top, 18) << top;
  }
}

TEST_F(GeometryTest, BorderHitsFindTheRowAboveOrTheLastHiddenRow) {
  EXPECT_EQ(RowBorderAt(*t, 18), 0);   // under the header row
  EXPECT_EQ(RowBorderAt(*t, 36), 1);
  EXPECT_EQ(RowBorderAt(*t, 34), 1);   // 2 pixels above
  EXPECT_EQ(RowBorderAt(*t, 37), 1);   // 1 pixel below
  EXPECT_EQ(RowBorderAt(*t, 38), -1);
  EXPECT_EQ(RowBorderAt(*t, 27), -1);
  // Rows 3 and 4 hidden: the border under row 2 brings back row 4.
  t->rowHeight[3] = 0;
  t->rowHeight[4] = 0;
  EXPECT_EQ(RowBorderAt(*t, 54), 4);
  EXPECT_EQ(ColBorderAt(*t, 120), 1);
  EXPECT_EQ(ColBorderAt(*t, 40), 0);
}

TEST_F(GeometryTest, PagingWalksTheRowsOnScreen) {
  // Ten rows fit fully; page down puts the last fully shown one on top.
  ASSERT_EQ(RecordPageDownRow(*t), 1);
  EXPECT_EQ(t->iTopRow, 10);
  ASSERT_EQ(RecordPageUpRow(*t), 1);
  EXPECT_EQ(t->iTopRow, 1);
  EXPECT_EQ(RecordPageUpRow(*t), 0);
  // On the last page the top row becomes the last row.
  t->iTopRow = 1995;
  ASSERT_EQ(RecordPageDownRow(*t), 1);
  EXPECT_EQ(t->iTopRow, 2000);
  EXPECT_EQ(RecordPageDownRow(*t), 0);
  // A row taller than the client still moves one row on.
  t->iTopRow = 5;
  t->rowHeight[5] = 1000;
  ASSERT_EQ(RecordPageDownRow(*t), 1);
  EXPECT_EQ(t->iTopRow, 6);
}

TEST_F(GeometryTest, ZoomShrinksIntoImageViewAndBack) {
  // Shrinking from 80 pixels: 62 steps reach 18, the 63rd gives squares.
  int steps = 0;
  while (!t->bImageView && steps < 100) {
    RecordZoom(*t, -1);
    ++steps;
  }
  ASSERT_EQ(t->bImageView, 1);
  const int side = t->colWidth[1];
  EXPECT_LE(side, 17);
  EXPECT_EQ(t->rowHeight[1], side);
  EXPECT_EQ(t->iDefaultColWidth, side);
  while (t->bImageView && steps-- > 0) RecordZoom(*t, +1);
  EXPECT_EQ(t->bImageView, 0);
  EXPECT_EQ(t->rowHeight[1], 18);
  // Never below one pixel.
  for (int i = 0; i < 200; ++i) RecordZoom(*t, -1);
  EXPECT_GE(t->colWidth[1], 1);
}

TEST_F(GeometryTest, ExtremeSizesWalkWithoutLeavingTheTable) {
  for (auto [rows, cols] : {std::pair{16385, 51}, {51, 16385}}) {
    ASSERT_EQ(SetImportTableSize(*t, rows, cols), 0);
    RelabelHeaders(*t);
    t->iTopRow = rows - 1;
    t->iLeftCol = cols - 1;
    static ScreenLines lines;
    TableScreenRows(*t, 5000, &lines);
    ASSERT_EQ(lines.iCount, 1);
    EXPECT_EQ(lines.lines[0].iIndex, rows - 1);
    // Every row hidden: the walk still ends with the table.
    for (int r = 1; r < rows; ++r) t->rowHeight[r] = 0;
    t->iTopRow = 1;
    TableScreenRows(*t, 5000, &lines);
    EXPECT_EQ(lines.iCount, rows - 1);
    for (int r = 1; r < rows; ++r) t->rowHeight[r] = 18;
  }
}

// The scroll operations of a headless table window and its scroll bars.
class ScrollTest : public HeadlessTableTest {
 protected:
  void SetUp() override {
    HeadlessTableTest::SetUp();
    SendMessageTo(table_, MSG_SIZE, 400, 200);
  }
  int Top() {
    TableLockGuard t(table_);
    return t->iTopRow;
  }
};

TEST_F(ScrollTest, ScrollBarRequestsMoveTheOriginAndTheBar) {
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_VERT).iMax, 2001);
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_HORZ).iMax, 371);
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_DOWN, 0));
  EXPECT_EQ(Top(), 2);
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_VERT).iPos, 2);
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, 5000));
  EXPECT_EQ(Top(), 2000);
  EXPECT_EQ(ScrollBarOf(table_, SCROLLBAR_VERT).iPos, 5000);  // the bar shows what was asked
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_DOWN, 0));
  EXPECT_EQ(Top(), 2000);
  EXPECT_EQ(ScrollRowUp(table_), 1);
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, 0));
  EXPECT_EQ(Top(), 1);
  EXPECT_EQ(ScrollRowUp(table_), 0);
  SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_PAGE_DOWN, 0));
  TableLockGuard t(table_);
  EXPECT_EQ(t->iLeftCol, 4);  // columns 1..4 fit; the last fully shown goes left
  EXPECT_EQ(t->iLastScrollBar, SCROLLBAR_HORZ);
}

TEST_F(ScrollTest, WheelScrollsAndCtrlWheelZooms) {
  SetModifierState(0);
  SendMessageTo(table_, MSG_MOUSEWHEEL, static_cast<std::uintptr_t>(static_cast<std::uint16_t>(-120)) << 16, 0);
  EXPECT_EQ(Top(), 2);
  SetModifierState(MK_CONTROL);
  SendMessageTo(table_, MSG_MOUSEWHEEL, static_cast<std::uintptr_t>(120) << 16, 0);
  SetModifierState(0);
  TableLockGuard t(table_);
  EXPECT_EQ(t->colWidth[2], 78);  // the average of 40 and 370 x 80 is 79, less one
  EXPECT_EQ(t->iTopRow, 2);
}

int SevenPixelsEach(const char*, int length) { return 7 * length; }

TEST_F(ScrollTest, AutoFitTakesTheLongestStoredTextOfTheColumn) {
  TableStoreCellText(table_, 2, 2, "1.5");
  TableStoreCellText(table_, 5, 2, "1234567890123");
  TableStoreCellText(table_, 3, 3, "a long text in another column");
  AutoFitColumn(table_, 200, 10, SevenPixelsEach);  // the border right of column 2
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->colWidth[2], 7 * 13 + 10);
    EXPECT_EQ(t->colWidth[3], 80);
  }
  // Not on a border, or below the header: nothing changes.
  AutoFitColumn(table_, 150, 10, SevenPixelsEach);
  AutoFitColumn(table_, 200, 50, SevenPixelsEach);
  TableLockGuard t(table_);
  EXPECT_EQ(t->colWidth[1], 80);
  EXPECT_EQ(t->colWidth[2], 101);
}

TEST_F(ScrollTest, LinkedTablesFollowEachOther) {
  const WindowHandle other = CreateHeadlessTable(OPEN_NEW);
  ASSERT_FALSE(IsNone(other));
  SendMessageTo(other, MSG_SIZE, 400, 200);
  {
    TableLockGuard t(table_);
    t->hTrendWindow = other;
  }
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, 300));
  PumpPostedMessages();
  {
    TableLockGuard o(other);
    EXPECT_EQ(o->iTopRow, 300);
    EXPECT_EQ(ScrollBarOf(other, SCROLLBAR_VERT).iPos, 300);
  }
  DestroyWindowOf(other);
}

}  // namespace
