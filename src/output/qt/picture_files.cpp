#include "output/qt/picture_files.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <new>

#include "output/qt/window_painters.h"
#include "output/window_picture.h"

namespace {

constexpr int kMaxImageSide = 32767;  // the largest side Qt's raster painter draws

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

// Painted straight into the clipboard's pixels, white first: the one
// window-sized buffer goes from the painter to the clipboard. (A chain of
// fresh window-sized buffers made the allocator hand memory back to the
// system and fault it in again on every copy.)
int WindowImagePixels(WindowHandle hwnd, ClipboardImage* out) {
  int width = 0;
  int height = 0;
  if (WindowPictureSize(hwnd, &width, &height) != 0) return -1;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return -2;
  try {
    out->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFFFFFFFFu);
  } catch (const std::bad_alloc&) {
    return -2;
  }
  out->iWidth = width;
  out->iHeight = height;
  QImage image(reinterpret_cast<uchar*>(out->pixels.data()), width, height, width * 4, QImage::Format_ARGB32);
  QPainter painter(&image);
  const int status = PaintWindowOn(hwnd, painter, width, height);
  painter.end();
  return status == 0 ? 0 : -2;
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
