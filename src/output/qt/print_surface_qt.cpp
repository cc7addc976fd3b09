#include "output/qt/print_surface_qt.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

#include "output/qt/text_run_batch.h"
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
      // Only a PDF writer (files and the system's printers) gains from
      // glyph runs; the preview records texts as texts.
      batchTexts_ = painter_.paintEngine() != nullptr && painter_.paintEngine()->type() == QPaintEngine::Pdf;
    } else {
      DrawBatchedTexts();
      if (!printer_.newPage()) return -1;
    }
    painter_.resetTransform();
    UsePen(kLinePen);
    return 0;
  }

  void SetIsotropicWindow(int width, int height) override {
    if (width <= 0 || height <= 0) return;
    DrawBatchedTexts();
    const double scale = std::min(static_cast<double>(PageWidth()) / width, static_cast<double>(PageHeight()) / height);
    painter_.resetTransform();
    painter_.scale(scale, scale);
  }

  void DrawLine(int x0, int y0, int x1, int y1) override {
    DrawBatchedTexts();
    UsePen(kLinePen);
    painter_.drawLine(x0, y0, x1, y1);
  }

  void SetTextHeight(int height) override {
    QFont font = QGuiApplication::font();
    font.setPixelSize(height);
    font.setWeight(QFont::Normal);
    DrawBatchedTexts();
    painter_.setFont(font);
    batch_.SetFont(font);
    ascent_ = QFontMetricsF(font).ascent();
  }

  // Drawn at its baseline: no text layout per call, which a page of
  // thousands of cells would feel; on a PDF writer gathered into glyph runs
  // where the text allows. The page is white, so the text's white
  // background needs no box of its own.
  void DrawText(int x, int y, std::string_view text) override {
    const QPointF origin(x, y + ascent_);
    if (batchTexts_ && batch_.Add(origin, text)) return;
    UsePen(kTextPen);
    painter_.drawText(origin, FromUtf8(text));
  }

  // The window's paint routine draws straight onto the page in the
  // window's pixel units (a recorded QPicture would be replayed scaled by
  // the printer's resolution); pixel-sized fonts follow the mapping.
  void DrawWindowPicture(WindowHandle hwnd, int width, int height) override {
    DrawBatchedTexts();
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
    DrawBatchedTexts();
    return painter_.end() ? 0 : -1;
  }

 private:
  enum PenKind { kNoPen, kLinePen, kTextPen };

  // Lines take the thinnest line the printer draws (a cosmetic pen);
  // texts take a pen of logical width, which lets the PDF writer map a
  // whole page once instead of every text item by itself. Switching
  // costs a graphics state, so it happens only when the kind changes.
  void UsePen(PenKind kind) {
    if (pen_ == kind) return;
    pen_ = kind;
    painter_.setPen(kind == kLinePen ? QPen(Qt::black, 0) : QPen(Qt::black, 1));
  }

  // Draw the texts gathered so far, before anything else is drawn or the
  // page or mapping changes.
  void DrawBatchedTexts() {
    if (batch_.IsEmpty()) return;
    UsePen(kTextPen);
    batch_.Flush(painter_);
  }

  QPrinter& printer_;
  std::unique_ptr<QPrinter> owned_;
  QPainter painter_;
  double ascent_ = 0;
  PenKind pen_ = kNoPen;
  TextRunBatch batch_;
  bool batchTexts_ = false;
};

}  // namespace

void ConfigurePrinter(QPrinter& printer, const PrintSetupModel& setup, const std::string& document) {
  if (!setup.szOutputFile.empty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(FromUtf8(setup.szOutputFile));
  } else {
    printer.setPrinterName(FromUtf8(setup.szPrinter));
  }
  // A standard paper is known again by its size in points (A5, Letter ...).
  if (setup.iPaperWidthPt > 0 && setup.iPaperHeightPt > 0) {
    printer.setPageSize(QPageSize(QSize(setup.iPaperWidthPt, setup.iPaperHeightPt), QString(), QPageSize::FuzzyMatch));
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
