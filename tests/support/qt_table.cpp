#include "support/qt_table.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "table/table_geometry.h"
#include "table/table_window.h"

WindowHandle NewTableWindow() {
  EXPECT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW), 0);
  const WindowHandle table = MdiActiveChild(Program().hMdiClient);
  SizeTableWindow(table);
  SettleActivation(table);
  return table;
}

void SizeTableWindow(WindowHandle table) {
  OuterWidgetOf(table)->parentWidget()->resize(700, 500);
  OuterWidgetOf(table)->resize(600, 400);
  QCoreApplication::processEvents();
}

void SettleActivation(WindowHandle table) {
  QTRY_VERIFY_WITH_TIMEOUT(!TimerIsActive(table, TIMER_TABLE_ACTIVE), 2000);
  // What the activation posted (the formula bar's refresh) arrives.
  QCoreApplication::processEvents();
}

TableRecord& RecordOf(WindowHandle table) { return *static_cast<TableRecord*>(WindowUserData(table)); }

QPoint CellMiddle(WindowHandle table, int row, int col) {
  CellRect r{};
  EXPECT_TRUE(TableCellRectOf(RecordOf(table), row, col, &r)) << row << "," << col;
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void DoubleClickAt(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void DragSelect(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, {}, from);
  QTest::mouseMove(widget, to);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

void QtTableTest::SetUp() {
  QtProgramTest::SetUp();
  QWidget* top = WidgetOf(frame())->window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  table_ = NewTableWindow();
}
