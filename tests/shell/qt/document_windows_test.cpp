// Table windows as the MDI area places and shows them, driven with real
// events and never resized by the test: a new window takes the mouse at
// once, default-placed windows cascade, and Ctrl+Tab visits every one.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <set>
#include <vector>

#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"

namespace {

class DocumentWindowsTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    WidgetOf(frame())->window()->resize(1000, 760);
    ActivateFrame();
  }
  // Ctrl+N on the frame, as the user types it; the window as it comes.
  static WindowHandle CtrlN() {
    QTest::keyClick(WidgetOf(Program().hFrameWnd)->window(), Qt::Key_N, Qt::ControlModifier);
    ProcessEvents();
    const WindowHandle table = MdiActiveChild(Program().hMdiClient);
    EXPECT_FALSE(IsNone(table));
    SettleActivation(table);
    return table;
  }
  static QMdiSubWindow* SubOf(WindowHandle table) { return qobject_cast<QMdiSubWindow*>(OuterWidgetOf(table)); }
};

// What a window knows of its client area is what is on the screen, and a
// click on R2C2 selects it.
void ExpectTakesTheMouse(WindowHandle table) {
  QWidget* view = WidgetOf(table);
  ASSERT_GT(view->width(), 0);
  EXPECT_EQ(RecordOf(table).iClientWidth, view->width());
  EXPECT_EQ(RecordOf(table).iClientHeight, view->height());
  QTest::mouseClick(view, Qt::LeftButton, {}, CellMiddle(table, 2, 2));
  EXPECT_EQ(RecordOf(table).selRowFrom[0], 2);
  EXPECT_EQ(RecordOf(table).selColFrom[0], 2);
  DragSelect(view, CellMiddle(table, 2, 2), CellMiddle(table, 6, 4));
  EXPECT_EQ(RecordOf(table).selRowTo[0], 6);
  EXPECT_EQ(RecordOf(table).selColTo[0], 4);
  EXPECT_EQ(RecordOf(table).iTopRow, 1) << "the drag stayed inside: no scrolling";
}

TEST_F(DocumentWindowsTest, ANewTableTakesTheMouseBeforeAnyResize) {
  const WindowHandle first = CtrlN();
  ExpectTakesTheMouse(first);
  // A table created while another is maximised comes maximised.
  SubOf(first)->showMaximized();
  ProcessEvents();
  const WindowHandle second = CtrlN();
  ExpectTakesTheMouse(second);
}

TEST_F(DocumentWindowsTest, DefaultPlacedTablesCascade) {
  std::vector<QPoint> corners;
  for (int i = 0; i < 3; ++i) corners.push_back(SubOf(CtrlN())->pos());
  const int step = corners[1].x() - corners[0].x();
  EXPECT_GT(step, 10);
  for (std::size_t i = 1; i < corners.size(); ++i) {
    EXPECT_EQ(corners[i] - corners[i - 1], QPoint(step, step)) << i;
  }
}

TEST_F(DocumentWindowsTest, CtrlTabVisitsEveryTable) {
  std::set<WindowHandle> tables;
  for (int i = 0; i < 4; ++i) tables.insert(CtrlN());
  std::set<WindowHandle> visited;
  for (int i = 0; i < 4; ++i) {
    QWidget* focus = WidgetOf(MdiActiveChild(Program().hMdiClient));
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    ProcessEvents();
    visited.insert(MdiActiveChild(Program().hMdiClient));
  }
  EXPECT_EQ(visited, tables);
  // Ctrl+Shift+Tab goes back the same way.
  const WindowHandle now = MdiActiveChild(Program().hMdiClient);
  QTest::keyClick(WidgetOf(now), Qt::Key_Tab, Qt::ControlModifier);
  QTest::keyClick(WidgetOf(MdiActiveChild(Program().hMdiClient)), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  ProcessEvents();
  EXPECT_EQ(MdiActiveChild(Program().hMdiClient), now);
}

}  // namespace
