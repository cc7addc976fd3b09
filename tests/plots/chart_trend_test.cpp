// The trendline fit against a long-double two-pass reference, its legend
// text, and "Adjust data" smoothing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plots/chart_trend.h"
#include "support/chart_fixture.h"

namespace {

constexpr double NONE = std::numeric_limits<double>::quiet_NaN();

// Slope and intercept by two passes in long double.
void ReferenceFit(const std::vector<double>& xs, const std::vector<double>& ys, long double* slope,
                  long double* intercept) {
  long double mx = 0;
  long double my = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    mx += xs[i];
    my += ys[i];
  }
  mx /= xs.size();
  my /= xs.size();
  long double sxx = 0;
  long double sxy = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    sxx += (xs[i] - mx) * (xs[i] - mx);
    sxy += (xs[i] - mx) * (ys[i] - my);
  }
  *slope = sxy / sxx;
  *intercept = my - *slope * mx;
}

TEST(ChartTrendline, FitsMatchTheReference) {
  const auto line = [](double x, double noise) { return 2 * x + 1 + noise; };
  struct Case {
    const char* name;
    std::vector<double> xs;
    std::vector<double> ys;
  };
  std::vector<Case> cases;
  Case exact{"exact", {1, 2, 3, 4, 5}, {}};
  for (double x : exact.xs) exact.ys.push_back(line(x, 0));
  cases.push_back(exact);
  Case noisy{"noisy", {}, {}};
  for (int i = 0; i < 40; ++i) {
    noisy.xs.push_back(i * 0.7);
    noisy.ys.push_back(line(i * 0.7, std::sin(i * 1.3)));
  }
  cases.push_back(noisy);
  Case dates{"date-like", {}, {}};
  for (int i = 0; i < 10; ++i) {
    dates.xs.push_back(20240101 + i);
    dates.ys.push_back(line(20240101 + i, i % 2 == 0 ? -0.5 : 0.5));
  }
  cases.push_back(dates);
  for (const Case& c : cases) {
    ChartPtr chart = NewChart();
    SetSeries(*chart, 0, c.ys, c.xs);
    chart->trendlineShown = 1;
    ChartFitTrendlines(*chart);
    ASSERT_EQ(chart->fitValid[0], 1) << c.name;
    long double slope = 0;
    long double intercept = 0;
    ReferenceFit(c.xs, c.ys, &slope, &intercept);
    EXPECT_NEAR(chart->fitSlope[0], static_cast<double>(slope), 1e-9 * std::abs(static_cast<double>(slope))) << c.name;
    // The intercept of date-like X carries the slope's error times 2e7.
    const double tolerance = std::max(1e-9, 1e-9 * std::abs(static_cast<double>(intercept)) * 10);
    EXPECT_NEAR(chart->fitIntercept[0], static_cast<double>(intercept), tolerance) << c.name;
    // Raw sums lose the dates' noise (2.0194 instead of 2.0303).
    if (c.xs[0] > 1e7) {
      EXPECT_NEAR(chart->fitSlope[0], 2.0303, 1e-4);
    }
  }
}

TEST(ChartTrendline, ConstantXAndMissingPointsGiveNoLine) {
  ChartPtr chart = NewChart();
  SetSeries(*chart, 0, {1, 2, 3}, {4, 4, 4});
  SetSeries(*chart, 1, {NONE, 2, NONE}, {1, 2, 3});  // one usable point
  SetSeries(*chart, 2, {1, 2, 3});                   // no X at all
  chart->trendlineShown = 1;
  ChartFitTrendlines(*chart);
  EXPECT_EQ(chart->fitValid[0], 0);
  EXPECT_EQ(chart->fitValid[1], 0);
  EXPECT_EQ(chart->fitValid[2], 0);
  EXPECT_EQ(TrendEquationText(*chart, 0), "");
}

TEST(ChartTrendline, LegendTexts) {
  const struct {
    double intercept;
    const char* text;
  } cases[] = {{1, "; y=2x+1"}, {-1, "; y=2x-1"}, {0, "; y=2x+0.0"}};
  for (const auto& c : cases) {
    ChartPtr chart = NewChart();
    SetSeries(*chart, 0, {2 + c.intercept, 4 + c.intercept, 6 + c.intercept}, {1, 2, 3});
    chart->trendlineShown = 1;
    ChartFitTrendlines(*chart);
    chart->fitSlope[0] = 2;  // exact values for the text
    chart->fitIntercept[0] = c.intercept;
    EXPECT_EQ(TrendEquationText(*chart, 0), c.text);
  }
}

TEST(ChartAdjustData, NeighbourMeansOverValidPointsOnly) {
  ChartPtr chart = NewChart();
  SetSeries(*chart, 0, {1, 3, 5, NONE, 9, 11});
  SetSeries(*chart, 1, {7});
  CopyText(chart->smoothingText, "3");
  ChartAdjustData(*chart);
  EXPECT_DOUBLE_EQ(chart->shownValue[0][0], 3);      // one neighbour at the end
  EXPECT_DOUBLE_EQ(chart->shownValue[0][1], 3);      // (1 + 5) / 2
  EXPECT_DOUBLE_EQ(chart->shownValue[0][2], 3);      // the invalid neighbour is left out
  EXPECT_DOUBLE_EQ(chart->shownValue[0][4], 11);
  EXPECT_DOUBLE_EQ(chart->shownValue[1][0], 7);      // no neighbour: unchanged
  CopyText(chart->smoothingText, "-3");
  ChartAdjustData(*chart);
  EXPECT_DOUBLE_EQ(chart->shownValue[0][1], 1.9 * 3 - 3);
  CopyText(chart->smoothingText, "0");
  ChartAdjustData(*chart);
  EXPECT_DOUBLE_EQ(chart->shownValue[0][1], 3);
  EXPECT_DOUBLE_EQ(chart->shownValue[0][2], 5);
}

}  // namespace
