// Printing and export benchmarks on Qt's offscreen platform: a table of
// 16,384 rows x 10 fields printed to a PDF file, one chart page, a
// 1920 x 1080 window image for the clipboard and the text export of a
// 240 x 240 3D grid. Baselines: Qt writing the same number of PDF pages of
// plain text rows, copying a 1920 x 1080 image, formatting the 57,600
// numbers of the grid.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "output/plot_data_export.h"
#include "output/qt/picture_files.h"
#include "output/qt/print_surface_qt.h"
#include "output/qt/window_painters.h"
#include "output/table_print.h"
#include "output/window_picture.h"
#include "platform/clipboard.h"
#include "platform/backend.h"
#include "platform/number_text.h"
#include "platform/qt/qt_backend.h"
#include "platform/text_buffer.h"
#include "plots/chart_layout.h"
#include "plots/chart_load.h"
#include "plots/chart_record.h"
#include "plots/qt/chart_paint.h"
#include "ratio_reporter.h"
#include "table/cell_store.h"
#include "table/number_format.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kRows = 16384;
constexpr int kFields = 10;

std::string PdfPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// A table of 16,384 rows x 10 columns of numbers and short texts.
TableRecord& PrintTable() {
  static TableRecord* record = [] {
    TableRecord* t = TableAllocRecord();
    TableInitRecord(*t, OPEN_NEW, "bench", "");
    SetImportTableSize(*t, kRows + 1, 51);  // 51 columns: the smallest table width
    RelabelHeaders(*t);
    for (int r = 1; r <= kRows; ++r) {
      for (int c = 1; c <= kFields; ++c) {
        TableStoreCellText(*t, r, c, c % 3 == 0 ? "text " + FormatInt(r) : FormatFixedPlaces(r * 0.25 + c, 2));
      }
    }
    return t;
  }();
  return *record;
}

PrintSetupModel PdfSetup(const char* name) {
  PrintSetupModel setup;
  setup.szOutputFile = PdfPath(name);
  return setup;
}

// Pages the table takes on a portrait PDF page.
int TablePages() {
  const std::unique_ptr<PrintSurface> surface = OpenQtPrinter(PdfSetup("probe.pdf"), "probe");
  const TablePrintLayout layout = TablePrintLayoutOf(PrintTable());
  const int width = PrintPageWidth(layout, surface->ScreenWidth());
  const int perPage = PrintRowsPerPage(PrintPageHeight(width, surface->PageWidth(), surface->PageHeight()));
  return PrintPageCount(layout.iEndRow - layout.iFirstRow, perPage);
}

// Qt alone: the same number of pages, each row one line of plain text
// holding the row's texts.
void BaselineTextPages(benchmark::State& state) {
  const int pages = TablePages();
  const int perPage = (kRows + pages - 1) / pages;
  const TableRecord& t = PrintTable();
  std::vector<QString> lines;
  for (int r = 1; r <= kRows; ++r) {
    std::string line = TableCellDisplayText(t, r, 0);
    for (int c = 1; c <= kFields; ++c) line += "  " + TableCellDisplayText(t, r, c);
    lines.push_back(QString::fromStdString(line));
  }
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(PdfPath("baseline.pdf")));
    QPainter painter(&printer);
    const double scale = printer.width() / 2739.0;
    painter.scale(scale, scale);
    QFont font;
    font.setPixelSize(12);
    painter.setFont(font);
    std::size_t row = 0;
    for (int page = 0; page < pages; ++page) {
      if (page > 0) printer.newPage();
      for (int i = 0; i < perPage && row < lines.size(); ++i, ++row) painter.drawText(5, 43 + 20 * i, lines[row]);
    }
    painter.end();
  }
  state.counters["pages"] = pages;
}

void TableToPdf(benchmark::State& state) {
  TableRecord& t = PrintTable();
  for (auto _ : state) {
    const std::unique_ptr<PrintSurface> surface = OpenQtPrinter(PdfSetup("table.pdf"), "Information");
    DrawTablePages(t, TablePrintLayoutOf(t), *surface);
    surface->Finish();
  }
  state.counters["pages"] = TablePages();
  state.counters["fields"] = static_cast<double>(TablePrintLayoutOf(t).fields.size());
  state.counters["rows"] = TablePrintLayoutOf(t).iEndRow;
}

// A line chart of two series of 2,000 points.
ChartRecord* BenchChart() {
  static ChartRecord* chart = [] {
    ChartRecord* c = ChartAllocRecord();
    ChartInitRecord(*c);
    for (int s = 0; s < 2; ++s) {
      CopyText(c->seriesName[s], FormatInt(s + 1));
      c->seriesPresent[s] = 1;
      for (int i = 0; i < 2000; ++i) {
        c->pointValid[s][i] = 'Y';
        c->loadedValue[s][i] = c->shownValue[s][i] = 100 * std::sin(i * 0.01 + s) + 20 * std::sin(i * 0.37);
      }
      c->pointCount[s] = 2000;
    }
    c->seriesCount = 2;
    c->maxPointCount = 2000;
    c->dataLoaded = 1;
    c->scrollReady = 1;
    ChartComputeStatistics(*c);
    return c;
  }();
  return chart;
}

int gWidth = 1600;
int gHeight = 900;

// The bench's chart as the painted window, at the size asked for.
void UseChartPainter(int width, int height) {
  gWidth = width;
  gHeight = height;
  ChartRecord* c = BenchChart();
  c->iClientWidth = width;
  c->iClientHeight = height;
  ChartLayout(*c, width, height);
  WindowPainters().pfnPaint = [](WindowHandle, QPainter& p, int w, int h) {
    ChartPaint(*BenchChart(), p, w, h);
    return 0;
  };
  WindowPainters().pfnSize = [](WindowHandle, int* w, int* h) {
    *w = gWidth;
    *h = gHeight;
    return 0;
  };
}

void ChartPage(benchmark::State& state) {
  UseChartPainter(1600, 900);
  for (auto _ : state) {
    const std::unique_ptr<PrintSurface> surface = OpenQtPrinter(PdfSetup("chart.pdf"), "PrintAccess");
    WindowPictureProducer(WindowHandle::None, 1600, 900)(*surface);
    surface->Finish();
  }
}

void BaselineOnePage(benchmark::State& state) {
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(PdfPath("one.pdf")));
    QPainter painter(&printer);
    for (int i = 0; i < 60; ++i) painter.drawText(100, 100 + 150 * i, QString("row %1 of plain text").arg(i));
    painter.end();
  }
}

void BaselineImageCopy(benchmark::State& state) {
  QImage image(1920, 1080, QImage::Format_ARGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    QImage copy = image.copy();
    benchmark::DoNotOptimize(copy.bits());
  }
}

// The chart painted into an image and put on Qt's clipboard, as the
// program does (the Qt backend, not the headless one, holds the image).
void WindowImageForClipboard(benchmark::State& state) {
  UseChartPainter(1920, 1080);
  QtBackend backend;
  SetBackend(&backend);
  for (auto _ : state) {
    ClipboardImage pixels;
    WindowImagePixels(WindowHandle::None, &pixels);
    ClipboardSetImage(std::move(pixels));
  }
  SetBackend(nullptr);
}

PlotExportData Grid240() {
  PlotExportData data;
  data.szName = "Data ";
  data.iRows = data.iCols = 240;
  for (int r = 0; r < 240; ++r) {
    for (int c = 0; c < 240; ++c) data.values.push_back(std::round(100 * std::sin(r / 20.0) * std::cos(c / 25.0)));
  }
  return data;
}

void BaselineFormat57600(benchmark::State& state) {
  const PlotExportData data = Grid240();
  for (auto _ : state) {
    std::size_t n = 0;
    for (double v : data.values) n += FormatNumber(v).size();
    benchmark::DoNotOptimize(n);
  }
}

void ExportGrid240(benchmark::State& state) {
  const PlotExportData data = Grid240();
  for (auto _ : state) ClipboardSetText(PlotDataText(data, EXPORT_FIXED, EXPORT_WITH_HEADER));
}

}  // namespace

void RegisterPrintBenchmarks() {
  benchmark::RegisterBenchmark("baseline/qt_pdf_text_pages_16384_rows", BaselineTextPages)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("print/table_16384x10_pdf", TableToPdf)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/qt_pdf_one_text_page", BaselineOnePage)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("print/chart_page_1600x900_pdf", ChartPage)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/image_copy_1920x1080", BaselineImageCopy)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("copy/window_image_1920x1080", WindowImageForClipboard)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/format_numbers_57600", BaselineFormat57600)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("export/plot_data_240x240", ExportGrid240)->Unit(benchmark::kMillisecond);
  AddRatio("print/table_16384x10_pdf", "baseline/qt_pdf_text_pages_16384_rows");
  AddRatio("print/chart_page_1600x900_pdf", "baseline/qt_pdf_one_text_page");
  AddRatio("copy/window_image_1920x1080", "baseline/image_copy_1920x1080");
  AddRatio("export/plot_data_240x240", "baseline/format_numbers_57600");
}
