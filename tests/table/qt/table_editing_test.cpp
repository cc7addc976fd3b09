// Selection and in-place editing of a table window driven with real mouse
// and keyboard events on the real widgets.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_geometry.h"
#include "table/table_input.h"
#include "platform/timers.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class TableEditingTest : public QtTableTest {
 protected:
  static WindowHandle NewTable() { return NewTableWindow(); }
  static TableRecord& T(WindowHandle table) { return RecordOf(table); }
  TableRecord& T() const { return T(table_); }
  QWidget* View(WindowHandle table) const { return WidgetOf(table); }
  QWidget* View() const { return View(table_); }
  QPlainTextEdit* Editor() const { return qobject_cast<QPlainTextEdit*>(WidgetOf(T().hCellEdit)); }
  CellRect RectOf(int row, int col) const {
    CellRect r{};
    EXPECT_TRUE(TableCellRectOf(T(), row, col, &r)) << row << "," << col;
    return r;
  }
  QPoint Middle(int row, int col) const { return CellMiddle(table_, row, col); }
  static void DoubleClick(QWidget* widget, QPoint at) { DoubleClickAt(widget, at); }
  std::string Shown(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  // The editor is shown over the cell, one pixel inside it.
  void ExpectEditorOn(int row, int col) const {
    QPlainTextEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    const CellRect r = RectOf(row, col);
    EXPECT_EQ(editor->geometry(), QRect(r.left + 1, r.top + 1, r.right - r.left - 2, 16));
    EXPECT_EQ(T().iEditRow, row);
    EXPECT_EQ(T().iEditCol, col);
  }

};

TEST_F(TableEditingTest, DoubleClickTypeTwelveAndTab) {
  DoubleClick(View(), Middle(2, 2));
  ExpectEditorOn(2, 2);
  EXPECT_EQ(QApplication::focusWidget(), Editor());
  QTest::keyClicks(Editor(), "12");
  QTest::keyClick(Editor(), Qt::Key_Tab);
  EXPECT_EQ(Shown(2, 2), "12");
  ExpectEditorOn(2, 3);
  EXPECT_EQ(Editor()->toPlainText(), "");
  EXPECT_EQ(QApplication::focusWidget(), Editor());
  EXPECT_EQ(T().bModified, 1);
  // Keys typed into the editor stay there: F1 does not zoom the table.
  QTest::keyClicks(Editor(), "x");
  QTest::keyClick(Editor(), Qt::Key_F1);
  EXPECT_EQ(Editor()->toPlainText(), "x");
  EXPECT_EQ(T().colWidth[1], 80);
  // Escape leaves the cell as it was.
  QTest::keyClick(Editor(), Qt::Key_Escape);
  EXPECT_FALSE(Editor()->isVisible());
  EXPECT_EQ(Shown(2, 3), "");
  EXPECT_EQ(QApplication::focusWidget(), View());
}

// A typed change is undone by Ctrl+Z: the cell gets its old text back.
TEST_F(TableEditingTest, UndoTakesBackATypedCell) {
  TableSetCellText(table_, 2, 2, "old");
  DoubleClick(View(), Middle(2, 2));
  QTest::keyClicks(Editor(), "new");
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(Shown(2, 2), "new");
  ASSERT_EQ(T().bUndoFileExists, 1);
  QTest::keyClick(WidgetOf(frame())->window(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Shown(2, 2), "old");
  EXPECT_EQ(T().bUndoFileExists, 0);
  // Enter on an unchanged cell writes no back-up.
  DoubleClick(View(), Middle(2, 2));
  EXPECT_EQ(Editor()->toPlainText().toStdString(), "old");
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(Shown(2, 2), "old");
  EXPECT_EQ(T().bUndoFileExists, 0);
}

TEST_F(TableEditingTest, PastingATabMovesOnLikeTypingOne) {
  TableStoreCellText(table_, 2, 3, "next");
  DoubleClick(View(), Middle(2, 2));
  QApplication::clipboard()->setText(QStringLiteral("7\t"));
  QTest::keyClick(Editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Shown(2, 2), "7");
  ExpectEditorOn(2, 3);
  // The widget shows the new cell's text once its own change is over.
  ProcessEvents();
  EXPECT_EQ(Editor()->toPlainText(), "next");
  EXPECT_EQ(Editor()->textCursor().selectedText(), "next");
}

int copies = 0;
int CountCopy(WindowHandle, unsigned, std::intptr_t) {
  ++copies;
  return 0;
}

TEST_F(TableEditingTest, KeysInTheTableMoveTheCursorAndRouteCommands) {
  QTest::mouseClick(View(), Qt::LeftButton, {}, Middle(2, 2));
  QTest::keyClick(View(), Qt::Key_Tab);
  QTest::keyClick(View(), Qt::Key_Down);
  EXPECT_EQ(T().selRowFrom[0], 3);
  EXPECT_EQ(T().selColFrom[0], 3);
  EXPECT_EQ(QApplication::focusWidget(), View()) << "Tab moved the cursor, not the focus";
  copies = 0;
  TableRegisterCommand(CMD_COPY, CountCopy);
  QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(View(), Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier);
  QTest::keyClick(View(), Qt::Key_3, Qt::ControlModifier);
  TableRegisterCommand(CMD_COPY, nullptr);
  EXPECT_EQ(copies, 2) << "Ctrl+C and Ctrl with keypad 3; not Ctrl+3";
}

TEST_F(TableEditingTest, EnterAfterARunReturnsToItsFirstColumn) {
  TableStoreCellText(table_, 5, 2, "filled");  // the next row is filled where the run starts
  DoubleClick(View(), Middle(4, 2));
  for (const char* value : {"1", "2", "3"}) {
    QTest::keyClicks(Editor(), value);
    QTest::keyClick(Editor(), value[0] == '3' ? Qt::Key_Return : Qt::Key_Tab);
  }
  EXPECT_EQ(Shown(4, 2), "1");
  EXPECT_EQ(Shown(4, 3), "2");
  EXPECT_EQ(Shown(4, 4), "3");
  ExpectEditorOn(5, 3);  // column 2 of row 5 is taken: the first empty cell after it
  QTest::keyClicks(Editor(), "4");
  QTest::keyClick(Editor(), Qt::Key_Enter);
  EXPECT_EQ(Shown(5, 3), "4");
  ExpectEditorOn(6, 2);
}

TEST_F(TableEditingTest, CtrlClickingThreeCellsGivesThreeRangesAndAPlainClickClearsThem) {
  QTest::mouseClick(View(), Qt::LeftButton, {}, Middle(2, 2));
  QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, Middle(4, 3));
  QTest::mouseClick(View(), Qt::LeftButton, Qt::ControlModifier, Middle(6, 5));
  ASSERT_EQ(T().iSelCurrent, 2);
  const int cells[3][2] = {{2, 2}, {4, 3}, {6, 5}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(T().selRowFrom[i], cells[i][0]);
    EXPECT_EQ(T().selColFrom[i], cells[i][1]);
    EXPECT_EQ(T().selKind[i], SELECT_BLOCK);
  }
  // All three are painted as selected.
  QImage image = Render(table_);
  for (const auto& cell : cells) {
    const CellRect r = RectOf(cell[0], cell[1]);
    EXPECT_EQ(image.pixel(r.left + 5, r.top + 5), qRgb(220, 220, 220)) << cell[0] << "," << cell[1];
  }
  QTest::mouseClick(View(), Qt::LeftButton, {}, Middle(3, 4));
  EXPECT_EQ(T().iSelCurrent, 0);
  EXPECT_EQ(T().selRowFrom[0], 3);
  EXPECT_EQ(T().selColFrom[0], 4);
  image = Render(table_);
  const CellRect gone = RectOf(4, 3);
  EXPECT_EQ(image.pixel(gone.left + 5, gone.top + 5), qRgb(255, 255, 255));
}

TEST_F(TableEditingTest, TheFirstClickIntoAnInactiveTableOnlyActivatesIt) {
  const WindowHandle second = NewTable();
  ASSERT_EQ(TableActive(), second);
  QTest::mouseClick(View(table_), Qt::LeftButton, {}, Middle(5, 3));
  EXPECT_EQ(TableActive(), table_);
  EXPECT_EQ(MdiActiveChild(Program().hMdiClient), table_);
  EXPECT_EQ(T().selRowFrom[0], 1) << "the activating click selects nothing";
  EXPECT_EQ(T().selColFrom[0], 1);
  SettleActivation(table_);
  QTest::mouseClick(View(table_), Qt::LeftButton, {}, Middle(5, 3));
  EXPECT_EQ(T().selRowFrom[0], 5);
  EXPECT_EQ(T().selColFrom[0], 3);
}

TEST_F(TableEditingTest, DraggingARowHeaderBorderResizesTheRow) {
  const CellRect r = RectOf(3, 1);
  const int label = r.left / 2;  // inside the row labels
  QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(label, r.bottom - 1));
  QTest::mouseMove(View(), QPoint(label, r.bottom + 20));
  QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(label, r.bottom + 20));
  EXPECT_EQ(T().rowHeight[3], 18 + 20) << "from the row's top to the pointer";
  EXPECT_EQ(RectOf(4, 1).top, r.bottom + 20);
}

// A double click on a column header's right border fits the column to its
// widest shown text, long texts (kept in the long-text pool) included.
TEST_F(TableEditingTest, DoubleClickingAColumnBorderFitsTheColumn) {
  const std::string header = "Precipitation in millimetres per day";
  TableSetCellText(table_, 1, 2, header);
  TableSetCellText(table_, 2, 2, "2012-01-01");
  TableSetCellText(table_, 3, 2, "0.123456789012345");
  SettleActivation(table_);
  // Too wide for the column, each is a grey bar; fitted, each shows.
  const auto bars = [this] {
    const QImage image = Render(table_);
    int n = 0;
    for (int row = 1; row <= 3; ++row) {
      const CellRect cell = RectOf(row, 2);
      n += image.pixel(cell.left + 3, (cell.top + cell.bottom) / 2) == qRgb(225, 226, 227);
    }
    return n;
  };
  EXPECT_EQ(bars(), 3);
  const CellRect r = RectOf(1, 2);
  const int headerMiddle = T().rowHeight[0] / 2;
  DoubleClick(View(), QPoint(r.right, headerMiddle));
  const int wanted = TableTextWidth()(header.data(), static_cast<int>(header.size())) + 10;
  EXPECT_EQ(T().colWidth[2], wanted);
  EXPECT_GT(wanted, 80 + 50);
  EXPECT_EQ(bars(), 0);
  EXPECT_EQ(T().colWidth[3], 80) << "the next column keeps its width";
  // An empty column keeps its width too.
  const CellRect empty = RectOf(1, 4);
  DoubleClick(View(), QPoint(empty.right, headerMiddle));
  EXPECT_EQ(T().colWidth[4], 80);
}

}  // namespace
