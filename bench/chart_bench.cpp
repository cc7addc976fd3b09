// Chart benchmarks on a 1600 x 900 image: layout and paint of a line chart
// of 16,000 points and of a scatter plot of 16,000 balls (two series of
// 8,000 each), the largest chart
// the record holds (30 series x 15,009 points), and one crosshair move
// (the status band and the two one-pixel strips, without drawing the
// chart). Baselines: a plain QPainter drawLine loop and a drawPolygon loop
// of small squares over the same points.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/chart_layout.h"
#include "plots/chart_load.h"
#include "plots/chart_notes.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot_canvas.h"
#include "ratio_reporter.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kSeries = 2;     // 16,000 points: two series of 8,000
constexpr int kPoints = 8000;

struct Freed {
  void operator()(ChartRecord* c) const { ChartFreeRecord(c); }
};

// Series whose points have X coordinates 0 .. count - 1 and wavy values,
// with an X unit that puts every point inside the plot.
std::unique_ptr<ChartRecord, Freed> WaveChart(int series, int count, int kind) {
  std::unique_ptr<ChartRecord, Freed> c(ChartAllocRecord());
  if (!c) return c;
  series = std::min(series, CHART_SERIES);
  count = std::min(count, CHART_POINTS);
  ChartInitRecord(*c);
  for (int s = 0; s < series; ++s) {
    CopyText(c->seriesName[s], FormatInt(s + 1));
    c->seriesPresent[s] = 1;
    for (int i = 0; i < count; ++i) {
      const double v = 100 * std::sin(i * 0.01 + s) + 20 * std::sin(i * 0.37) + s * 10;
      c->pointValid[s][i] = 'Y';
      c->loadedValue[s][i] = c->shownValue[s][i] = v;
      c->xCoordFlag[s][i] = 'Y';
      c->xCoord[s][i] = i;
    }
    c->pointCount[s] = count;
  }
  c->seriesCount = series;
  c->maxPointCount = count;
  c->chartKind = kind;
  c->stepPixels = 2;
  c->dataLoaded = 1;
  c->scrollReady = 1;
  ChartComputeStatistics(*c);
  // One step of 2 pixels holds enough X units for the whole range.
  c->xUnitMode = X_UNIT_CUSTOM;
  c->customXUnit = std::ceil(count / ((kWidth * 7 / 10 - kWidth / 40) / 2.0 - 1));
  return c;
}

// The pixels of the chart's points (the baselines draw the same ones).
std::vector<QPoint> PointsOf(const ChartRecord& c, int series) {
  std::vector<QPoint> points;
  for (int i = 0; i < c.pointCount[series]; ++i) {
    int x = 0;
    int y = 0;
    if (ChartPointPixel(c, series, i, &x, &y)) points.emplace_back(x, y);
  }
  return points;
}

void BaselineLines(benchmark::State& state) {
  auto c = WaveChart(kSeries, kPoints, CHART_KIND_LINE);
  ChartLayout(*c, kWidth, kHeight);
  const std::vector<QPoint> lines[kSeries] = {PointsOf(*c, 0), PointsOf(*c, 1)};
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    p.fillRect(0, 0, kWidth, kHeight, Qt::white);
    p.setPen(Qt::red);
    for (const std::vector<QPoint>& points : lines) {
      for (std::size_t i = 1; i < points.size(); ++i) p.drawLine(points[i - 1], points[i]);
    }
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["points"] = static_cast<double>(lines[0].size() + lines[1].size());
}

void BaselineSquares(benchmark::State& state) {
  auto c = WaveChart(kSeries, kPoints, CHART_KIND_SCATTER);
  ChartLayout(*c, kWidth, kHeight);
  std::vector<QPoint> points = PointsOf(*c, 0);
  const std::vector<QPoint> second = PointsOf(*c, 1);
  points.insert(points.end(), second.begin(), second.end());
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    p.fillRect(0, 0, kWidth, kHeight, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    for (const QPoint& at : points) {
      const QPoint square[4] = {at + QPoint(-2, -2), at + QPoint(2, -2), at + QPoint(2, 2), at + QPoint(-2, 2)};
      p.drawPolygon(square, 4);
    }
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["points"] = static_cast<double>(points.size());
}

void LayoutAndPaint(benchmark::State& state, int series, int count, int kind) {
  auto c = WaveChart(series, count, kind);
  if (!c) {
    state.SkipWithError("out of memory");
    return;
  }
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    ChartLayout(*c, kWidth, kHeight);
    QPainter p(&image);
    ChartPaint(*c, p, kWidth, kHeight);
    benchmark::DoNotOptimize(image.constBits());
  }
  if (const char* dump = std::getenv("CHART_BENCH_DUMP")) image.save(QString::fromUtf8(dump) + QString::number(kind) + ".png");
  state.counters["points"] = static_cast<double>(series) * PointsOf(*c, 0).size();
}

void LineChart(benchmark::State& state) { LayoutAndPaint(state, kSeries, kPoints, CHART_KIND_LINE); }
void ScatterChart(benchmark::State& state) { LayoutAndPaint(state, kSeries, kPoints, CHART_KIND_SCATTER); }
void LargestChart(benchmark::State& state) { LayoutAndPaint(state, CHART_SERIES, CHART_POINTS - 1, CHART_KIND_LINE); }

// A crosshair move: the status text, the status band drawn into the
// chart's image, and the shown image's two old and two new one-pixel
// strips with the exclusive-or lines over them.
void CrosshairMove(benchmark::State& state) {
  auto c = WaveChart(kSeries, kPoints, CHART_KIND_LINE);
  ChartLayout(*c, kWidth, kHeight);
  QImage chart(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&chart);
    ChartPaint(*c, p, kWidth, kHeight);
  }
  QImage screen = chart;
  const QColor orange(254, 154, 18);
  int x = 300;
  int y = 300;
  for (auto _ : state) {
    const int oldX = x;
    const int oldY = y;
    x = 300 + (x + 7) % 700;
    y = 100 + (y + 5) % 600;
    CopyText(c->statusText, ChartMouseStatus(*c, x, y));
    QPainter band(&chart);
    ChartPaintStatus(*c, band, kWidth, kHeight);
    band.end();
    QPainter p(&screen);
    for (const QRect& strip : {QRect(0, oldY, kWidth, 1), QRect(oldX, 0, 1, kHeight), QRect(0, y, kWidth, 1),
                               QRect(x, 0, 1, kHeight), QRect(0, kHeight - 20, kWidth, 20)}) {
      p.drawImage(strip.topLeft(), chart, strip);
    }
    XorHorizontal(p, 0, kWidth, y, orange);
    XorVertical(p, x, 0, y, orange);
    XorVertical(p, x, y + 1, kHeight, orange);
    benchmark::DoNotOptimize(screen.constBits());
  }
}

}  // namespace

void RegisterChartBenchmarks() {
  benchmark::RegisterBenchmark("baseline/lines_16000_1600x900", BaselineLines)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/squares_16000_1600x900", BaselineSquares)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("chart/line_16000_points", LineChart)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("chart/scatter_16000_balls", ScatterChart)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("chart/largest_30x15009", LargestChart)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("chart/crosshair_move", CrosshairMove)->Unit(benchmark::kMillisecond);
  AddRatio("chart/line_16000_points", "baseline/lines_16000_1600x900");
  AddRatio("chart/scatter_16000_balls", "baseline/squares_16000_1600x900");
  AddRatio("chart/largest_30x15009", "baseline/lines_16000_1600x900");
  AddRatio("chart/crosshair_move", "baseline/lines_16000_1600x900");
}
