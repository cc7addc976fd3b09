// Coordinate mode of the 3D plot: points binned by their X and Y, the
// limits of 240 distinct values and 60 points a bin, the trendline fit and
// its equation texts, and bubble sizes.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "platform/number_text.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_layout.h"
#include "plots/plot3d_transfer.h"
#include "plots/plot_coordinates.h"
#include "support/fresh_table.h"

namespace {

struct RecordDeleter {
  void operator()(Plot3DRecord* p) const { Plot3DFreeRecord(p); }
};
using RecordPtr = std::unique_ptr<Plot3DRecord, RecordDeleter>;

RecordPtr NewRecord() {
  RecordPtr p(Plot3DAllocRecord());
  Plot3DResize(*p, 800, 650);
  return p;
}

// Declaration `slot`: coordinate cells (r0, c0)-(r1, c1) of `kind` serving
// data rows d0..d1 and columns e0..e1.
void Declare(TableRecord& t, int slot, int kind, int r0, int c0, int r1, int c1, int d0, int d1, int e0, int e1) {
  const int orientation = c0 == c1 ? COORD_DOWN_COLUMN : COORD_ALONG_ROW;
  t.coordinateDecl[static_cast<std::size_t>(slot)] = {kind, orientation, r0, r1, c0, c1, d0, d1, e0, e1};
}

Plot3DPlacement Origin(int row, int col) { return Plot3DPlacement{row, col, 0, 0}; }

}  // namespace

TEST(Plot3DCoordinates, EquationTexts) {
  EXPECT_EQ(Plot3DEquationText("y", 2, 1), "y=2x+1");
  EXPECT_EQ(Plot3DEquationText("z", 0.5, -3), "z=0.5x-3");
}

TEST(Plot3DCoordinates, FitKeepsItsCoefficientsInDataUnits) {
  // Far from the origin, where uncentred sums lose the slope.
  double xs[50], ys[50], zs[50];
  for (int i = 0; i < 50; ++i) {
    xs[i] = 1.0e7 + i;
    ys[i] = 2 * xs[i] + 1;
    zs[i] = 0.5 * xs[i] - 3;
  }
  Plot3DFit fit{};
  ASSERT_TRUE(Plot3DFitLines(xs, ys, zs, 50, &fit));
  EXPECT_NEAR(fit.dSlopeY, 2, 1e-9);
  EXPECT_NEAR(fit.dInterceptY, 1, 1e-3);
  EXPECT_NEAR(fit.dSlopeZ, 0.5, 1e-9);
  EXPECT_NEAR(fit.dInterceptZ, -3, 1e-3);
  // One distinct X gives no line.
  const double same[3] = {4, 4, 4};
  EXPECT_FALSE(Plot3DFitLines(same, ys, zs, 3, &fit));
  EXPECT_FALSE(Plot3DFitLines(xs, ys, zs, 1, &fit));
}

TEST(Plot3DCoordinates, PointsAreBinnedByTheirXAndY) {
  FreshTable t;
  // X down column 1, Y along row 1, data in rows 2..4, columns 2..3.
  for (int r = 2; r <= 4; ++r) t.Store(r, 1, FormatInt(r * 10));
  for (int c = 2; c <= 3; ++c) t.Store(1, c, FormatInt(c * 100));
  for (int r = 2; r <= 4; ++r) {
    for (int c = 2; c <= 3; ++c) t.Store(r, c, FormatInt(r + c));
  }
  Declare(*t, 0, COORD_X, 2, 1, 4, 1, 2, 4, 2, 3);
  Declare(*t, 1, COORD_Y, 1, 2, 1, 3, 2, 4, 2, 3);
  auto p = NewRecord();
  ASSERT_EQ(Plot3DTransferCoordinates(*t, *p, Origin(2, 2), 3, 2), 0);
  EXPECT_EQ(p->iDataMode, PLOT3D_MODE_COORDINATES);
  EXPECT_EQ(p->iStyle, PLOT3D_SCATTER);
  EXPECT_EQ(p->nXValues, 3);
  EXPECT_EQ(p->nYValues, 2);
  EXPECT_EQ(p->iRows, 2);
  EXPECT_EQ(p->iCols, 3);
  EXPECT_DOUBLE_EQ(p->xValues[0], 20);
  EXPECT_DOUBLE_EQ(p->yValues[1], 300);
  EXPECT_EQ(p->bins->count[1][2], 1);  // Y 300, X 40: cell (4, 3)
  EXPECT_EQ(p->bFitValid, 1);
  // Heights span half the plot height; the largest is red, the smallest blue.
  EXPECT_DOUBLE_EQ(p->bins->z[1][2][0], p->dHalfHeight);
  EXPECT_DOUBLE_EQ(p->bins->z[0][0][0], 0);
}

TEST(Plot3DCoordinates, ValuesBeyond240AndPointsBeyond60AreDroppedAndCounted) {
  FreshTable t;
  // Two X declarations over the two halves of a 240 x 200 block give 480
  // distinct X values (data in columns 2, 101 and 200).
  for (int r = 2; r <= 241; ++r) {
    t.Store(r, 1, FormatInt(r));
    t.Store(r, 300, FormatInt(r + 1000));
  }
  for (int r = 2; r <= 241; ++r) {
    for (int c = 2; c <= 201; c += 99) t.Store(r, c, "1");
  }
  Declare(*t, 0, COORD_X, 2, 1, 241, 1, 2, 241, 2, 100);
  Declare(*t, 1, COORD_X, 2, 300, 241, 300, 2, 241, 101, 201);
  auto p = NewRecord();
  ASSERT_EQ(Plot3DTransferCoordinates(*t, *p, Origin(2, 2), 240, 200), 0);
  // The first 240 distinct values met (row by row, both halves) are kept:
  // rows 2..121 of each half; the points of rows 122..241 are left out.
  EXPECT_EQ(p->nXValues, 240);
  EXPECT_EQ(p->nAxisDropped, 120 * 3);
  EXPECT_DOUBLE_EQ(p->xValues[119], 121);
  EXPECT_DOUBLE_EQ(p->xValues[239], 1121);

  // 61 points with one (X, Y): the last is left out.
  FreshTable bin;
  for (int r = 1; r <= 61; ++r) {
    bin.Store(r, 1, "5");
    bin.Store(r, 2, FormatInt(r));
  }
  Declare(*bin, 0, COORD_X, 1, 1, 61, 1, 1, 61, 2, 2);
  auto q = NewRecord();
  ASSERT_EQ(Plot3DTransferCoordinates(*bin, *q, Origin(1, 2), 61, 1), 0);
  EXPECT_EQ(q->bins->count[0][0], 60);
  EXPECT_EQ(q->bins->nDroppedPoints, 1);
}

TEST(Plot3DCoordinates, BubbleSizesStayWithinTheirBounds) {
  auto p = NewRecord();
  p->bZDeclared = 1;
  p->dVMin = 0;
  p->dVMax = 100;
  for (int step : {1, 3, 5, 20, 60}) {
    p->iGridStep = step;
    for (double v : {0.0, 1.0, 50.0, 100.0, 1e9, -1e9, std::nan("")}) {
      const int size = Plot3DPointSize(*p, v);
      EXPECT_GE(size, 10) << step << " " << v;
      EXPECT_LE(size, std::max(10, 2 * step)) << step << " " << v;
    }
  }
  p->bZDeclared = 0;
  p->iGridStep = 50;
  EXPECT_EQ(Plot3DPointSize(*p, 7), 35);
  p->iGridStep = 2;
  EXPECT_EQ(Plot3DPointSize(*p, 7), 10);
}
