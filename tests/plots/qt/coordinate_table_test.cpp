// Coordinate declarations seen in a table window of the running program:
// the letters and markers the table paints for declared cells, and the
// coordinate cursor while a declaration waits for its data cells.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>

#include <string>

#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "platform/qt/qt_backend.h"
#include "plots/coordinate_commands.h"
#include "plots/plot_coordinates.h"
#include "resources/command_ids.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_geometry.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

class CoordinateTableTest : public QtTableTest {
 protected:
  void SetUp() override {
    QtTableTest::SetUp();
    for (int r = 1; r <= 6; ++r) {
      for (int c = 1; c <= 4; ++c) TableStoreCellText(table_, r, c, std::to_string(r * 10 + c));
    }
  }
  void Select(int r0, int c0, int r1, int c1) {
    TableLockGuard t(table_);
    ResetSelection(*t.get());
    t->selRowFrom[0] = r0, t->selRowTo[0] = r1;
    t->selColFrom[0] = c0, t->selColTo[0] = c1;
    t->selKind[0] = SELECT_BLOCK;
  }
  // Declare the run (r0, c0)-(r1, c1) through the table command of `id`,
  // the help answered with OK.
  void DeclareRun(unsigned id, int r0, int c0, int r1, int c1) {
    Select(r0, c0, r1, c1);
    ScriptedAnswer ok;
    ok.kind = DIALOG_CUSTOM;
    ok.szMatch = COORDINATE_HELP_DIALOG_NAME;
    DialogScriptPush(ok);
    SendCommand(table_, id);
  }
  void Declare(unsigned id, int r0, int c0, int r1, int c1, int d0, int dc0, int d1, int dc1) {
    DeclareRun(id, r0, c0, r1, c1);
    Select(d0, dc0, d1, dc1);
    SendCommand(table_, CMD_COORDINATE_DATA);
  }
  CellRect RectOf(int row, int col) {
    CellRect r{};
    EXPECT_TRUE(TableCellRectOf(RecordOf(table_), row, col, &r)) << row << "," << col;
    return r;
  }
  // Pixels inside [x0, x1) x [y0, y1) that `test` accepts.
  template <typename Test>
  static int Count(const QImage& image, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) n += test(QColor(image.pixel(x, y))) ? 1 : 0;
    }
    return n;
  }
  void MoveOver(int row, int col) {
    const QPoint at = CellMiddle(table_, row, col);
    QWidget* widget = WidgetOf(table_);
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
};

TEST_F(CoordinateTableTest, DeclaredCellsShowTheirLetterAndTheDataTheirMarkers) {
  // X down column 1 and Y along row 6 serve the same block (2..5, 2..3).
  Declare(CMD_DECLARE_X, 1, 1, 5, 1, 2, 2, 5, 3);
  Declare(CMD_DECLARE_Y, 6, 2, 6, 4, 2, 2, 5, 3);
  ASSERT_EQ(RecordOf(table_).coordinateDecl[1][0], COORD_Y);
  Select(8, 8, 8, 8);
  const QImage image = QtProgramTest::Render(table_);

  // The letters: dark green "x" in the X cells, blue "y" in the Y cells.
  const auto greenInk = [](const QColor& c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };
  const auto blueInk = [](const QColor& c) { return c.blue() > c.red() + 60 && c.blue() > c.green() + 60; };
  const CellRect xCell = RectOf(3, 1);
  EXPECT_GT(Count(image, xCell.left + 1, xCell.top, xCell.left + 10, xCell.top + 9, greenInk), 3);
  const CellRect yCell = RectOf(6, 4);
  EXPECT_GT(Count(image, yCell.left + 1, yCell.top, yCell.left + 10, yCell.top + 9, blueInk), 3);
  EXPECT_EQ(Count(image, yCell.left + 1, yCell.top, yCell.left + 10, yCell.top + 9, greenInk), 0);

  // A data cell of both: the X marker, then the Y marker beside it, each
  // a filled box in its outline.
  const CellRect data = RectOf(4, 2);
  const int bottom = data.bottom - 1;
  EXPECT_EQ(QColor(image.pixel(data.left + 4, bottom - 4)), QColor(0, 220, 0));
  EXPECT_EQ(QColor(image.pixel(data.left + 2, bottom - 4)), QColor(0, 98, 0));
  EXPECT_EQ(QColor(image.pixel(data.left + 11, bottom - 4)), QColor(128, 128, 255));
  EXPECT_EQ(QColor(image.pixel(data.left + 9, bottom - 4)), QColor(0, 0, 140));

  // Cells outside every declaration keep their bottom-left corner blank:
  // beside the data area, and the coordinate cells themselves.
  for (const auto& [row, col] : {std::pair{4, 4}, std::pair{3, 1}, std::pair{1, 2}}) {
    const CellRect r = RectOf(row, col);
    EXPECT_EQ(Count(image, r.left + 1, r.bottom - 9, r.left + 20, r.bottom - 1,
                    [](const QColor& c) { return c != QColor(255, 255, 255); }),
              0)
        << row << "," << col;
  }

  // Removing the declarations takes the marks away.
  Select(2, 2, 5, 3);
  SendCommand(table_, CMD_REMOVE_COORDINATE);
  ASSERT_EQ(TableHasCoordinates(RecordOf(table_)), 0);
  Select(8, 8, 8, 8);
  const QImage after = QtProgramTest::Render(table_);
  EXPECT_EQ(QColor(after.pixel(data.left + 4, bottom - 4)), QColor(255, 255, 255));
  EXPECT_EQ(Count(after, xCell.left + 1, xCell.top, xCell.left + 10, xCell.top + 9, greenInk), 0);
}

TEST_F(CoordinateTableTest, APendingDeclarationShowsTheCoordinateCursorWhilePicking) {
  DeclareRun(CMD_DECLARE_Z, 1, 1, 5, 1);
  ASSERT_EQ(CoordinatePendingKind(RecordOf(table_)), COORD_Z);
  // A dragged block of data cells: the coordinate cursor, a drawn one.
  DragSelect(WidgetOf(table_), CellMiddle(table_, 2, 2), CellMiddle(table_, 4, 3));
  MoveOver(3, 3);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_COORDINATE);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
  // One clicked cell is no pick: the table's own cursor.
  DragSelect(WidgetOf(table_), CellMiddle(table_, 2, 4), CellMiddle(table_, 2, 4));
  MoveOver(3, 3);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_ARROW);
  // Picking again, then "Cancel": the arrow returns with the next move.
  DragSelect(WidgetOf(table_), CellMiddle(table_, 2, 2), CellMiddle(table_, 3, 2));
  MoveOver(2, 2);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_COORDINATE);
  SendCommand(table_, CMD_COORDINATE_CANCEL);
  MoveOver(2, 2);
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_ARROW);
}

}  // namespace
