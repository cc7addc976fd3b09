#include "output/qt/print_surface_qt.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

#include "output/qt/window_painters.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class QtPrintSurface final : public PrintSurface {
 public:
  QtPrintSurface(QPrinter& printer, std::unique_ptr<QPrinter> owned) : printer_(printer), owned_(std::move(owned)) {}

  int PageWidth() const override { return printer_.width(); }
  int PageHeight() const override { return printer_.height(); }

  int ScreenWidth() const override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 1024;
  }

  // Qt paints pictures on every printer it drives.
  bool DrawsPictures() const override { return true; }

  int StartPage() override {
    if (!painter_.isActive()) {
      if (!painter_.begin(&printer_)) return -1;
    } else if (!printer_.newPage()) {
      return -1;
    }
    painter_.resetTransform();
    painter_.setPen(QPen(Qt::black, 0));
    return 0;
  }

  void SetIsotropicWindow(int width, int height) override {
    if (width <= 0 || height <= 0) return;
    const double scale = std::min(static_cast<double>(PageWidth()) / width, static_cast<double>(PageHeight()) / height);
    painter_.resetTransform();
    painter_.scale(scale, scale);
  }

  void DrawLine(int x0, int y0, int x1, int y1) override { painter_.drawLine(x0, y0, x1, y1); }

  void SetTextHeight(int height) override {
    QFont font = QGuiApplication::font();
    font.setPixelSize(height);
    font.setWeight(QFont::Normal);
    painter_.setFont(font);
    ascent_ = QFontMetricsF(font).ascent();
  }

  // Drawn at its baseline: no text layout per call, which a page of
  // thousands of cells would feel. The page is white, so the text's white
  // background needs no box of its own.
  void DrawText(int x, int y, std::string_view text) override {
    painter_.drawText(QPointF(x, y + ascent_), FromUtf8(text));
  }

  // The window's paint routine draws straight onto the page in the
  // window's pixel units (a recorded QPicture would be replayed scaled by
  // the printer's resolution); pixel-sized fonts follow the mapping.
  void DrawWindowPicture(WindowHandle hwnd, int width, int height) override {
    painter_.save();
    painter_.setClipRect(0, 0, width, height);
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    painter_.setFont(font);
    PaintWindowOn(hwnd, painter_, width, height);
    painter_.restore();
  }

  int Finish() override {
    if (!painter_.isActive()) return 0;
    return painter_.end() ? 0 : -1;
  }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPrinter> owned_;
  QPainter painter_;
  double ascent_ = 0;
};

}  // namespace

void ConfigurePrinter(QPrinter& printer, const PrintSetupModel& setup, const std::string& document) {
  if (!setup.szOutputFile.empty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(FromUtf8(setup.szOutputFile));
  } else {
    printer.setPrinterName(FromUtf8(setup.szPrinter));
  }
  printer.setPageOrientation(setup.bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setDocName(FromUtf8(document));
  printer.setCreator(QStringLiteral("Cartovel"));
}

std::unique_ptr<PrintSurface> SurfaceOnPrinter(QPrinter& printer) {
  return std::make_unique<QtPrintSurface>(printer, nullptr);
}

std::unique_ptr<PrintSurface> OpenQtPrinter(const PrintSetupModel& setup, const std::string& document) {
  if (setup.szOutputFile.empty() && setup.szPrinter.empty()) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  ConfigurePrinter(*printer, setup, document);
  if (!printer->isValid()) return nullptr;
  QPrinter& shown = *printer;
  return std::make_unique<QtPrintSurface>(shown, std::move(printer));
}
