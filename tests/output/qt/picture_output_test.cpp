// Pictures of a chart and a 3D plot in the running program: printed to a
// PDF page that they fill across, keeping their proportions in portrait
// and landscape; copied to the clipboard as an image of the client; saved
// as PNG, SVG and PDF; and the 3D plot's data export on the clipboard.
#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include "output/plot_data_export.h"
#include "output/qt/picture_files.h"
#include "output/qt/print_fixture.h"
#include "platform/clipboard.h"
#include "platform/popup_menu.h"
#include "platform/timers.h"
#include "plots/chart_menus.h"
#include "plots/chart_window.h"
#include "plots/plot3d_dialogs.h"
#include "plots/plot3d_record.h"
#include "plots/plot3d_window.h"
#include "resources/command_ids.h"
#include "shell/plot_output.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_window_ops.h"
#include "table/table_range.h"

namespace {

// The box of the pixels that are not white in a picture.
QRect InkBox(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qRed(line[x]) > 245 && qGreen(line[x]) > 245 && qBlue(line[x]) > 245) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The mean difference of two pictures' channels (0..255), the second
// scaled to the first's size.
double MeanDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row);
      const QRgb q = y.pixel(col, row);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * x.width() * x.height());
}

// The first page of a PDF rendered at 50 dpi.
QImage PdfPage(const std::string& pdf) {
  const std::string png = pdf + "-page";
  CommandOutput("pdftoppm -r 50 -f 1 -l 1 -singlefile -png '" + pdf + "' '" + png + "'");
  return QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32);
}

class PictureOutputTest : public QtTableTest {
 protected:
  void SetUp() override {
    QtTableTest::SetUp();
    for (int r = 1; r <= 12; ++r) {
      for (int c = 1; c <= 4; ++c) TableSetCellText(table_, r, c, std::to_string((r * 7 + c * 13) % 50 + r));
    }
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  void Select(int kind) {
    TableRecord& t = RecordOf(table_);
    ResetSelection(t);
    t.selKind[0] = kind;
    t.selRowFrom[0] = 1, t.selRowTo[0] = kind == SELECT_COLUMNS ? t.iRows - 1 : 12;
    t.selColFrom[0] = 1, t.selColTo[0] = 4;
  }
  WindowHandle OpenChart() {
    Select(SELECT_COLUMNS);
    SendCommand(table_, CMD_VIEW_2D_PLOT);
    const WindowHandle chart = RecordOf(table_).hChartWindow;
    FireTimer(chart, TIMER_CHART_START);
    ProcessEvents();
    return chart;
  }
  WindowHandle OpenPlot() {
    Select(SELECT_BLOCK);
    DialogScriptPush(AnswerDialog(PLOT3D_PERFORMANCE_DIALOG, [](DialogRequest& request) {
      auto* model = dynamic_cast<Plot3DPerformanceModel*>(request.pModel);
      model->iRows = 12;
      model->iCols = 4;
      return static_cast<int>(BUTTON_OK);
    }));
    SendCommand(table_, CMD_VIEW_3D_PLOT);
    const WindowHandle plot = RecordOf(table_).hPlot3DWindow;
    FireTimer(plot, TIMER_PLOT3D_PLACE);
    ProcessEvents();
    ProcessEvents();
    return plot;
  }
  // The client size through the output hooks.
  static QSize ClientOf(WindowHandle hwnd) {
    int w = 0, h = 0;
    OutputHooks().pfnPictureSize(hwnd, &w, &h);
    return {w, h};
  }
};

// The picture fills the page's width (within the margins) and keeps the
// window's proportions, upright and turned; a picture taller than a
// landscape page fills its height and is not cut.
TEST_F(PictureOutputTest, ChartPageFillsTheWidthAndKeepsItsAspect) {
  const WindowHandle chart = OpenChart();
  ASSERT_NE(ChartOf(chart), nullptr);
  const WindowRect frame = WindowRectOf(chart);
  MoveWindowTo(chart, frame.x, frame.y, 700, 380);
  ProcessEvents();
  const QSize client = ClientOf(chart);
  ASSERT_GT(client.width(), 100);
  for (bool landscape : {false, true}) {
    const std::string pdf = File(landscape ? "chart-landscape.pdf" : "chart-portrait.pdf");
    ScriptPrintToPdf(pdf, landscape);
    SendCommand(chart, CMD_CHART_PRINT);
    script_->Check();
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
    EXPECT_EQ(PdfInfo(pdf, "Title"), "PrintAccess");
    const QImage page = PdfPage(pdf);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width() > page.height(), landscape);
    const QRect ink = InkBox(page);
    // Qt's default page margins are about 10 % of an A4 width at most.
    EXPECT_GT(ink.width(), page.width() * 85 / 100) << landscape;
    const double aspect = static_cast<double>(ink.height()) / ink.width();
    const double expected = static_cast<double>(client.height()) / client.width();
    EXPECT_NEAR(aspect, expected, 0.03) << landscape;
    // The page shows the window's whole picture, not a part of it enlarged.
    EXPECT_LT(MeanDifference(page.copy(ink), WindowImage(chart)), 12.0) << landscape;
  }
  MoveWindowTo(chart, frame.x, frame.y, 400, 400);
  ProcessEvents();
  ScriptPrintToPdf(File("square.pdf"), true);
  SendCommand(chart, CMD_CHART_PRINT);
  const QImage page = PdfPage(File("square.pdf"));
  const QRect ink = InkBox(page);
  EXPECT_GT(ink.height(), page.height() * 85 / 100);
  EXPECT_LT(ink.bottom(), page.height() - 5);
  EXPECT_NEAR(static_cast<double>(ink.height()) / ink.width(),
              static_cast<double>(ClientOf(chart).height()) / ClientOf(chart).width(), 0.03);
  script_->Check();
}

// Copy puts the client's image on the clipboard; a second copy replaces it.
TEST_F(PictureOutputTest, CopiesAreImagesOfTheClient) {
  const WindowHandle chart = OpenChart();
  ClipboardSetText("text before");
  SendCommand(chart, CMD_CHART_COPY);
  const ClipboardImage first = ClipboardGetImage();
  const QSize client = ClientOf(chart);
  EXPECT_EQ(first.iWidth, client.width());
  EXPECT_EQ(first.iHeight, client.height());
  const QImage drawn = WindowImage(chart);
  ASSERT_EQ(drawn.width(), first.iWidth);
  EXPECT_EQ(std::memcmp(drawn.constBits(), first.pixels.data(), first.pixels.size() * 4), 0);
  SendCommand(chart, CMD_CHART_VIEW_BAR);
  SendCommand(chart, CMD_COPY);
  const ClipboardImage second = ClipboardGetImage();
  const QImage bars = WindowImage(chart);
  ASSERT_EQ(second.pixels.size(), first.pixels.size());
  EXPECT_NE(second.pixels, first.pixels);
  EXPECT_EQ(std::memcmp(bars.constBits(), second.pixels.data(), second.pixels.size() * 4), 0);

  const WindowHandle plot = OpenPlot();
  SendCommand(plot, CMD_PLOT3D_COPY);
  const ClipboardImage cube = ClipboardGetImage();
  EXPECT_EQ(QSize(cube.iWidth, cube.iHeight), ClientOf(plot));
  script_->Check();
}

// "Save picture as ..." on both menus: PNG of the client's size, an SVG
// that parses to that size, a one-page PDF.
TEST_F(PictureOutputTest, SavePictureAsPngSvgAndPdf) {
  const WindowHandle chart = OpenChart();
  const WindowHandle plot = OpenPlot();
  bool listed = false;
  for (const PopupMenuItem& item : Plot3DMenu(*Plot3DOf(plot)).items) listed |= item.iCommand == CMD_PLOT3D_SAVE_PICTURE;
  EXPECT_TRUE(listed);
  listed = false;
  for (const PopupMenuItem& item : ChartRightMenu(*ChartOf(chart)).items) {
    listed |= item.iCommand == CMD_CHART_SAVE_PICTURE && item.szText == "Save picture as ...";
  }
  EXPECT_TRUE(listed);
  struct Case {
    WindowHandle window;
    unsigned command;
    std::string name;
  };
  const Case cases[] = {{chart, CMD_CHART_SAVE_PICTURE, "chart.png"},
                        {chart, CMD_CHART_SAVE_PICTURE, "chart.svg"},
                        {plot, CMD_PLOT3D_SAVE_PICTURE, "plot.svg"},
                        {plot, CMD_PLOT3D_SAVE_PICTURE, "plot.PDF"},
                        {plot, CMD_PLOT3D_SAVE_PICTURE, "plot"}};
  for (const Case& c : cases) {
    DialogScriptPush(AnswerSaveFile(File(c.name)));
    SendCommand(c.window, c.command);
    const QSize client = ClientOf(c.window);
    const std::string kind = c.name.substr(c.name.find('.') + 1);
    if (kind == "svg") {
      QSvgRenderer svg(QString::fromStdString(File(c.name)));
      EXPECT_TRUE(svg.isValid()) << c.name;
      EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), client)) << c.name;
    } else if (kind == "PDF") {
      EXPECT_EQ(PdfInfo(File(c.name), "Pages"), "1");
    } else {
      const std::string png = c.name == "plot" ? File("plot.png") : File(c.name);
      EXPECT_EQ(QImage(QString::fromStdString(png)).size(), client) << c.name;
    }
  }
  // A folder that cannot be written is reported.
  DialogScriptPush(AnswerSaveFile(File("missing/chart.png")));
  DialogScriptPush(AnswerOk("Error message"));
  SendCommand(chart, CMD_CHART_SAVE_PICTURE);
  script_->Check();
}

TEST_F(PictureOutputTest, PlotPrintsAndExportsItsGrid) {
  const WindowHandle plot = OpenPlot();
  ASSERT_NE(Plot3DOf(plot), nullptr);
  ScriptPrintToPdf(File("plot.pdf"), true);
  SendCommand(plot, CMD_PLOT3D_PRINT);
  EXPECT_EQ(PdfInfo(File("plot.pdf"), "Pages"), "1");

  PlotExportData data;
  ASSERT_EQ(Plot3DExportData(plot, &data), 0);
  ASSERT_EQ(data.iRows, 12);
  ASSERT_EQ(data.iCols, 4);
  DialogScriptPush(AnswerDialog(EXPORT_OPTIONS_DIALOG, [](DialogRequest& request) {
    auto* model = dynamic_cast<ExportOptionsModel*>(request.pModel);
    EXPECT_EQ(model->szTitle, "Export Data  Data Options");
    model->iSeparation = EXPORT_FIXED;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  SendCommand(plot, CMD_PLOT3D_EXPORT);
  script_->Check();
  EXPECT_EQ(Plot3DOf(plot)->iExportSeparator, EXPORT_FIXED);
  const std::string text = ClipboardGetText();
  EXPECT_EQ(text, PlotDataText(data, EXPORT_FIXED, EXPORT_WITH_HEADER));
  EXPECT_EQ(text.rfind("Data Domain:\r\nFocus (Row,Col)=", 0), 0u) << text;
  EXPECT_NE(text.find("data points (Rows X Columns)=12X4:"), std::string::npos);
}

}  // namespace
