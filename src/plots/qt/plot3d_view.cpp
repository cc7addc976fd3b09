#include "plots/qt/plot3d_view.h"

#include <QImage>
#include <QPainter>

#include "platform/qt/window_widget.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_window.h"
#include "plots/qt/plot3d_render.h"
#include "plots/qt/plot_canvas.h"

namespace {

QImage* ImageOf(const Plot3DRecord& p) { return static_cast<QImage*>(p.hBitmap); }

void ReleaseImage(Plot3DRecord& p) {
  delete ImageOf(p);
  p.hBitmap = nullptr;
}

// A new off-screen image on every size change.
void ResizeImage(WindowHandle hwnd, int width, int height) {
  Plot3DRecord* p = Plot3DOf(hwnd);
  if (!p) return;
  ReleaseImage(*p);
  if (width > 0 && height > 0) p->hBitmap = new QImage(width, height, QImage::Format_RGB32);
}

// Project and draw into the off-screen image, then show it.
void Paint(WindowHandle hwnd, QPainter* screen) {
  Plot3DRecord* p = Plot3DOf(hwnd);
  if (!p || !screen) return;
  QImage* image = ImageOf(*p);
  if (!image) return;
  const bool coordinates = p->iDataMode == PLOT3D_MODE_COORDINATES;
  if (p->bHasData) coordinates ? Plot3DProjectCoordinates(*p) : Plot3DProjectGrid(*p);
  Plot3DTarget target;
  target.pixels = Plot3DPixelsOf(*image);
  target.iWidth = image->width();
  target.iHeight = image->height();
  {
    QPainter painter(image);
    target.painter = &painter;
    coordinates ? Plot3DDrawCoordinateMode(*p, target) : Plot3DDraw(*p, target);
  }
  ShowImage(*screen, *image);
}

}  // namespace

std::intptr_t Plot3DViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_DESTROY:
      if (Plot3DRecord* p = Plot3DOf(hwnd)) ReleaseImage(*p);
      return Plot3DWindowProc(hwnd, msg, wParam, lParam);
    case MSG_SIZE:
      ResizeImage(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return Plot3DWindowProc(hwnd, msg, wParam, lParam);
    case MSG_PAINT:
      Paint(hwnd, PainterOf(lParam));
      return 0;
    default:
      return Plot3DWindowProc(hwnd, msg, wParam, lParam);
  }
}
