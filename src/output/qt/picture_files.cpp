#include "output/qt/picture_files.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstring>

#include "output/qt/window_painters.h"
#include "output/window_picture.h"

namespace {

// The picture on a one-page PDF of the client's size (one point a pixel).
int WritePdf(WindowHandle hwnd, const QString& path, int width, int height) {
  QPdfWriter writer(path);
  writer.setResolution(72);
  writer.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setCreator(QStringLiteral("Cartovel"));
  QPainter painter;
  if (!painter.begin(&writer)) return -1;
  const int status = PaintWindowOn(hwnd, painter, width, height);
  return painter.end() && status == 0 ? 0 : -1;
}

// The picture as an SVG drawing of the client's size.
int WriteSvg(WindowHandle hwnd, const QString& path, int width, int height) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setTitle(QStringLiteral("Cartovel"));
  QPainter painter;
  if (!painter.begin(&svg)) return -1;
  const int status = PaintWindowOn(hwnd, painter, width, height);
  return painter.end() && status == 0 ? 0 : -1;
}

}  // namespace

QImage WindowImage(WindowHandle hwnd) {
  int width = 0;
  int height = 0;
  if (WindowPictureSize(hwnd, &width, &height) != 0 || width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_ARGB32);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  QPainter painter(&image);
  if (PaintWindowOn(hwnd, painter, width, height) != 0) return {};
  return image;
}

int WindowImagePixels(WindowHandle hwnd, ClipboardImage* out) {
  int width = 0;
  int height = 0;
  if (WindowPictureSize(hwnd, &width, &height) != 0) return -1;
  const QImage image = WindowImage(hwnd);
  if (image.isNull()) return -2;
  out->iWidth = image.width();
  out->iHeight = image.height();
  out->pixels.resize(static_cast<std::size_t>(out->iWidth) * static_cast<std::size_t>(out->iHeight));
  for (int y = 0; y < out->iHeight; ++y) {
    std::memcpy(out->pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(out->iWidth),
                image.constScanLine(y), static_cast<std::size_t>(out->iWidth) * 4);
  }
  return 0;
}

int SaveWindowPictureFile(WindowHandle hwnd, const std::string& path) {
  int width = 0;
  int height = 0;
  if (WindowPictureSize(hwnd, &width, &height) != 0 || width <= 0 || height <= 0) return -1;
  const QString file = QString::fromUtf8(path.c_str());
  const std::string kind = PictureKindOf(path);
  if (kind == "svg") return WriteSvg(hwnd, file, width, height);
  if (kind == "pdf") return WritePdf(hwnd, file, width, height);
  const QImage image = WindowImage(hwnd);
  return !image.isNull() && image.save(file, "PNG") ? 0 : -1;
}
