// 3D plot frames on a 1600 x 900 client: projection and drawing of a
// surface of 120 x 120, a fast surface of 240 x 240 and a histogram of
// 120 x 120 with grid lines, each filled by the scanline filler into the
// image's pixels; the baseline of each is the same frame drawn with
// QPainter's drawPolygon and drawLine over the same faces. Also the data
// side of a 240 x 240 plot: transfer, layout, smoothing and colours, against
// reading the block's numbers.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/plot3d_colours.h"
#include "plots/plot3d_layout.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_transfer.h"
#include "plots/qt/plot3d_render.h"
#include "ratio_reporter.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

// A table of 240 x 240 numbers: a smooth hill with ripples.
TableRecord& HillTable() {
  static TableRecord* record = [] {
    TableRecord* t = TableAllocRecord();
    TableInitRecord(*t, OPEN_NEW, "bench", "");
    for (int r = 1; r <= 240; ++r) {
      for (int c = 1; c <= 240; ++c) {
        const double v = 100 * std::sin(r / 20.0) * std::cos(c / 25.0) + (r * c) % 7;
        TableStoreCellText(*t, r, c, FormatFixedPlaces(v, 2));
      }
    }
    return t;
  }();
  return *record;
}

// A plot of n x n nodes laid out for the client, in a style.
Plot3DRecord* MakePlot(int n, int style, bool grid) {
  Plot3DRecord* p = Plot3DAllocRecord();
  Plot3DTransferGrid(HillTable(), *p, Plot3DInitialPlacement(1, n, 1, n, n, n), n, n);
  // As after the window's first resize: the step that fills the client.
  Plot3DLayoutGrid(*p);
  Plot3DResize(*p, kWidth, kHeight);
  Plot3DLayoutGrid(*p);
  p->iStyle = style;
  p->bShowGrid = grid;
  Plot3DSmoothData(*p);
  Plot3DComputeColours(*p);
  return p;
}

// One frame: projection and drawing, by the scanline filler or QPainter.
void Frame(benchmark::State& state, int n, int style, bool grid, bool scanline) {
  Plot3DRecord* p = MakePlot(n, style, grid);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  double angle = 0.3927;
  for (auto _ : state) {
    p->dRotation = angle;
    angle = angle > 3 ? -3 : angle + 0.01;
    Plot3DProjectGrid(*p);
    Plot3DTarget target;
    if (scanline) target.pixels = Plot3DPixelsOf(image);
    target.iWidth = kWidth;
    target.iHeight = kHeight;
    QPainter painter(&image);
    target.painter = &painter;
    Plot3DDraw(*p, target);
  }
  Plot3DFreeRecord(p);
}

void ReadNumbers240(benchmark::State& state) {
  TableRecord& t = HillTable();
  for (auto _ : state) {
    double sum = 0;
    for (int r = 1; r <= 240; ++r) {
      for (int c = 1; c <= 240; ++c) sum += TextToDouble(TextOf(TableCellAt(t, r, c)->szText));
    }
    benchmark::DoNotOptimize(sum);
  }
}

void DataSide240(benchmark::State& state) {
  Plot3DRecord* p = Plot3DAllocRecord();
  for (auto _ : state) {
    Plot3DTransferGrid(HillTable(), *p, Plot3DInitialPlacement(1, 240, 1, 240, 240, 240), 240, 240);
    Plot3DResize(*p, kWidth, kHeight);
    p->bDataSmooth = 1;
    p->iDataSmoothCoef = 7;
    Plot3DLayoutGrid(*p);
    Plot3DSmoothData(*p);
    Plot3DComputeColours(*p);
  }
  Plot3DFreeRecord(p);
}

void Register(const char* name, int n, int style, bool grid, bool scanline) {
  benchmark::RegisterBenchmark(name, [=](benchmark::State& s) { Frame(s, n, style, grid, scanline); })
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

void RegisterPlot3DBenchmarks() {
  Register("baseline/qpainter_surface_120", 120, PLOT3D_SURFACE, false, false);
  Register("plot3d/surface_120", 120, PLOT3D_SURFACE, false, true);
  Register("baseline/qpainter_fast_surface_240", 240, PLOT3D_FAST_SURFACE, false, false);
  Register("plot3d/fast_surface_240", 240, PLOT3D_FAST_SURFACE, false, true);
  Register("baseline/qpainter_histogram_120_grid", 120, PLOT3D_HISTOGRAM, true, false);
  Register("plot3d/histogram_120_grid", 120, PLOT3D_HISTOGRAM, true, true);
  benchmark::RegisterBenchmark("baseline/read_numbers_240x240", ReadNumbers240)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plot3d/transfer_layout_smooth_colours_240", DataSide240)->Unit(benchmark::kMillisecond);
  AddRatio("plot3d/surface_120", "baseline/qpainter_surface_120");
  AddRatio("plot3d/fast_surface_240", "baseline/qpainter_fast_surface_240");
  AddRatio("plot3d/histogram_120_grid", "baseline/qpainter_histogram_120_grid");
  AddRatio("plot3d/transfer_layout_smooth_colours_240", "baseline/read_numbers_240x240");
}
