#include "shell/qt/plot_painters.h"

#include <QImage>
#include <QPainter>

#include "output/qt/window_painters.h"
#include "plots/chart_record.h"
#include "plots/chart_window.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_record.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot3d_render.h"

namespace {

// A 3D plot projected for its client and drawn; faces go straight into
// the pixels when the painter draws on a 32-bit image.
void PaintPlot3D(Plot3DRecord& p, QPainter& painter, int width, int height) {
  const bool coordinates = p.iDataMode == PLOT3D_MODE_COORDINATES;
  if (p.bHasData) coordinates ? Plot3DProjectCoordinates(p) : Plot3DProjectGrid(p);
  Plot3DTarget target;
  target.painter = &painter;
  target.iWidth = width;
  target.iHeight = height;
  QPaintDevice* device = painter.device();
  if (device && device->devType() == QInternal::Image && painter.transform().isIdentity()) {
    target.pixels = Plot3DPixelsOf(*static_cast<QImage*>(device));
  }
  coordinates ? Plot3DDrawCoordinateMode(p, target) : Plot3DDraw(p, target);
}

}  // namespace

int PaintPlotWindow(WindowHandle hwnd, QPainter& painter, int width, int height) {
  if (const ChartRecord* c = ChartOf(hwnd)) {
    ChartPaint(*c, painter, width, height);
    return 0;
  }
  if (Plot3DRecord* p = Plot3DOf(hwnd)) {
    PaintPlot3D(*p, painter, width, height);
    return 0;
  }
  return -1;
}

int PlotWindowSize(WindowHandle hwnd, int* width, int* height) {
  if (const ChartRecord* c = ChartOf(hwnd)) {
    *width = c->iClientWidth;
    *height = c->iClientHeight;
    return 0;
  }
  if (const Plot3DRecord* p = Plot3DOf(hwnd)) {
    *width = p->iClientWidth;
    *height = p->iClientHeight;
    return 0;
  }
  return -1;
}

void InstallPlotPainters() {
  WindowPainters().pfnPaint = PaintPlotWindow;
  WindowPainters().pfnSize = PlotWindowSize;
}
