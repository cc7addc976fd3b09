// The chart layout on an 800 x 600 client: plot area, visible steps,
// baseline, scale and value-to-pixel conversion for each sign case, and
// the divisions by zero it must avoid.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "support/chart_fixture.h"

namespace {

constexpr double NONE = std::numeric_limits<double>::quiet_NaN();

TEST(ChartLayout, SignCasesOnAnEightHundredBySixHundredClient) {
  const struct {
    std::vector<double> values;
    int signCase, baseline, axis;
    double value1;
    int y1;
    double value2;
    int y2;
  } cases[] = {
      {{0, 40, 100}, 1, 550, 570, 100, 30, 50, 290},         // all positive: multiplier 520 / 100
      {{-50, 20, 150}, 0, 435, 435, 150, 30, -50, 570},      // mixed: 30 + 150 x 540 / 200
      {{-100, -40, -10}, -1, 50, 30, -10, 50, -100, 570},    // all negative
      {{7, 7, 7}, 1, 550, 570, 7, 30, 6, 550},               // all equal: 6 .. 7
      {{0, 10000}, 1, 550, 570, 10000, 34, 0, 550},          // divisor 10000 / 516
      {{NONE, NONE}, 1, 550, 570, 1, 30, 0, 550},            // no valid point: 0 .. 1
  };
  for (const auto& c : cases) {
    ChartPtr chart = NewChart();
    SetSeries(*chart, 0, c.values);
    ASSERT_EQ(ChartLayout(*chart, 800, 600), 0);
    EXPECT_EQ(chart->iPlotLeft, 20);
    EXPECT_EQ(chart->iPlotRight, 560);
    EXPECT_EQ(chart->iPlotTop, 30);
    EXPECT_EQ(chart->iPlotBottom, 570);
    EXPECT_EQ(chart->visibleCount, 18);
    EXPECT_EQ(chart->iSignCase, c.signCase) << c.value1;
    EXPECT_EQ(chart->iBaseline, c.baseline) << c.value1;
    EXPECT_EQ(chart->iAxisLine, c.axis) << c.value1;
    EXPECT_EQ(ValueToY(*chart, c.value1), c.y1) << c.value1;
    EXPECT_EQ(ValueToY(*chart, c.value2), c.y2) << c.value2;
    EXPECT_TRUE(std::isfinite(chart->dYMultiplier / chart->dYDivisor));
    EXPECT_NEAR(YToValue(*chart, c.y1), c.value1, std::abs(c.value1 - c.value2) / 100 + 1e-9);
  }
}

TEST(ChartLayout, TooSmallClientsHaveNoLayout) {
  for (const auto& size : {std::pair{800, 70}, std::pair{800, 33}, std::pair{18, 600}, std::pair{0, 0}}) {
    ChartPtr chart = NewChart();
    SetSeries(*chart, 0, {1, 2, 3});
    EXPECT_EQ(ChartLayout(*chart, size.first, size.second), -1) << size.first << "x" << size.second;
    EXPECT_EQ(chart->layoutValid, 0);
  }
}

TEST(ChartLayout, BarsWidenTheStepAndShareIt) {
  ChartPtr chart = NewChart();
  for (int s = 0; s < 5; ++s) SetSeries(*chart, s, {1, 2, 3});
  chart->chartKind = CHART_KIND_BAR;
  chart->stepPixels = 20;
  ASSERT_EQ(ChartLayout(*chart, 800, 600), 0);
  EXPECT_EQ(chart->stepPixels, 25);
  ChartBox bar{};
  ASSERT_TRUE(ChartBarBox(*chart, 1, 0, &bar));
  EXPECT_EQ(bar.iRight - bar.iLeft, 5);
  EXPECT_EQ(bar.iLeft, chart->iPlotLeft + 5 + 1);
}

TEST(ChartLayout, TheHighlightBringsTheViewOnlyWhileShown) {
  ChartPtr chart = NewChart();
  SetSeries(*chart, 0, std::vector<double>(200, 1.0));
  chart->firstVisible = 50;
  chart->highlightIndex = 0;
  ASSERT_EQ(ChartLayout(*chart, 800, 600), 0);
  EXPECT_EQ(chart->firstVisible, 50);  // a zoom keeps the first visible point
  chart->highlightShown = 1;
  chart->highlightIndex = 120;
  ASSERT_EQ(ChartLayout(*chart, 800, 600), 0);
  EXPECT_EQ(chart->firstVisible, 120 - 18 / 2);
}

TEST(ChartLayout, CoordinateAxesWithoutDivisionsByZero) {
  // All X equal: one unit per step; the points sit at plot left.
  ChartPtr chart = NewChart();
  SetSeries(*chart, 0, {1, 2, 3}, {5, 5, 5});
  chart->iXDeclsUsed = 1;
  for (int i = 0; i < 3; ++i) chart->xCoordDecl[0][i] = 0;
  ASSERT_EQ(ChartLayout(*chart, 800, 600), 0);
  EXPECT_EQ(chart->xAxisActive, 1);
  EXPECT_TRUE(std::isfinite(chart->dXScale));
  int position = 0;
  EXPECT_EQ(ChartPointX(*chart, 0, 1, &position), chart->iPlotLeft);

  // A bubble plot whose values are all equal: size 0 becomes the least size.
  ChartPtr bubble = NewChart();
  SetSeries(*bubble, 0, {4, 4, 4}, {1, 2, 3});
  for (int i = 0; i < 3; ++i) {
    bubble->yCoordFlag[0][i] = 'Y';
    bubble->yCoord[0][i] = i * 10.0;
  }
  ChartComputeStatistics(*bubble);
  ASSERT_EQ(ChartLayout(*bubble, 800, 600), 0);
  EXPECT_EQ(bubble->xAxisActive, 1);
  EXPECT_EQ(bubble->yAxisActive, 1);
  EXPECT_EQ(ChartBallSize(*bubble, 0, 1), 8);
  EXPECT_EQ(ValueToY(*bubble, 20), bubble->iPlotTop);
}

TEST(ChartSeriesColour, SeriesBeyondTheSeventhRepeatTheTable) {
  ChartPtr chart = NewChart();
  for (int s = 0; s < 30; ++s) SetSeries(*chart, s, {1});
  for (int s = 7; s < 30; ++s) {
    const RgbColour a = ChartSeriesColour(*chart, s, false);
    const RgbColour b = ChartSeriesColour(*chart, s % 7, false);
    EXPECT_EQ(a.iRed, b.iRed);
    EXPECT_EQ(a.iBlue, b.iBlue);
  }
}

}  // namespace
