// Painting benchmarks: one full repaint of a 1920 x 1080 client whose
// visible cells all hold numbers, at the top of a normal table and on the
// last page of a 16,385-row table. Baseline: filling the same image white.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>

#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "ratio_reporter.h"
#include "table/cell_store.h"
#include "table/qt/table_paint.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A record whose cells in view all hold numbers.
class NumberTable {
 public:
  NumberTable(int rows, int cols, int topRow) : record_(TableAllocRecord()) {
    if (!record_) return;
    TableInitRecord(*record_, OPEN_NEW, "New Table", "");
    if (rows != TABLE_NORMAL_ROWS) {
      SetImportTableSize(*record_, rows, cols);
      RelabelHeaders(*record_);
    }
    record_->iTopRow = topRow;
    record_->iClientWidth = kWidth;
    record_->iClientHeight = kHeight;
    for (int r = topRow; r < std::min(rows, topRow + 70); ++r) {
      for (int c = 1; c < 30; ++c) TableStoreCellText(*record_, r, c, FormatFixedPlaces((r - topRow) * 0.25 + c, 2));  // same texts on every page
    }
  }
  ~NumberTable() { TableFreeRecord(record_); }
  NumberTable(const NumberTable&) = delete;
  NumberTable& operator=(const NumberTable&) = delete;
  TableRecord* get() const { return record_; }

 private:
  TableRecord* record_;
};

void BaselineFillImage(benchmark::State& state) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    p.fillRect(0, 0, kWidth, kHeight, Qt::white);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void Repaint(benchmark::State& state, int rows, int cols, int topRow) {
  NumberTable table(rows, cols, topRow);
  if (!table.get()) {
    state.SkipWithError("out of memory");
    return;
  }
  const TableFonts fonts = MakeTableFonts();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    TablePaintRecord(*table.get(), p, kWidth, kHeight, fonts);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void RepaintNormalTable(benchmark::State& state) { Repaint(state, TABLE_NORMAL_ROWS, TABLE_NORMAL_COLS, 1); }

void RepaintLastPageOfTallTable(benchmark::State& state) {
  Repaint(state, TABLE_MAX_DIMENSION, TABLE_MIN_DIMENSION, TABLE_MAX_DIMENSION - 55);
}

// The colour map of a full 16,385 x 51 table of numbers coloured row by row
// with relief: 9-pixel squares in the cells' colours.
void RepaintColourMap(benchmark::State& state) {
  TableRecord* t = TableAllocRecord();
  if (!t) {
    state.SkipWithError("out of memory");
    return;
  }
  TableInitRecord(*t, OPEN_NEW, "New Table", "");
  SetImportTableSize(*t, TABLE_MAX_DIMENSION, TABLE_MIN_DIMENSION);
  RelabelHeaders(*t);
  for (int r = 1; r < TABLE_MAX_DIMENSION; ++r) {
    for (int c = 1; c < TABLE_MIN_DIMENSION; ++c) TableStoreCellText(*t, r, c, FormatInt((r * 37 + c * 101) % 9973));
  }
  TrendSettingsOf(*t).iRelief = TREND_RELIEF_ON;
  TrendColourTable(*t);
  t->colWidth.fill(9);
  t->rowHeight.fill(9);
  t->bImageView = 1;
  t->bLinked = 1;
  t->iClientWidth = kWidth;
  t->iClientHeight = kHeight;
  const TableFonts fonts = MakeTableFonts();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    TablePaintRecord(*t, p, kWidth, kHeight, fonts);
    benchmark::DoNotOptimize(image.constBits());
  }
  TableFreeRecord(t);
}

}  // namespace

void RegisterPaintBenchmarks() {
  benchmark::RegisterBenchmark("baseline/fill_1920x1080", BaselineFillImage)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("paint/full_repaint_1920x1080", RepaintNormalTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("paint/last_page_16385_rows", RepaintLastPageOfTallTable)->Unit(benchmark::kMillisecond);
  AddRatio("paint/full_repaint_1920x1080", "baseline/fill_1920x1080");
  AddRatio("paint/last_page_16385_rows", "baseline/fill_1920x1080");
  benchmark::RegisterBenchmark("paint/colour_map_16384x50_1920x1080", RepaintColourMap)->Unit(benchmark::kMillisecond);
  AddRatio("paint/colour_map_16384x50_1920x1080", "baseline/fill_1920x1080");
}
