// The chart window without a display: opening it from a table, its
// commands and dialogs, and what happens when the table goes away while
// a dialog is open.
#include <gtest/gtest.h>

#include "platform/popup_menu.h"
#include "platform/timers.h"
#include "plots/chart_dialogs.h"
#include "plots/chart_menus.h"
#include "plots/chart_window.h"
#include "resources/command_ids.h"
#include "support/range_table_test.h"
#include "table/table_access.h"

namespace {

class ChartWindowTest : public RangeTableTest {
 protected:
  void SetUp() override {
    RangeTableTest::SetUp();
    for (int r = 1; r <= 12; ++r) {
      for (int c = 1; c <= 3; ++c) Put(r, c, std::to_string(r * 10 + c));
    }
  }
  // Open a chart on the selection and load it on an 800 x 600 client.
  WindowHandle Open() {
    SendCommand(table_, CMD_VIEW_2D_PLOT);
    const WindowHandle chart = T().hChartWindow;
    EXPECT_NE(ChartOf(chart), nullptr);
    MoveWindowTo(chart, 0, 0, 800, 600);
    FireTimer(chart, TIMER_CHART_START);
    return chart;
  }
  void TearDown() override {
    for (WindowHandle w : {T().hChartWindow}) {
      if (IsWindowAlive(w)) DestroyWindowOf(w);
    }
    PumpPostedMessages();
    RangeTableTest::TearDown();
  }
};

TEST_F(ChartWindowTest, OpensOnceAndReloadsOnTheSecondCommand) {
  Select(1, 1, 12, 1);
  const WindowHandle chart = Open();
  ChartRecord* c = ChartOf(chart);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->seriesCount, 1);
  EXPECT_EQ(c->layoutValid, 1);
  EXPECT_EQ(WindowTitle(chart), "Drawing curve by Column");
  Select(1, 2, 12, 3);
  DialogScriptPush(AnswerDialog(CHART_MODE_DIALOG, [](DialogRequest& request) {
    dynamic_cast<ChartModeModel*>(request.pModel)->iMode = DRAW_BY_COLUMN;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table_, CMD_VIEW_2D_PLOT);
  EXPECT_EQ(T().hChartWindow, chart);
  EXPECT_EQ(ChartOf(chart)->seriesCount, 2);
}

TEST_F(ChartWindowTest, ATableClosedDuringTheModeQuestionLeavesAnEmptyChart) {
  Select(1, 1, 5, 3);
  SendCommand(table_, CMD_VIEW_2D_PLOT);
  const WindowHandle chart = T().hChartWindow;
  MoveWindowTo(chart, 0, 0, 800, 600);
  const WindowHandle table = table_;
  DialogScriptPush(AnswerDialog(CHART_MODE_DIALOG, [this, table](DialogRequest&) {
    T().bModified = 0;
    SendMessageTo(table, MSG_CLOSE);
    return static_cast<int>(BUTTON_OK);
  }));
  FireTimer(chart, TIMER_CHART_START);
  PumpPostedMessages();
  // The closing table released its chart.
  EXPECT_EQ(ChartOf(chart), nullptr);
  table_ = CreateHeadlessTable(OPEN_NEW);
}

TEST_F(ChartWindowTest, YRangeDialogSwapsAReversedPairAndInsistsOnNumbers) {
  Select(1, 1, 12, 1);
  const WindowHandle chart = Open();
  DialogScriptPush(AnswerDialog(CHART_Y_RANGE_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ChartYRangeModel*>(request.pModel);
    model->szMax = "abc";
    model->szMin = "5";
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  DialogScriptPush(AnswerDialog(CHART_Y_RANGE_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ChartYRangeModel*>(request.pModel);
    EXPECT_EQ(model->szMax, "abc");  // the dialog came back as it was left
    model->szMax = "10";
    model->szMin = "90";
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(chart, CMD_CHART_SET_Y_RANGE);
  ChartRecord* c = ChartOf(chart);
  EXPECT_EQ(c->yRangeMode, Y_RANGE_CUSTOM);
  EXPECT_DOUBLE_EQ(c->dCustomYMax, 90);
  EXPECT_DOUBLE_EQ(c->dCustomYMin, 10);
  EXPECT_EQ(LastMessage(), "");  // the message was shown before the second dialog
  SendCommand(chart, CMD_CHART_AUTO_Y_RANGE);
  EXPECT_EQ(ChartOf(chart)->yRangeMode, Y_RANGE_AUTO);
}

TEST_F(ChartWindowTest, TheXUnitDialogRefusesUnitsBelowTheSmallest) {
  Select(1, 1, 12, 1);
  const WindowHandle chart = Open();
  ChartOf(chart)->iXSpan = 655350;  // smallest unit 10
  DialogScriptPush(AnswerDialog(CHART_X_UNIT_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ChartXUnitModel*>(request.pModel);
    EXPECT_DOUBLE_EQ(model->dSmallest, 10);
    EXPECT_FALSE(model->bMinDifferenceAllowed);
    model->iMode = X_UNIT_CUSTOM;
    model->szValue = "2";
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  DialogScriptPush(AnswerDialog(CHART_X_UNIT_DIALOG, [](DialogRequest& request) {
    dynamic_cast<ChartXUnitModel*>(request.pModel)->szValue = "12.5";
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(chart, CMD_CHART_SET_X_UNIT);
  bool refused = false;
  for (const ShownDialog& shown : DialogScriptShown()) refused |= shown.szText == "Smallest supported unit size is 10";
  EXPECT_TRUE(refused);
  EXPECT_EQ(ChartOf(chart)->xUnitMode, X_UNIT_CUSTOM);
  EXPECT_DOUBLE_EQ(ChartOf(chart)->customXUnit, 12.5);
}

TEST_F(ChartWindowTest, MarkersStopAtTwentyNineAndZoomKeepsItsLimits) {
  Select(1, 1, 12, 1);
  const WindowHandle chart = Open();
  ChartRecord* c = ChartOf(chart);
  c->iLastRightX = 100;
  c->iLastRightY = 200;
  for (int m = 0; m < CHART_MARKERS; ++m) SendCommand(chart, CMD_CHART_SET_MARKER);
  EXPECT_EQ(c->markerCount, CHART_MARKERS);
  EXPECT_EQ(std::string(c->markerXText[0].data()), "X (Row) = 3");
  DialogScriptPush(AnswerOk("Message"));
  SendCommand(chart, CMD_CHART_SET_MARKER);
  EXPECT_EQ(LastMessage(), "Mark-Count memory overflow");
  EXPECT_EQ(c->markerCount, CHART_MARKERS);
  c->stepPixels = 3;
  for (int k = 0; k < 3; ++k) SendCommand(chart, CMD_ZOOM_OUT_BUTTON);
  EXPECT_EQ(c->stepPixels, 2);
  c->stepPixels = 58;
  for (int k = 0; k < 3; ++k) SendCommand(chart, CMD_ZOOM_IN_BUTTON);
  EXPECT_EQ(c->stepPixels, 59);
  // A client too small for the plot ignores the zoom.
  MoveWindowTo(chart, 0, 0, 800, 40);
  EXPECT_EQ(c->layoutValid, 0);
  SendCommand(chart, CMD_ZOOM_OUT_BUTTON);
  EXPECT_EQ(c->stepPixels, 59);
}

TEST_F(ChartWindowTest, TheChartMenuFollowsTheChart) {
  Select(1, 1, 12, 1);
  const WindowHandle chart = Open();
  ChartRecord* c = ChartOf(chart);
  const auto state = [](const PopupMenuList& menu, unsigned id) {
    for (const PopupMenuItem& item : menu.items) {
      if (item.iCommand == static_cast<int>(id)) return item.bGrayed ? std::string("grayed ") + item.szText : item.szText;
    }
    return std::string("missing");
  };
  PopupMenuList menu = ChartRightMenu(*c);
  EXPECT_EQ(state(menu, CMD_CHART_VIEW_BAR), "View bar graph");
  EXPECT_EQ(state(menu, CMD_CHART_VIEW_SCATTER), "grayed View X,Y (Scatter)");
  EXPECT_EQ(state(menu, CMD_CHART_CROSSHAIR), "Hide Crosshair");
  SendCommand(chart, CMD_CHART_VIEW_PIE);
  menu = ChartRightMenu(*c);
  EXPECT_EQ(state(menu, CMD_CHART_SET_MARKER), "grayed Set marker");
  EXPECT_EQ(state(menu, CMD_CHART_ADJUST), "grayed Adjust data");
  c->xAxisActive = c->yAxisActive = 1;
  c->chartKind = CHART_KIND_SCATTER;
  menu = ChartRightMenu(*c);
  EXPECT_EQ(state(menu, CMD_CHART_VIEW_BAR), "grayed View bar graph");
  EXPECT_EQ(state(menu, CMD_CHART_VIEW_SCATTER), "View X,Y,Z (Bubble)");
  EXPECT_EQ(state(menu, CMD_CHART_TRENDLINE), "Show Trendline");
  EXPECT_EQ(state(menu, CMD_CHART_SET_X_UNIT), "grayed Set custom X  unit size");
}

TEST(ChartPlace, AnMdiChartStaysBelowTheToolBand) {
  const struct {
    WindowRect moved;
    int clientHeight;
    WindowRect kept;
  } cases[] = {
      {{10, 43, 300, 200}, 500, {10, 43, 300, 200}},   // at the band: stays
      {{10, 100, 300, 600}, 500, {10, 100, 300, 600}},  // below it: never touched
      {{10, 20, 300, 200}, 500, {10, 43, 300, 200}},   // above: just below, height fits
      {{-5, -30, 300, 480}, 500, {-5, 43, 300, 457}},   // cut to end inside the client
      {{0, 0, 300, 200}, 40, {0, 43, 300, 1}},          // no room at all: one pixel high
  };
  for (const auto& c : cases) {
    WindowRect place = c.moved;
    ChartKeepBelowBand(&place, c.clientHeight);
    EXPECT_EQ(place.x, c.kept.x);
    EXPECT_EQ(place.y, c.kept.y) << c.moved.y;
    EXPECT_EQ(place.cx, c.kept.cx);
    EXPECT_EQ(place.cy, c.kept.cy) << c.moved.y;
  }
  ChartKeepBelowBand(nullptr, 500);  // nothing to keep: no crash
}

}  // namespace
