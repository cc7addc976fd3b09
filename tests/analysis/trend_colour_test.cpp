// The trend colour rule over a table of cases, and tables coloured by row,
// by column, over all data and over the selection.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/trend_browse.h"
#include "analysis/trend_colour.h"
#include "support/fresh_table.h"

namespace {

struct HueCase {
  const char* szWhat;
  double dValue;
  double dMin;
  double dMax;
  int iHueStart;
  int iHueEnd;
  int iHue;
};

TEST(TrendColourRule, HueOverATableOfCases) {
  const double inf = std::numeric_limits<double>::infinity();
  const HueCase cases[] = {
      {"middle of 0..100 over hues 0..200", 50, 0, 100, 0, 200, 100},
      {"minimum takes H2", 0, 0, 100, 0, 200, 200},
      {"maximum takes H1", 100, 0, 100, 0, 200, 0},
      {"a range wider than the hues is divided", 500, 0, 1000, 0, 200, 100},
      {"a step of a wide range truncates", 7, 0, 1000, 0, 200, 199},
      {"maximum of a wide range is pinned to H1", 999.9999999, 0, 999.9999999, 0, 200, 0},
      {"other slider positions", 5, 0, 10, 40, 160, 100},
      {"equal extremes take H2", 7, 7, 7, 0, 200, 200},
      {"negative values", -75, -100, 0, 0, 200, 150},
      {"huge values", 0, -1e300, 1e300, 0, 200, 100},
      {"an infinite range takes H2", 3, -inf, inf, 0, 200, 200},
      {"a value outside the range stays within the hues", 1e9, 0, 100, 0, 200, 0},
  };
  for (const HueCase& c : cases) {
    EXPECT_EQ(TrendHue(c.dValue, TrendScale{c.dMin, c.dMax, c.iHueStart, c.iHueEnd}), c.iHue) << c.szWhat;
  }
}

TEST(TrendColourRule, ReliefAgainstTheLowerRightNeighbour) {
  const TrendScale narrow{0, 100, 0, 200};   // stretch 2
  const TrendScale wide{0, 1000, 0, 200};    // stretch 1
  const double lower = 40;
  const double higher = 90;
  const double same = 50;
  // No relief, or no numeric neighbour: saturation 230, lightness 120.
  EXPECT_EQ(TrendColour(50, narrow, false, &lower).iSat, 230);
  EXPECT_EQ(TrendColour(50, narrow, true, nullptr).iLum, 120);
  // Higher than the neighbour: saturation (230 - 10) x 2, at most 240.
  HlsColour c = TrendColour(50, narrow, true, &lower);
  EXPECT_EQ(c.iSat, 240);
  EXPECT_EQ(c.iLum, 100);
  c = TrendColour(500, wide, true, &lower);  // (230 - 460) x 1: at least 160
  EXPECT_EQ(c.iSat, 160);
  // Lower: lightness (100 + 40) x 2, at most 160; unstretched 100 + 40.
  EXPECT_EQ(TrendColour(50, narrow, true, &higher).iLum, 160);
  EXPECT_EQ(TrendColour(50, wide, true, &higher).iLum, 140);
  // Equal: the relief base.
  c = TrendColour(50, narrow, true, &same);
  EXPECT_EQ(c.iSat, 230);
  EXPECT_EQ(c.iLum, 100);
  EXPECT_EQ(c.iHue, 100);
}

// A table filled from rows of texts starting at R1C1.
void Fill(FreshTable& t, std::initializer_list<std::initializer_list<const char*>> rows) {
  int row = 1;
  for (const auto& line : rows) {
    int col = 1;
    for (const char* text : line) t.Store(row, col++, text);
    ++row;
  }
}

int HueAt(const FreshTable& t, int row, int col) { return CellTextHue(*TableCellAt(*t, row, col)); }

TEST(TrendColourTable, EachRowOnItsOwnByDefault) {
  FreshTable t;
  Fill(t, {{"1", "2", "3"}, {"100", "50", "0"}, {"5", "text", "5"}});
  TrendColourTable(*t);
  EXPECT_EQ(t->iColourState, COLOUR_STATE_TREND);
  EXPECT_EQ(TrendSettingsOf(*t).iDataSource, TREND_SOURCE_ALL);
  // The smallest of each row takes H2, the largest H1.
  EXPECT_EQ(HueAt(t, 1, 1), 200);
  EXPECT_EQ(HueAt(t, 1, 3), 0);
  EXPECT_EQ(HueAt(t, 2, 1), 0);
  EXPECT_EQ(HueAt(t, 2, 2), 100);
  EXPECT_EQ(HueAt(t, 2, 3), 200);
  // A constant row takes H2; a text keeps the default colour.
  EXPECT_EQ(HueAt(t, 3, 1), 200);
  EXPECT_EQ(HueAt(t, 3, 2), DEFAULT_TEXT_HUE);
}

TEST(TrendColourTable, ColumnsAllDataAndTheSelection) {
  FreshTable t;
  Fill(t, {{"0", "10"}, {"100", "20"}});
  TrendSettingsOf(*t).iCompareMode = TREND_COLUMN;
  TrendColourTable(*t);
  EXPECT_EQ(HueAt(t, 1, 1), 200);
  EXPECT_EQ(HueAt(t, 2, 1), 0);
  EXPECT_EQ(HueAt(t, 1, 2), 200);
  EXPECT_EQ(HueAt(t, 2, 2), 0);

  TrendSettingsOf(*t).iCompareMode = TREND_ALL_DATA;
  TrendColourTable(*t);
  EXPECT_EQ(HueAt(t, 1, 1), 200);
  EXPECT_EQ(HueAt(t, 1, 2), 180);  // 10 of 0..100 over 200 hues
  EXPECT_EQ(HueAt(t, 2, 1), 0);

  // A selected block of two cells is compared on its own; the rest stays
  // neutral.
  t->selRowFrom[0] = 1;
  t->selRowTo[0] = 2;
  t->selColFrom[0] = 2;
  t->selColTo[0] = 2;
  t->selKind[0] = 34;
  TrendColourTable(*t);
  EXPECT_EQ(TrendSettingsOf(*t).iDataSource, TREND_SOURCE_SELECTION);
  EXPECT_EQ(HueAt(t, 1, 2), 200);
  EXPECT_EQ(HueAt(t, 2, 2), 0);
  EXPECT_EQ(HueAt(t, 1, 1), TREND_NEUTRAL.iHue);
  EXPECT_EQ(CellTextSat(*TableCellAt(*t, 1, 1)), TREND_NEUTRAL.iSat);
}

}  // namespace

namespace {

// The browse panel's contents for a cell of a table coloured row by row.
TEST(TrendBrowseTest, TheCellItsNeighboursAndItsPlaceOnTheScale) {
  FreshTable t;
  const char* values[2][3] = {{"0", "50", "100"}, {"7", "text", "9"}};
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 3; ++c) t.Store(r + 1, c + 1, values[r][c]);
  }
  TrendSettingsOf(*t).iCompareMode = TREND_ROW;
  TrendColourTable(*t);

  TrendBrowseInfo info;
  ASSERT_TRUE(TrendBrowseInfoAt(*t, 1, 2, &info));
  EXPECT_TRUE(info.bScale);
  EXPECT_EQ(info.dMax, 100);
  EXPECT_EQ(info.dMin, 0);
  EXPECT_EQ(info.iMarkerStep, 100) << "(100 - 50) x 200 / 100";
  EXPECT_EQ(TrendBrowseCellLine(info), "Current [Row, Col]=[1,2]= 50");
  EXPECT_EQ(TrendBrowseRangeLine(info), "Data Max= 100 ; Min= 0.0 ");
  // The header row above is no neighbour; the cell is in the middle.
  EXPECT_FALSE(info.present[0]);
  EXPECT_TRUE(info.present[7]);
  const RgbColour mid = HlsToRgb(100, TREND_SATURATION, TREND_LIGHTNESS);
  EXPECT_EQ(info.neighbours[4].iRed, mid.iRed);
  EXPECT_EQ(info.neighbours[4].iBlue, mid.iBlue);

  // Row 2 is its own scale; a text has no place on it.
  ASSERT_TRUE(TrendBrowseInfoAt(*t, 2, 3, &info));
  EXPECT_EQ(info.dMax, 9);
  EXPECT_EQ(info.dMin, 7);
  EXPECT_EQ(info.iMarkerStep, 0);
  ASSERT_TRUE(TrendBrowseInfoAt(*t, 2, 2, &info));
  EXPECT_FALSE(info.bScale);
  EXPECT_EQ(TrendBrowseRangeLine(info), "");
  EXPECT_FALSE(TrendBrowseInfoAt(*t, 0, 2, &info)) << "a header cell";
}

}  // namespace
