// The 3D plot in the running program: opened from a table through the
// performance dialog and the frame, its data hand-shake, painting,
// rotation, zoom, tracking of table cells, its pop-up menu and options,
// and closing with its table.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <string>

#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/popup_menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_dialogs.h"
#include "plots/plot_coordinates.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_window.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

class Plot3DWindowTest : public QtProgramTest {
 protected:
  // A table with rows x cols numbers from (1, 1), that block selected,
  // and its 3D plot opened and filled.
  WindowHandle OpenPlot(int rows, int cols) {
    table_ = NewTableWindow();
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) TableStoreCellText(table_, r, c, std::to_string(r * 10 + c));
    }
    {
      TableLockGuard t(table_);
      t->iSelCurrent = 0;
      t->selRowFrom[0] = 1, t->selRowTo[0] = rows;
      t->selColFrom[0] = 1, t->selColTo[0] = cols;
      t->selKind[0] = SELECT_BLOCK;
    }
    DialogScriptPush(AnswerDialog(PLOT3D_PERFORMANCE_DIALOG, [rows, cols](DialogRequest& request) {
      auto* model = dynamic_cast<Plot3DPerformanceModel*>(request.pModel);
      model->iRows = rows;
      model->iCols = cols;
      return static_cast<int>(BUTTON_OK);
    }));
    SendCommand(table_, CMD_VIEW_3D_PLOT);
    const WindowHandle plot = RecordOf(table_).hPlot3DWindow;
    if (!IsWindowAlive(plot)) return plot;
    FireTimer(plot, TIMER_PLOT3D_PLACE);
    ProcessEvents();
    ProcessEvents();
    return plot;
  }
  WindowHandle table_ = WindowHandle::None;
};

TEST_F(Plot3DWindowTest, OpensBesideItsTableAndDraws) {
  const WindowHandle plot = OpenPlot(6, 6);
  ASSERT_TRUE(IsWindowAlive(plot));
  EXPECT_EQ(WindowClassName(plot), "AccessThreeDimensional");
  EXPECT_EQ(Program().n3DWindows, 1);
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->bHasData, 1);
  EXPECT_EQ(p->iRows, 6);
  EXPECT_EQ(p->iGridStep, 18);  // a small grid: step 18, grid lines on
  EXPECT_EQ(p->bShowGrid, 1);
  // The focus is the middle of the selection: (1 + 5/2, 1 + 5/2).
  EXPECT_EQ(WindowTitle(plot), "Focus (Row,Col)=(3,3); Data=33");
  // The table sits on the left half, the plot on the right half.
  const WindowRect tableRect = WindowRectOf(table_);
  const WindowRect plotRect = WindowRectOf(plot);
  EXPECT_EQ(tableRect.y, 43);
  EXPECT_GT(plotRect.x, tableRect.x);
  EXPECT_EQ(plotRect.y, 44);

  const QImage image = Render(plot);
  ASSERT_FALSE(image.isNull());
  // The status band: raised grey along the bottom.
  EXPECT_EQ(image.pixel(image.width() - 6, image.height() - 30), qRgb(192, 192, 192));
}

// The state of a menu bar item of the frame: 1 enabled, 0 grayed, -1 absent.
int MenuItemState(unsigned command) {
  const MenuBarSpec* menu = WindowMenu(Program().hFrameWnd);
  if (!menu) return -1;
  for (const MenuPopupSpec& popup : menu->popups) {
    for (const MenuItemSpec& item : popup.items) {
      if (item.iCommand == command) return item.bGrayed ? 0 : 1;
    }
  }
  return -1;
}

TEST_F(Plot3DWindowTest, ActivePlotSetsMenuAndToolStates) {
  const WindowHandle plot = OpenPlot(5, 5);
  ASSERT_TRUE(IsWindowAlive(plot));
  MdiActivate(table_);
  SettleActivation(table_);
  EXPECT_EQ(MenuItemState(CMD_BACK_TO_HOME), 1);
  MdiActivate(plot);
  EXPECT_EQ(MenuItemState(CMD_BACK_TO_HOME), 0);
  const std::array<int, TOOL_BUTTONS> expected{1, 0, 0, 0, 1, 1, 0, 0, 1, 1};
  EXPECT_EQ(Program().toolStates, expected);
}

TEST_F(Plot3DWindowTest, DraggingRotatesAndTheWheelZooms) {
  const WindowHandle plot = OpenPlot(6, 6);
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  Render(plot);
  SendMessageTo(plot, MSG_LBUTTONDOWN, MK_LBUTTON, MakePointParam(20, 20));
  SendMessageTo(plot, MSG_MOUSEMOVE, MK_LBUTTON, MakePointParam(0, static_cast<int>(p->dCentreY)));
  EXPECT_NEAR(p->dRotation, 3.1415926, 1e-6);
  EXPECT_NEAR(p->dTilt, 0, 1e-6);
  EXPECT_EQ(p->bRowsDescending, 1);
  SendMessageTo(plot, MSG_LBUTTONUP, 0, MakePointParam(0, 0));
  // Rotation without the press does nothing.
  SendMessageTo(plot, MSG_MOUSEMOVE, MK_LBUTTON, MakePointParam(5000, 0));
  EXPECT_NEAR(p->dRotation, 3.1415926, 1e-6);

  const int step = p->iGridStep;
  SendMessageTo(plot, MSG_MOUSEWHEEL, static_cast<std::uintptr_t>(static_cast<std::uint16_t>(-120)) << 16,
                MakePointParam(10, 10));
  EXPECT_EQ(p->iGridStep, step + 1);
  SendMessageTo(plot, MSG_KEYDOWN, KEY_F1, 0);
  EXPECT_EQ(p->iGridStep, step);
  SendCommand(plot, CMD_ZOOM_IN_BUTTON);
  EXPECT_EQ(p->iGridStep, step + 1);
}

TEST_F(Plot3DWindowTest, RightDragTracksTableCells) {
  const WindowHandle plot = OpenPlot(6, 6);
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  Render(plot);
  const Plot3DPoint node = Plot3DCorner(*p, 4, 1, 0);
  SendMessageTo(plot, MSG_MOUSEMOVE, MK_RBUTTON, MakePointParam(node.x, node.y));
  EXPECT_EQ(p->bTracking, 1);
  EXPECT_EQ(RecordOf(table_).selRowFrom[0], 5);
  EXPECT_EQ(RecordOf(table_).selColFrom[0], 2);
  EXPECT_EQ(Plot3DStatusLine(*p), "Mouse: Z=52, Z range=[66, 11]");
  // The release after tracking opens no menu.
  PopupScriptBegin();
  SendMessageTo(plot, MSG_RBUTTONUP, 0, MakePointParam(node.x, node.y));
  EXPECT_TRUE(PopupScriptShown().empty());
  // A plain right click does: grid mode greys the trendline.
  PopupScriptPush(0);
  SendMessageTo(plot, MSG_MOUSEMOVE, 0, MakePointParam(node.x, node.y));
  SendMessageTo(plot, MSG_RBUTTONUP, 0, MakePointParam(node.x, node.y));
  ASSERT_EQ(PopupScriptShown().size(), 1u);
  const PopupMenuList& menu = PopupScriptShown()[0];
  ASSERT_EQ(menu.items.size(), 6u);
  EXPECT_EQ(menu.items[0].szText, "Select 3D Options");
  EXPECT_EQ(menu.items[0].iCommand, 40131);
  EXPECT_TRUE(menu.items[1].bGrayed);
  EXPECT_EQ(menu.items[1].szText, "Show Trendline");
  EXPECT_FALSE(menu.items[2].bGrayed);
  PopupScriptEnd();
}

TEST_F(Plot3DWindowTest, OptionsChangeTheStyleAndEmptySmoothingIsReported) {
  const WindowHandle plot = OpenPlot(6, 6);
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  DialogScriptPush(AnswerDialog(PLOT3D_OPTIONS_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<Plot3DOptionsModel*>(request.pModel);
    model->iStyle = PLOT3D_HISTOGRAM;
    model->szColourSmooth = "-3";
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(plot, CMD_PLOT3D_OPTIONS);
  EXPECT_EQ(p->iStyle, PLOT3D_HISTOGRAM);
  EXPECT_EQ(p->iColourSmoothMode, 2);
  EXPECT_EQ(p->iColouring, PLOT3D_COLOUR_SURFACE);
  EXPECT_FALSE(Render(plot).isNull());

  DialogScriptPush(AnswerDialog(PLOT3D_OPTIONS_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<Plot3DOptionsModel*>(request.pModel);
    model->szDataSmooth.clear();
    model->iStyle = PLOT3D_SCATTER;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Error message"));
  SendCommand(plot, CMD_PLOT3D_OPTIONS);
  EXPECT_EQ(DialogScriptShown().back().szText, "DATA_SMOOTH");
  EXPECT_EQ(p->iStyle, PLOT3D_HISTOGRAM);  // the rest stays
}

TEST_F(Plot3DWindowTest, DeclaredCoordinatesGiveCoordinateModeWithATrendline) {
  table_ = NewTableWindow();
  // X in column 1, Y in column 2, the values in column 3 (rows 1..8): y = 2x + 1.
  for (int r = 1; r <= 8; ++r) {
    TableStoreCellText(table_, r, 1, std::to_string(r));
    TableStoreCellText(table_, r, 2, std::to_string(2 * r + 1));
    TableStoreCellText(table_, r, 3, std::to_string(r * r));
  }
  {
    TableLockGuard t(table_);
    t->coordinateDecl[0] = {COORD_X, COORD_DOWN_COLUMN, 1, 8, 1, 1, 1, 8, 3, 3};
    t->coordinateDecl[1] = {COORD_Y, COORD_DOWN_COLUMN, 1, 8, 2, 2, 1, 8, 3, 3};
    t->iSelCurrent = 0;
    t->selRowFrom[0] = 1, t->selRowTo[0] = 8;
    t->selColFrom[0] = t->selColTo[0] = 3;
    t->selKind[0] = SELECT_BLOCK;
  }
  DialogScriptPush(AnswerDialog(PLOT3D_PERFORMANCE_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<Plot3DPerformanceModel*>(request.pModel);
    model->iRows = 8;
    model->iCols = 1;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table_, CMD_VIEW_3D_PLOT);
  const WindowHandle plot = RecordOf(table_).hPlot3DWindow;
  ASSERT_TRUE(IsWindowAlive(plot));
  FireTimer(plot, TIMER_PLOT3D_PLACE);
  ProcessEvents();
  ProcessEvents();
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->iDataMode, PLOT3D_MODE_COORDINATES);
  EXPECT_EQ(p->iStyle, PLOT3D_SCATTER);
  EXPECT_EQ(p->nXValues, 8);
  ASSERT_EQ(p->bFitValid, 1);
  EXPECT_EQ(Plot3DEquationText("y", p->dSlopeY, p->dInterceptY), "y=2x+1");
  const QImage before = Render(plot);
  SendCommand(plot, CMD_PLOT3D_TRENDLINE);
  EXPECT_EQ(p->bTrendlineShown, 1);
  const QImage after = Render(plot);
  EXPECT_NE(before, after);  // the line and its equations
}

TEST_F(Plot3DWindowTest, ClosingTheTableClosesThePlot) {
  const WindowHandle plot = OpenPlot(4, 4);
  ASSERT_TRUE(IsWindowAlive(plot));
  if (TableLockGuard t(table_); t) t->bModified = 0;
  SendMessageTo(table_, MSG_CLOSE);
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(plot));
  EXPECT_EQ(Program().n3DWindows, 0);
}

TEST_F(Plot3DWindowTest, ClosingThePlotLetsTheTableOpenAnother) {
  const WindowHandle plot = OpenPlot(4, 4);
  ASSERT_TRUE(IsWindowAlive(plot));
  SendMessageTo(plot, MSG_CLOSE);
  ProcessEvents();
  EXPECT_FALSE(IsWindowAlive(plot));
  EXPECT_TRUE(IsNone(RecordOf(table_).hPlot3DWindow));
}

TEST_F(Plot3DWindowTest, ThePlotIconSitsWhereTheLastRotationEnded) {
  // The program's icon is drawn: a plain square of an unusual colour here.
  QPixmap icon(32, 32);
  icon.fill(QColor(3, 141, 77));
  QGuiApplication::setWindowIcon(QIcon(icon));
  const WindowHandle plot = OpenPlot(6, 6);
  Plot3DRecord* p = Plot3DOf(plot);
  ASSERT_NE(p, nullptr);
  const auto iconPixels = [](const QImage& image, int x, int y) {
    int n = 0;
    for (int j = y; j < y + 32; ++j) {
      for (int i = x; i < x + 32; ++i) n += image.pixel(i, j) == qRgb(3, 141, 77) ? 1 : 0;
    }
    return n;
  };
  // After the first layout: halfway between the centre and the plot
  // area's lower-right corner.
  QImage image = Render(plot);
  EXPECT_EQ(iconPixels(image, p->iMouseX, p->iMouseY), 32 * 32);
  // A drag ends at (60, 70): the icon follows.
  SendMessageTo(plot, MSG_LBUTTONDOWN, MK_LBUTTON, MakePointParam(50, 50));
  SendMessageTo(plot, MSG_MOUSEMOVE, MK_LBUTTON, MakePointParam(60, 70));
  SendMessageTo(plot, MSG_LBUTTONUP, 0, MakePointParam(60, 70));
  image = Render(plot);
  QGuiApplication::setWindowIcon(QIcon());
  EXPECT_EQ(p->iMouseX, 60);
  EXPECT_EQ(iconPixels(image, 60, 70), 32 * 32);
}

TEST_F(Plot3DWindowTest, AMaximisedTableTooLargeIsRestoredOntoTheLeftHalf) {
  table_ = NewTableWindow();
  TableStoreCellText(table_, 2, 2, "5");
  {
    TableLockGuard t(table_);
    t->iSelCurrent = 0;
    t->selRowFrom[0] = t->selRowTo[0] = 2;
    t->selColFrom[0] = t->selColTo[0] = 2;
    t->selKind[0] = SELECT_BLOCK;
  }
  QWidget* frame = OuterWidgetOf(table_);
  frame->showMaximized();
  ProcessEvents();
  const WindowRect area = WindowRectOf(Program().hMdiClient);
  ASSERT_GT(WindowRectOf(table_).cy, area.cy - 43) << "the maximised table should not fit beside the band";
  DialogScriptPush(AnswerOk("Message"));
  SendCommand(table_, CMD_VIEW_3D_PLOT);
  ProcessEvents();
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "Please reselect 3D option after window resizes");
  EXPECT_TRUE(IsNone(RecordOf(table_).hPlot3DWindow));
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(frame->geometry(), QRect(0, 44, area.cx / 2, area.cy - 44));
}

}  // namespace
