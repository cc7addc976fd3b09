// The 3D plot's model: transfer and height scaling, layout, Z fit,
// smoothing, colours, projection and drawing order.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "platform/number_text.h"
#include "platform/popup_menu.h"
#include "plots/plot3d_window.h"
#include "resources/language.h"
#include "plots/plot3d_colours.h"
#include "plots/plot3d_layout.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_record.h"
#include "plots/plot3d_transfer.h"
#include "support/fresh_table.h"

namespace {

struct RecordDeleter {
  void operator()(Plot3DRecord* p) const { Plot3DFreeRecord(p); }
};
using RecordPtr = std::unique_ptr<Plot3DRecord, RecordDeleter>;

RecordPtr NewRecord() { return RecordPtr(Plot3DAllocRecord()); }

// Fill rows x cols from (1, 1) with value(row, col).
template <class Value>
void FillBlock(FreshTable& t, int rows, int cols, Value value) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) t.Store(r, c, FormatFixed(value(r, c)));
  }
}

// Transfer the block at (1, 1) and lay it out as the window does.
void TransferAndLayout(FreshTable& t, Plot3DRecord& p, int rows, int cols) {
  ASSERT_EQ(Plot3DTransferGrid(*t, p, Plot3DInitialPlacement(1, rows, 1, cols, rows, cols), rows, cols), 0);
  Plot3DResize(p, 1600, 900);
  Plot3DLayoutGrid(p);
  Plot3DSmoothData(p);
  Plot3DComputeColours(p);
  Plot3DProjectGrid(p);
}

}  // namespace

TEST(Plot3DTransfer, HeightMultiplierFollowsTheDataRange) {
  struct Case {
    double range;
    double multiplier;
  } cases[] = {{0.5, 600}, {10000, 0.2}, {0, 1}, {300, 1}, {2000, 1}, {150, 2}, {4000, 0.5}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Plot3DHeightMultiplier(c.range), c.multiplier) << c.range;
}

TEST(Plot3DTransfer, ScalesHeightsAndKeepsTheExtremesTexts) {
  FreshTable t;
  auto p = NewRecord();
  t.Store(1, 1, "0.5");
  t.Store(1, 2, "1");
  t.Store(2, 1, "0.75");
  // (2, 2) stays empty.
  ASSERT_EQ(Plot3DTransferGrid(*t, *p, Plot3DInitialPlacement(1, 2, 1, 2, 2, 2), 2, 2), 0);
  EXPECT_EQ(p->bHasData, 1);
  EXPECT_DOUBLE_EQ(p->dMultiplier, 600);
  EXPECT_DOUBLE_EQ(p->nodeZ[0][0], 300);
  EXPECT_DOUBLE_EQ(p->nodeZ[0][1], 600);
  EXPECT_EQ(p->nodeValid[1][1], 0);
  EXPECT_EQ(std::string(TextOf(p->szMaxText)), "1");
  EXPECT_EQ(std::string(TextOf(p->szMinText)), "0.5");
}

TEST(Plot3DTransfer, ConstantBlockScalesWithOneAndBlockWithoutNumbersHasNoData) {
  FreshTable t;
  auto p = NewRecord();
  FillBlock(t, 3, 3, [](int, int) { return 7.0; });
  ASSERT_EQ(Plot3DTransferGrid(*t, *p, Plot3DInitialPlacement(1, 3, 1, 3, 3, 3), 3, 3), 0);
  EXPECT_DOUBLE_EQ(p->dMultiplier, 1);
  EXPECT_DOUBLE_EQ(p->nodeZ[1][1], 7);
  t.Store(5, 5, "text");
  auto q = NewRecord();
  EXPECT_EQ(Plot3DTransferGrid(*t, *q, Plot3DInitialPlacement(5, 6, 5, 6, 2, 2), 2, 2), 1);
  EXPECT_EQ(q->bHasData, 0);
}

TEST(Plot3DTransfer, HugeValuesAreShiftedIntoRange) {
  FreshTable t;
  auto p = NewRecord();
  t.Store(1, 1, "100000");
  t.Store(1, 2, "101000");
  ASSERT_EQ(Plot3DTransferGrid(*t, *p, Plot3DInitialPlacement(1, 1, 1, 2, 1, 2), 1, 2), 0);
  // Range 1000: multiplier 1, the largest shifted down to 10000.
  EXPECT_DOUBLE_EQ(p->nodeZ[0][1], 10000);
  EXPECT_DOUBLE_EQ(p->nodeZ[0][0], 9000);
}

TEST(Plot3DTransfer, FocusStaysInsideTheBlock) {
  // A range one row high: the focus is an offset, not its row number.
  const Plot3DPlacement oneRow = Plot3DInitialPlacement(12, 12, 3, 9, 20, 20);
  EXPECT_EQ(oneRow.iFocusRow, 0);
  EXPECT_EQ(oneRow.iFocusCol, 3);
  const Plot3DPlacement wide = Plot3DInitialPlacement(1, 400, 1, 400, 20, 20);
  EXPECT_EQ(wide.iFocusRow, 19);
  // Browsing a table of 10 data rows with 40 rows requested: the origin
  // stays at row 1 and the focus on the browse cell.
  const Plot3DPlacement browse = Plot3DBrowsePlacement(5, 30, 11, 100, 40, 20);
  EXPECT_EQ(browse.iOriginRow, 1);
  EXPECT_EQ(browse.iFocusRow, 4);
  EXPECT_EQ(browse.iOriginCol, 20);
  EXPECT_EQ(browse.iFocusCol, 10);
  // Near the last row the block ends at the table's last row.
  const Plot3DPlacement bottom = Plot3DBrowsePlacement(1999, 5, 2001, 371, 20, 20);
  EXPECT_EQ(bottom.iOriginRow, 1981);
  EXPECT_EQ(bottom.iFocusRow, 18);
}

TEST(Plot3DLayout, GridSizeSetsStepZoomAndGridLines) {
  FreshTable t;
  auto small = NewRecord();
  FillBlock(t, 50, 50, [](int r, int c) { return r + c; });
  TransferAndLayout(t, *small, 50, 50);
  EXPECT_EQ(small->bShowGrid, 1);
  EXPECT_EQ(small->iGridStep, 18);
  EXPECT_FLOAT_EQ(small->fZZoom, 20.0f);

  FreshTable big;
  FillBlock(big, 200, 200, [](int r, int c) { return r * c; });
  auto large = NewRecord();
  TransferAndLayout(big, *large, 200, 200);
  EXPECT_EQ(large->bShowGrid, 0);
  EXPECT_EQ(large->iGridStep, 2);
  // The wheel keeps a large grid's step within 1..3.
  for (int i = 0; i < 5; ++i) Plot3DStepZoom(*large, 1);
  EXPECT_EQ(large->iGridStep, 3);
  for (int i = 0; i < 5; ++i) Plot3DStepZoom(*large, -1);
  EXPECT_EQ(large->iGridStep, 1);
}

TEST(Plot3DLayout, ZFitAlwaysEndsWithinItsBounds) {
  for (double range : {0.0, 1.5, 2.0, 50.0, 224.0, 225.0, 600.0, 1e6, -600.0, -3.0, 1e300}) {
    const float z = Plot3DFitZoom(range, 900);
    EXPECT_GE(z, 2.0f) << range;
    EXPECT_LE(z, 300.0f) << range;
  }
  // h = 225: a range of 100 is raised by tens while 100 * z / 100 <= 225.
  EXPECT_FLOAT_EQ(Plot3DFitZoom(100, 900), 220.0f);
  EXPECT_FLOAT_EQ(Plot3DFitZoom(1000, 900), 22.0f);
  EXPECT_FLOAT_EQ(Plot3DFitZoom(1, 900), 280.0f);
}

TEST(Plot3DLayout, ZFitOnDataLoweredByBrowsingTerminates) {
  FreshTable t;
  FillBlock(t, 10, 10, [](int r, int) { return r <= 5 ? 1000.0 + r : -5000.0 + r; });
  auto p = NewRecord();
  p->iZScaleMode = PLOT3D_ZSCALE_AUTO;
  p->iZFitCounter = 2;  // the next request fits
  TransferAndLayout(t, *p, 5, 10);
  const float first = p->fZZoom;
  EXPECT_GE(first, 2.0f);
  // Browse to the lower rows: the mid height stays that of the first
  // transfer, so the plotted range lies below it.
  ASSERT_EQ(Plot3DTransferGrid(*t, *p, Plot3DBrowsePlacement(8, 5, 11, 11, 5, 10), 5, 10), 0);
  Plot3DLayoutGrid(*p);
  EXPECT_GE(p->fZZoom, 2.0f);
  EXPECT_LE(p->fZZoom, 300.0f);
}

TEST(Plot3DLayout, SmoothingLeavesOutTheNodesRowAndColumn) {
  FreshTable t;
  FillBlock(t, 3, 3, [](int r, int c) { return r == 2 && c == 2 ? 1000.0 : 100.0 * r; });
  auto p = NewRecord();
  TransferAndLayout(t, *p, 3, 3);
  p->bDataSmooth = 1;
  p->iDataSmoothCoef = 3;
  Plot3DSmoothData(*p);
  // Node (1, 1) averages the four diagonal neighbours only.
  const double expected = std::trunc((p->nodeZ[0][0] + p->nodeZ[0][2] + p->nodeZ[2][0] + p->nodeZ[2][2]) / 4) -
                          p->dMidHeight;
  EXPECT_DOUBLE_EQ(p->cornerZ[1][1][0], expected);
  // A one-node grid has no neighbours: it keeps its own height.
  auto one = NewRecord();
  TransferAndLayout(t, *one, 1, 1);
  one->bDataSmooth = 1;
  one->iDataSmoothCoef = 7;
  Plot3DSmoothData(*one);
  EXPECT_DOUBLE_EQ(one->cornerZ[0][0][0], one->nodeZ[0][0] - one->dMidHeight);
  EXPECT_TRUE(std::isfinite(one->cornerZ[0][0][0]));
}

TEST(Plot3DColours, FalseHueRule) {
  struct Case {
    int z, low, high, hue;
  } cases[] = {
      {0, 0, 0, 160},       // constant: factor 160 limited to 80
      {10, 0, 100, 150},    // d < 160: f = 1
      {5, 0, 40, 140},      // f = 4
      {300, 0, 320, 160 - 300 / 3},  // d >= 160: f = 320 / 160 + 1
      {1000, 0, 10, 0},     // never below 0
  };
  for (const Case& c : cases) EXPECT_EQ(Plot3DFalseHue(c.z, c.low, c.high), c.hue) << c.z << " " << c.high;
}

TEST(Plot3DColours, SmoothingWithoutNeighboursKeepsTheNodesColour) {
  Plot3DGrid<Plot3DHls> grid{};
  grid[0][0] = {100, 200, 50};
  EXPECT_EQ(Plot3DSmoothChannel(grid, 1, 1, 0, 0, 5, 2), 50);
  grid[1][1] = {0, 0, 150};
  EXPECT_EQ(Plot3DSmoothChannel(grid, 2, 2, 0, 0, 3, 2), 150);
}

TEST(Plot3DColours, CustomColourAndLightnessDecideTheNodeColour) {
  FreshTable t;
  FillBlock(t, 4, 4, [](int r, int c) { return r * 10.0 + c; });
  auto p = NewRecord();
  TransferAndLayout(t, *p, 4, 4);
  p->bCustomColour = 1;
  const Plot3DRgb custom = Plot3DNodeColour(*p, 1, 1);
  EXPECT_EQ(custom.r, 228);
  p->bCustomColour = 0;
  p->iColouring = PLOT3D_COLOUR_SURFACE;
  const Plot3DRgb raw = Plot3DNodeColour(*p, 1, 1);
  EXPECT_EQ(raw.r, p->nodeRgb[1][1].r);
  p->iLightness = 80;
  p->bLightness = 1;
  Plot3DComputeColours(*p);
  const Plot3DRgb lighter = Plot3DNodeColour(*p, 1, 1);
  EXPECT_GE(lighter.r + lighter.g + lighter.b, raw.r + raw.g + raw.b);
}

TEST(Plot3DProjection, MatchesTheReferenceWithTruncationTowardZero) {
  struct Model {
    double x, y, z;
  } points[] = {{40, 0, 0}, {0, 40, 0}, {0, 0, 120}};
  for (double r : {0.3927, -2.0}) {
    const double t = -0.3927;
    for (const Model& m : points) {
      const Plot3DPoint s = Plot3DProjectPoint(m.x, m.y, m.z, r, t, 3.0f);
      const double sx = m.x * std::cos(r) - m.y * std::sin(r);
      const double sy = m.x * std::sin(r) * std::sin(t) + m.y * std::cos(r) * std::sin(t) + m.z * 3 / 120 * std::cos(t);
      EXPECT_EQ(s.x, static_cast<int>(std::trunc(sx))) << r << " " << m.x << m.y << m.z;
      EXPECT_EQ(s.y, static_cast<int>(std::trunc(sy))) << r << " " << m.x << m.y << m.z;
    }
  }
  // The direction of truncation: -16.64 becomes -16, not -17.
  EXPECT_EQ(Plot3DProjectPoint(40, 0, 0, -2.0, -0.3927, 3.0f).x, -16);
  EXPECT_EQ(Plot3DProjectPoint(40, 0, 0, 0.3927, -0.3927, 3.0f).x, 36);
  // The zoom factor steps at 150 and 250.
  EXPECT_EQ(Plot3DProjectPoint(0, 0, 120, 0, 0, 200.0f).y, 400);
  EXPECT_EQ(Plot3DProjectPoint(0, 0, 120, 0, 0, 260.0f).y, 1040);
}

TEST(Plot3DProjection, DrawingOrderFollowsTheRotation) {
  struct Case {
    double r;
    int rowsDesc, colsDesc;
  } cases[] = {{0.3927, 0, 0}, {-2.0, 1, 1}, {2.0, 1, 0}, {-1.0, 0, 1}, {0.0, 0, 1}};
  auto p = NewRecord();
  for (const Case& c : cases) {
    p->dRotation = c.r;
    Plot3DSetDrawOrder(*p);
    EXPECT_EQ(p->bRowsDescending, c.rowsDesc) << c.r;
    EXPECT_EQ(p->bColsDescending, c.colsDesc) << c.r;
  }
  // The visit order of a 2 x 2 grid at r = -2.
  p->iRows = p->iCols = 2;
  p->dRotation = -2.0;
  Plot3DSetDrawOrder(*p);
  std::string order;
  Plot3DForEachNode(*p, [&](int i, int j) { order += std::to_string(i) + std::to_string(j) + " "; });
  EXPECT_EQ(order, "11 10 01 00 ");
}

TEST(Plot3DProjection, DragAnglesAreLimitedAndTinyClientsIgnored) {
  auto p = NewRecord();
  Plot3DResize(*p, 800, 650);
  ASSERT_TRUE(Plot3DDragAngles(*p, 0, 0));
  EXPECT_NEAR(p->dRotation, 3.1415926, 1e-9);  // the left edge turns by pi
  EXPECT_NEAR(p->dTilt, 1.5707963, 1e-9);      // the top edge tilts by pi/2
  ASSERT_TRUE(Plot3DDragAngles(*p, 5000, 5000));
  EXPECT_NEAR(p->dRotation, -3.1415926, 1e-9);
  auto tiny = NewRecord();
  Plot3DResize(*tiny, 1, 40);
  EXPECT_FALSE(Plot3DDragAngles(*tiny, 0, 0));
  EXPECT_DOUBLE_EQ(tiny->dRotation, 0.3927);
}

TEST(Plot3DProjection, TrackingFindsTheNodeDrawnLast) {
  FreshTable t;
  FillBlock(t, 5, 5, [](int r, int c) { return r * 10.0 + c; });
  auto p = NewRecord();
  TransferAndLayout(t, *p, 5, 5);
  const Plot3DPoint at = Plot3DCorner(*p, 2, 3, 0);
  int row = -1;
  int col = -1;
  ASSERT_TRUE(Plot3DNodeAt(*p, at.x, at.y, &row, &col));
  EXPECT_EQ(row, 2);
  EXPECT_EQ(col, 3);
  EXPECT_FALSE(Plot3DNodeAt(*p, -500, -500, &row, &col));
}

TEST(Plot3DTransfer, ScrollingMovesTheBlockByItsRange) {
  struct Case {
    int kind, rowFrom, rowTo, colFrom, colTo, top, left;
    bool vertical, moves;
    int row, col;
  } cases[] = {
      {SELECT_COLUMNS, 1, 2000, 3, 4, 40, 9, true, true, 40, 3},    // whole columns follow vertical scrolls
      {SELECT_COLUMNS, 1, 2000, 3, 4, 40, 9, false, false, 0, 0},
      {SELECT_ROWS, 5, 6, 1, 370, 40, 9, false, true, 5, 9},        // whole rows horizontal ones
      {SELECT_ROWS, 5, 6, 1, 370, 40, 9, true, false, 0, 0},
      {SELECT_BLOCK, 10, 50, 2, 8, 20, 1, true, true, 20, 2},       // a block while in view
      {SELECT_BLOCK, 10, 50, 2, 8, 60, 1, true, false, 0, 0},       // scrolled out of view
      {SELECT_BLOCK, 7, 7, 7, 7, 30, 4, true, true, 30, 4},         // one cell: the origin
  };
  for (const Case& c : cases) {
    Plot3DPlacement place{};
    EXPECT_EQ(Plot3DScrollPlacement(c.kind, c.rowFrom, c.rowTo, c.colFrom, c.colTo, c.top, c.left, c.vertical, &place),
              c.moves)
        << c.kind << " " << c.top;
    if (!c.moves) continue;
    EXPECT_EQ(place.iOriginRow, c.row);
    EXPECT_EQ(place.iOriginCol, c.col);
    EXPECT_EQ(place.iFocusRow, 0);
  }
}

TEST(Plot3DMenu, ItemsAndStatesInBothLanguages) {
  auto p = NewRecord();
  struct Language {
    bool chinese;
    const char* options;
    const char* trend;
    const char* range;
    const char* picture;
  } languages[] = {{false, "Select 3D Options", "Show Trendline", "Z range=[", "Save picture as ..."},
                   {true, "选择三维图风格", "显示趋势线", "Z 范围=[", "图片另存为 ..."}};
  for (const Language& l : languages) {
    LanguageSetChinese(l.chinese);
    const PopupMenuList menu = Plot3DMenu(*p);
    ASSERT_EQ(menu.items.size(), 6u);
    EXPECT_EQ(menu.items[0].iCommand, 40131);
    EXPECT_EQ(menu.items[0].szText, l.options);
    EXPECT_EQ(menu.items[1].iCommand, 40223);
    EXPECT_EQ(menu.items[1].szText, l.trend);
    EXPECT_TRUE(menu.items[1].bGrayed);  // grid mode: no trendline
    EXPECT_EQ(menu.items[2].iCommand, 40132);
    EXPECT_EQ(menu.items[3].iCommand, 40235);
    EXPECT_EQ(menu.items[4].iCommand, 40236);
    EXPECT_EQ(menu.items[5].iCommand, 40302);
    EXPECT_EQ(menu.items[5].szText, l.picture);
    EXPECT_FALSE(menu.items[5].bGrayed);
    EXPECT_EQ(Plot3DStatusLine(*p).rfind(l.range, 0), 0u);
  }
  LanguageSetChinese(false);
  // Coordinate mode offers the trendline; the scatter style has no export.
  p->iDataMode = PLOT3D_MODE_COORDINATES;
  p->iStyle = PLOT3D_SCATTER;
  p->bTrendlineShown = 1;
  const PopupMenuList menu = Plot3DMenu(*p);
  EXPECT_FALSE(menu.items[1].bGrayed);
  EXPECT_EQ(menu.items[1].szText, "Hide Trendline");
  EXPECT_TRUE(menu.items[2].bGrayed);
}
