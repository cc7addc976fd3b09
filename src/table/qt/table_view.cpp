#include "table/qt/table_view.h"

#include <algorithm>
#include <string_view>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/qt/window_widget.h"
#include "table/qt/table_paint.h"
#include "table/table_access.h"
#include "table/table_input.h"
#include "table/table_scroll.h"
#include "table/table_window.h"

namespace {

// The view's own objects live in the record's handle fields: the fonts in
// hCellFont, the off-screen image in hBackBitmap.
TableFonts* FontsOf(const TableRecord& t) { return static_cast<TableFonts*>(t.hCellFont); }
QImage* ImageOf(const TableRecord& t) { return static_cast<QImage*>(t.hBackBitmap); }

void CreateViewObjects(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return;
  t->hCellFont = new TableFonts(MakeTableFonts());
}

void DestroyViewObjects(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return;
  delete FontsOf(*t.get());
  delete ImageOf(*t.get());
  t->hCellFont = nullptr;
  t->hBackBitmap = nullptr;
}

// A new off-screen image on every size change.
void ResizeBuffer(WindowHandle hwnd, int width, int height) {
  TableLockGuard t(hwnd);
  if (!t) return;
  delete ImageOf(*t.get());
  t->hBackBitmap = width > 0 && height > 0 ? new QImage(width, height, QImage::Format_RGB32) : nullptr;
}

// A text's width in the cell font, but at least what the painter takes it
// to need (less the 5 pixels of margin it keeps): a column fitted to it
// shows the text rather than a grey bar.
int CellTextWidth(const char* text, int length) {
  static const QFontMetrics metrics(MakeTableFonts().cell);
  const int average = std::max(metrics.averageCharWidth(), 1);
  const std::string_view view(text, static_cast<std::size_t>(length));
  return std::max(metrics.horizontalAdvance(QString::fromUtf8(text, length)), CellTextEstimate(average, view) - 5);
}

}  // namespace

const QImage* TableRepaintImage(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t || !ImageOf(*t.get()) || !FontsOf(*t.get())) return nullptr;
  QImage* image = ImageOf(*t.get());
  QPainter painter(image);
  TablePaintRecord(*t.get(), painter, image->width(), image->height(), *FontsOf(*t.get()));
  return image;
}

std::intptr_t TableViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE: {
      const std::intptr_t result = TableWindowProc(hwnd, msg, wParam, lParam);
      if (result == 0) CreateViewObjects(hwnd);
      SetTableTextWidth(CellTextWidth);  // column auto-fit measures with the real font
      return result;
    }
    case MSG_DESTROY:
      DestroyViewObjects(hwnd);
      return TableWindowProc(hwnd, msg, wParam, lParam);
    case MSG_SIZE:
      ResizeBuffer(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return TableWindowProc(hwnd, msg, wParam, lParam);
    case MSG_PAINT: {
      QPainter* painter = PainterOf(lParam);
      if (const QImage* image = TableRepaintImage(hwnd)) {
        painter->drawImage(0, 0, *image);
      } else if (TableLockGuard t(hwnd); t && FontsOf(*t.get())) {
        // Before the first size message: paint directly.
        TablePaintRecord(*t.get(), *painter, painter->device()->width(), painter->device()->height(),
                         *FontsOf(*t.get()));
      }
      return 0;
    }
    default:
      return TableWindowProc(hwnd, msg, wParam, lParam);
  }
}
