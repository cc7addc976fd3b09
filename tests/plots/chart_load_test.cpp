// Loading series from a table's selection into a chart record: single
// cells, blocks, whole lines, the slot limits, coordinates and the tracking
// series.
#include <gtest/gtest.h>

#include <string>

#include "plots/chart_load.h"
#include "plots/plot_coordinates.h"
#include "plots/plot_table_state.h"
#include "support/fresh_table.h"
#include "table/table_init.h"
#include "table/table_range.h"
#include "support/chart_fixture.h"

namespace {

class ChartLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(table_.ok());
    ASSERT_TRUE(chart_);
  }
  // Fill rows 1..rows and columns 1..cols with row * 100 + col.
  void Fill(int rows, int cols) {
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) table_.Store(r, c, std::to_string(r * 100 + c));
    }
  }
  void Select(int r0, int c0, int r1, int c1, int kind = SELECT_BLOCK) {
    ResetSelection(*table_);
    table_->selRowFrom[0] = r0;
    table_->selColFrom[0] = c0;
    table_->selRowTo[0] = r1;
    table_->selColTo[0] = c1;
    table_->selKind[0] = kind;
  }
  void Load(int answer = DRAW_BY_COLUMN, int kind = CHART_KIND_LINE) { ChartLoadSeries(*chart_, *table_, kind, answer); }
  int Valid(int s, int i) const { return PointIsValid(*chart_, s, i) ? 1 : 0; }

  FreshTable table_;
  ChartPtr chart_ = NewChart();
};

TEST_F(ChartLoadTest, ASingleCellBecomesItsWholeRowOrColumn) {
  Fill(5, 4);
  Select(3, 2, 3, 2);
  EXPECT_TRUE(ChartLoadAsksMode(*table_));
  Load(DRAW_BY_ROW);
  EXPECT_EQ(table_->selKind[0], SELECT_ROWS);
  EXPECT_EQ(chart_->drawingMode, DRAW_BY_ROW);
  EXPECT_EQ(chart_->seriesCount, 1);
  EXPECT_EQ(std::string(TextOf(chart_->seriesName[0])), "3");
  EXPECT_EQ(chart_->pointCount[0], 4);
  EXPECT_DOUBLE_EQ(chart_->shownValue[0][1], 302);
  EXPECT_EQ(chart_->highlightNumber, 2);
  EXPECT_EQ(chart_->highlightShown, 1);

  Select(3, 2, 3, 2);
  Load(DRAW_BY_COLUMN);
  EXPECT_EQ(table_->selKind[0], SELECT_COLUMNS);
  EXPECT_EQ(std::string(TextOf(chart_->seriesName[0])), "2");
  EXPECT_EQ(chart_->pointCount[0], 5);
  EXPECT_DOUBLE_EQ(chart_->shownValue[0][4], 502);
  EXPECT_EQ(chart_->highlightNumber, 3);
}

TEST_F(ChartLoadTest, BlocksTakeTheirModeFromTheirShapeOrTheAnswer) {
  Fill(9, 3);
  table_.Store(7, 2, "text");
  // One column: by column without asking.
  Select(2, 3, 4, 3);
  EXPECT_FALSE(ChartLoadAsksMode(*table_));
  Load(DRAW_BY_ROW);
  EXPECT_EQ(chart_->drawingMode, DRAW_BY_COLUMN);
  EXPECT_EQ(chart_->seriesCount, 1);
  EXPECT_EQ(Valid(0, 0), 0);
  EXPECT_EQ(Valid(0, 1), 1);
  EXPECT_EQ(Valid(0, 3), 1);
  EXPECT_EQ(chart_->firstVisible, 1);

  // A block from row 5 drawn by column: points 0..3 stay invalid, the view
  // starts at point 4 and the text cell is no point.
  PlotStateOf(*table_).iDrawingMode = 0;
  Select(5, 1, 9, 2);
  EXPECT_TRUE(ChartLoadAsksMode(*table_));
  Load(DRAW_BY_COLUMN);
  ASSERT_EQ(chart_->seriesCount, 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Valid(0, i), 0) << i;
  EXPECT_EQ(Valid(0, 4), 1);
  EXPECT_EQ(Valid(1, 6), 0);
  EXPECT_EQ(chart_->firstVisible, 4);
  EXPECT_EQ(chart_->highlightIndex, 4);
  EXPECT_DOUBLE_EQ(chart_->dMaxValue, 902);
  EXPECT_DOUBLE_EQ(chart_->dMinValue, 501);

  // The same block by row: one series per row.
  PlotStateOf(*table_).iDrawingMode = 0;
  Load(DRAW_BY_ROW);
  EXPECT_EQ(chart_->seriesCount, 5);
  EXPECT_EQ(std::string(TextOf(chart_->seriesName[0])), "5");
}

TEST_F(ChartLoadTest, SeriesStopAtTheirSlots) {
  Fill(3, 45);
  const struct {
    int columns;
    int series;
    int dropped;
  } cases[] = {{40, 29, 11}, {30, 30, 0}, {29, 29, 0}};
  for (const auto& c : cases) {
    Select(1, 1, table_->iRows - 1, c.columns, SELECT_COLUMNS);
    Load();
    EXPECT_EQ(chart_->seriesCount, c.series) << c.columns;
    EXPECT_EQ(chart_->iDroppedSeries, 0) << c.columns;  // cut silently within a range
    EXPECT_EQ(chart_->pointCount[0], 3);
  }
  // Two ranges that together need more than 30 slots: the surplus goes.
  Select(1, 1, table_->iRows - 1, 20, SELECT_COLUMNS);
  table_->iSelCurrent = 1;
  table_->selKind[1] = SELECT_COLUMNS;
  table_->selRowFrom[1] = 1;
  table_->selRowTo[1] = table_->iRows - 1;
  table_->selColFrom[1] = 21;
  table_->selColTo[1] = 40;
  Load();
  EXPECT_EQ(chart_->seriesCount, 30);
  EXPECT_EQ(chart_->iDroppedSeries, 10);
}

TEST_F(ChartLoadTest, PointsBeyondTheSlotsOfATallTableAreDropped) {
  ASSERT_EQ(SetImportTableSize(*table_, TABLE_MAX_DIMENSION, 51), 0);
  for (int r = 16000; r <= 16010; ++r) table_.Store(r, 1, std::to_string(r));
  table_.Store(15010, 1, "15010");
  Select(15010, 1, 16010, 1);
  Load();
  EXPECT_EQ(chart_->seriesCount, 1);
  EXPECT_EQ(Valid(0, 15009), 1);  // row 15,010 is the last slot
  EXPECT_EQ(chart_->iDroppedPoints, 1000);
  EXPECT_LE(chart_->pointCount[0], CHART_POINTS);
  // A whole column of the tall table is cut to its first 15,009 rows.
  Select(1, 1, table_->iRows - 1, 1, SELECT_COLUMNS);
  Load();
  EXPECT_EQ(chart_->pointCount[0], CHART_POINTS - 1);
  EXPECT_EQ(chart_->iDroppedPoints, 0);
}

TEST_F(ChartLoadTest, DeclaredCoordinatesMakeAScatterPlot) {
  Fill(6, 3);
  Select(1, 1, 6, 1);
  ASSERT_EQ(CoordinatePendingSet(*table_, COORD_X), 0);
  Select(1, 2, 6, 3);
  ASSERT_EQ(CoordinateStoreData(*table_), 1);
  Select(1, 2, 6, 3);
  Load(DRAW_BY_COLUMN);
  EXPECT_EQ(chart_->chartKind, CHART_KIND_SCATTER);
  EXPECT_EQ(chart_->xCoordFlag[0][2], 'Y');
  EXPECT_DOUBLE_EQ(chart_->xCoord[0][2], 301);
  EXPECT_DOUBLE_EQ(chart_->minXDifference, 100);
}

TEST_F(ChartLoadTest, TheTrackingSeriesIsReplacedUnlessKept) {
  Fill(8, 6);
  Select(1, 2, table_->iRows - 1, 3, SELECT_COLUMNS);
  Load();
  ASSERT_EQ(chart_->seriesCount, 2);
  chart_->visibleCount = 10;
  table_->iBrowseRow = 4;
  table_->iBrowseCol = 5;
  EXPECT_EQ(ChartTrackCell(*chart_, *table_), 1);
  EXPECT_EQ(chart_->seriesCount, 3);
  EXPECT_EQ(std::string(TextOf(chart_->seriesName[2])), "5");
  EXPECT_EQ(chart_->highlightNumber, 4);
  EXPECT_EQ(ChartTrackCell(*chart_, *table_), 0);  // the same cell again
  table_->iBrowseCol = 6;
  EXPECT_EQ(ChartTrackCell(*chart_, *table_), 1);
  EXPECT_EQ(chart_->seriesCount, 3);
  EXPECT_EQ(std::string(TextOf(chart_->seriesName[2])), "6");
  // A kept tracking series stays; the next one comes after it.
  chart_->seriesPresent[2] = 1;
  table_->iBrowseCol = 1;
  EXPECT_EQ(ChartTrackCell(*chart_, *table_), 1);
  EXPECT_EQ(chart_->seriesCount, 4);
  // Every slot kept: no tracking series, and nothing written past them.
  for (int s = 0; s < CHART_SERIES; ++s) chart_->seriesPresent[s] = 1;
  chart_->seriesCount = CHART_SERIES;
  table_->iBrowseCol = 2;
  EXPECT_EQ(ChartTrackCell(*chart_, *table_), 0);
  EXPECT_EQ(chart_->seriesCount, CHART_SERIES);
}

TEST(ChartStatistics, SortedAndReversedXValuesGiveTheSmallestDifference) {
  ChartPtr c = NewChart();
  std::vector<double> values(CHART_POINTS - 1, 1.0);
  std::vector<double> xs(values.size());
  for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>(i) * 0.5;
  SetSeries(*c, 0, values, xs);
  std::reverse(xs.begin(), xs.end());
  SetSeries(*c, 1, values, xs);
  EXPECT_DOUBLE_EQ(c->minXDifference, 0.5);
}

}  // namespace
