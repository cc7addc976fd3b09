#include "plots/qt/chart_view.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/qt/qt_backend.h"
#include "platform/qt/window_widget.h"
#include "plots/chart_window.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot_canvas.h"

namespace {

constexpr int STATUS_HEIGHT = 20;
const QColor kOverlayColour(254, 154, 18);

QImage* ImageOf(const ChartRecord& c) { return static_cast<QImage*>(c.offscreenBitmap); }

void SetMetrics() {
  const QFontMetrics metrics(PlotLabelFont());
  ChartTextMetrics& m = ChartMetrics();
  m.iAverageWidth = metrics.averageCharWidth();
  m.iMaxWidth = metrics.maxWidth();
  m.iHeight = metrics.height();
}

void ResizeImage(WindowHandle hwnd, int width, int height) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  delete ImageOf(*c);
  c->offscreenBitmap = width > 0 && height > 0 ? new QImage(width, height, QImage::Format_RGB32) : nullptr;
  c->bImageStale = 1;
}

void DeleteImage(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  delete ImageOf(*c);
  c->offscreenBitmap = nullptr;
}

// What the overlay shows: the crosshair and the drag outline.
struct Overlay {
  bool bCross = false;
  int iX = 0;
  int iY = 0;
  bool bOutline = false;
  int iOutlineX = 0;
  int iOutlineY = 0;
  int iOutlineW = 0;
  int iOutlineH = 0;
};

Overlay OverlayOf(const ChartRecord& c) {
  Overlay o;
  o.bCross = c.bCrosshairDrawn && c.crosshairShown;
  o.iX = c.iCrossX;
  o.iY = c.iCrossY;
  o.bOutline = c.bNoteDragging && c.iDragOutlineX >= 0;
  o.iOutlineX = c.iDragOutlineX;
  o.iOutlineY = c.iDragOutlineY;
  o.iOutlineW = c.iDragBoxWidth;
  o.iOutlineH = c.iDragBoxHeight;
  return o;
}

// Ask for the strips the overlay covers to be painted again.
void UpdateOverlay(QWidget* widget, const Overlay& o) {
  if (o.bCross) {
    widget->update(QRect(0, o.iY, widget->width(), 1));
    widget->update(QRect(o.iX, 0, 1, widget->height()));
  }
  if (o.bOutline) widget->update(QRect(o.iOutlineX, o.iOutlineY, o.iOutlineW, o.iOutlineH));
}

// After a mouse message: repaint what changed without drawing the chart.
void AfterMouse(WindowHandle hwnd, const Overlay& before) {
  ChartRecord* c = ChartOf(hwnd);
  QWidget* widget = WidgetOf(hwnd);
  if (!c || !widget || c->bImageStale) return;
  const Overlay after = OverlayOf(*c);
  const bool moved = before.bCross != after.bCross || before.iX != after.iX || before.iY != after.iY ||
                     before.bOutline != after.bOutline || before.iOutlineX != after.iOutlineX ||
                     before.iOutlineY != after.iOutlineY;
  if (moved) {
    UpdateOverlay(widget, before);
    UpdateOverlay(widget, after);
  }
  if (c->bStatusStale) widget->update(QRect(0, widget->height() - STATUS_HEIGHT, widget->width(), STATUS_HEIGHT));
}

}  // namespace

const QImage* ChartImage(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || !ImageOf(*c)) return nullptr;
  QImage* image = ImageOf(*c);
  if (c->bImageStale) {
    QPainter painter(image);
    ChartPaint(*c, painter, image->width(), image->height());
    c->bImageStale = 0;
    c->bStatusStale = 0;
  } else if (c->bStatusStale) {
    QPainter painter(image);
    if (c->layoutValid && c->dataLoaded) ChartPaintStatus(*c, painter, image->width(), image->height());
    c->bStatusStale = 0;
  }
  return image;
}

void ChartPaintOverlay(WindowHandle hwnd, QPainter& p) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  const Overlay o = OverlayOf(*c);
  const int width = p.device()->width();
  const int height = p.device()->height();
  if (o.bCross) {
    XorHorizontal(p, 0, width, o.iY, kOverlayColour);
    XorVertical(p, o.iX, 0, o.iY, kOverlayColour);
    XorVertical(p, o.iX, o.iY + 1, height, kOverlayColour);
  }
  if (o.bOutline) XorBox(p, o.iOutlineX, o.iOutlineY, o.iOutlineX + o.iOutlineW, o.iOutlineY + o.iOutlineH, kOverlayColour);
}

std::intptr_t ChartViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      SetMetrics();
      return ChartWindowProc(hwnd, msg, wParam, lParam);
    case MSG_DESTROY:
      DeleteImage(hwnd);
      return ChartWindowProc(hwnd, msg, wParam, lParam);
    case MSG_SIZE:
      ResizeImage(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return ChartWindowProc(hwnd, msg, wParam, lParam);
    case MSG_PAINT: {
      QPainter* painter = PainterOf(lParam);
      if (const QImage* image = ChartImage(hwnd)) {
        ShowImage(*painter, *image);
        ChartPaintOverlay(hwnd, *painter);
      }
      return 0;
    }
    case MSG_MOUSEMOVE:
    case MSG_LBUTTONDOWN:
    case MSG_LBUTTONUP: {
      const ChartRecord* c = ChartOf(hwnd);
      const Overlay before = c ? OverlayOf(*c) : Overlay{};
      const std::intptr_t result = ChartWindowProc(hwnd, msg, wParam, lParam);
      AfterMouse(hwnd, before);
      return result;
    }
    default:
      return ChartWindowProc(hwnd, msg, wParam, lParam);
  }
}
