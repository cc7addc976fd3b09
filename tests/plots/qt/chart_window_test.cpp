// A chart opened from a table of the running program and driven with real
// mouse events: the crosshair, notes, right-drag tracking, the wheel and
// the links with the table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWheelEvent>

#include "platform/popup_menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "plots/chart_window.h"
#include "plots/qt/chart_view.h"
#include "resources/command_ids.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_range.h"
#include "table/table_scroll.h"
#include "table/table_window_ops.h"

namespace {

class ChartWindowTest : public QtTableTest {
 protected:
  void SetUp() override {
    QtTableTest::SetUp();
    for (int r = 1; r <= 40; ++r) {
      TableSetCellText(table_, r, 1, std::to_string(r * 10));
      TableSetCellText(table_, r, 2, std::to_string(400 - r * 5));
    }
    TableRecord& t = RecordOf(table_);
    ResetSelection(t);
    t.selKind[0] = SELECT_COLUMNS;
    t.selRowFrom[0] = 1;
    t.selRowTo[0] = t.iRows - 1;
    t.selColFrom[0] = 1;
    t.selColTo[0] = 2;
    SendCommand(table_, CMD_VIEW_2D_PLOT);
    chart_ = RecordOf(table_).hChartWindow;
    ASSERT_NE(ChartOf(chart_), nullptr);
    ASSERT_EQ(FireTimer(chart_, TIMER_CHART_START), 0);
    ProcessEvents();
    ASSERT_EQ(C().layoutValid, 1);
    ASSERT_EQ(C().seriesCount, 2);
  }
  ChartRecord& C() const { return *ChartOf(chart_); }
  QWidget* Widget() const { return WidgetOf(chart_); }
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(Widget()->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(Widget(), &event);
  }
  void Wheel(int delta) {
    const QPoint at(100, 100);
    QWheelEvent event(QPointF(at), QPointF(Widget()->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Widget(), &event);
  }
  // The drawn position of point i of series s.
  QPoint PointAt(int s, int i) const {
    int x = 0;
    int y = 0;
    EXPECT_TRUE(ChartPointPixel(C(), s, i, &x, &y));
    return QPoint(x, y);
  }
  WindowHandle chart_{};
};

TEST_F(ChartWindowTest, TheFirstMoveAfterARepaintOnlyArmsTheCrosshair) {
  ChartRepaint(chart_);
  ProcessEvents();
  Send(QEvent::MouseMove, QPoint(200, 150), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(C().bCrosshairDrawn, 0);
  Send(QEvent::MouseMove, QPoint(210, 160), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(C().bCrosshairDrawn, 1);
  EXPECT_EQ(C().iCrossX, 210);
  // Drawn over the image, never into it.
  const QImage* image = ChartImage(chart_);
  ASSERT_NE(image, nullptr);
  const QImage shown = Render(chart_);
  EXPECT_NE(shown.pixel(210, 100), image->pixel(210, 100));
  EXPECT_EQ(shown.pixel(220, 100), image->pixel(220, 100));
  EXPECT_NE(std::string(C().statusText.data()).find("Y = "), std::string::npos);
}

TEST_F(ChartWindowTest, TheThirtyFirstNoteShowsItsMessageAndCancelLeavesNothing) {
  for (int n = 0; n < CHART_NOTES; ++n) ChartStoreNote(C(), n, 0, n, "n", true);
  const QPoint point = PointAt(1, 3);
  script_->Check();
  DialogScriptPush(AnswerOk("Message"));
  Send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "NoteLink-Count memory overflow");
  // A free slot: Cancel on the new note leaves the slot free.
  C().noteUsed[5] = 0;
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Set note"));
  Send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(C().noteUsed[5], 0);
  // OK keeps the default text.
  DialogScriptPush(AnswerDialog("Set note", [](DialogRequest&) { return static_cast<int>(BUTTON_OK); }));
  Send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(C().noteUsed[5], 1);
  EXPECT_EQ(std::string(C().noteText[5].data()), "C2R4 = 380");
}

TEST_F(ChartWindowTest, RightDragMovesTheTablesCurrentCell) {
  PopupScriptBegin();
  PopupScriptPush(0);
  const QPoint point = PointAt(1, 6);
  Send(QEvent::MouseButtonPress, point, Qt::RightButton, Qt::RightButton);
  Send(QEvent::MouseMove, point, Qt::NoButton, Qt::RightButton);
  Send(QEvent::MouseButtonRelease, point, Qt::RightButton, Qt::NoButton);
  PopupScriptEnd();
  const TableRecord& t = RecordOf(table_);
  EXPECT_EQ(t.selKind[0], SELECT_BLOCK);
  EXPECT_EQ(t.selRowFrom[0], 7);
  EXPECT_EQ(t.selColFrom[0], 2);
  EXPECT_EQ(t.iTopRow, 4);
  EXPECT_EQ(C().bRightDragging, 0);
}

TEST_F(ChartWindowTest, TheWheelZoomsWithinItsLimits) {
  const int start = C().stepPixels;
  Wheel(120);
  EXPECT_EQ(C().stepPixels, start - 1);
  Wheel(-3);  // a touchpad's small step counts as one
  EXPECT_EQ(C().stepPixels, start);
  for (int k = 0; k < 80; ++k) Wheel(120);
  EXPECT_EQ(C().stepPixels, 3);
  for (int k = 0; k < 80; ++k) Wheel(-120);
  EXPECT_EQ(C().stepPixels, 59);
}

TEST_F(ChartWindowTest, ScrollingFollowsAndDrivesTheTable) {
  // The table scrolled down: the chart starts at its first visible row.
  RecordOf(table_).iTopRow = 11;
  SendCommand(chart_, CMD_CHART_FOLLOW_SCROLL, 1);
  EXPECT_EQ(C().firstVisible, 10);
  // The chart scrolled one step: the table shows the next row and selects
  // both columns.
  SendMessageTo(chart_, MSG_HSCROLL, 1);
  const TableRecord& t = RecordOf(table_);
  EXPECT_EQ(C().firstVisible, 11);
  EXPECT_EQ(t.iTopRow, 12);
  EXPECT_EQ(t.selKind[0], SELECT_COLUMNS);
  EXPECT_EQ(t.selColFrom[0], 1);
  EXPECT_EQ(t.selColTo[0], 2);
  EXPECT_EQ(t.iSelCurrent, 0);
}

TEST_F(ChartWindowTest, ClosingEitherSideLetsTheOtherGo) {
  DestroyWindowOf(chart_);
  PumpPostedMessages();
  EXPECT_TRUE(IsNone(RecordOf(table_).hChartWindow));
  // A new chart, then the table closes first.
  SendCommand(table_, CMD_VIEW_2D_PLOT);
  chart_ = RecordOf(table_).hChartWindow;
  ASSERT_NE(ChartOf(chart_), nullptr);
  SendCommand(chart_, CMD_TABLE_RELEASE, static_cast<std::intptr_t>(static_cast<std::uint32_t>(table_)));
  EXPECT_EQ(ChartOf(chart_), nullptr);
}

TEST_F(ChartWindowTest, AMovedChartStaysBelowTheToolBand) {
  QWidget* frame = OuterWidgetOf(chart_);
  ASSERT_NE(qobject_cast<QMdiSubWindow*>(frame), nullptr);
  const int clientHeight = frame->parentWidget()->height();
  frame->resize(300, clientHeight - 20);
  frame->move(30, 5);
  ProcessEvents();
  EXPECT_EQ(frame->geometry().topLeft(), QPoint(30, 43));
  EXPECT_LE(frame->geometry().bottom() + 1, clientHeight);
  EXPECT_EQ(frame->width(), 300);
  // Further down it goes where it is put.
  frame->move(40, 120);
  ProcessEvents();
  EXPECT_EQ(frame->geometry().topLeft(), QPoint(40, 120));
  // A table is not held below the band.
  QWidget* tableFrame = OuterWidgetOf(table_);
  tableFrame->move(10, 0);
  ProcessEvents();
  EXPECT_EQ(tableFrame->y(), 0);
}

}  // namespace
