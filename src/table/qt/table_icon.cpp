#include "table/qt/table_icon.h"

#include <QPainter>

const QPixmap& LockMarkerPixmap() {
  static const QPixmap pixmap = [] {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::NoBrush);
    p.drawArc(1, 4, 6, 8, 0, 180 * 16);     // shackle
    p.fillRect(0, 8, 9, 7, QColor(200, 150, 0));  // body
    p.setPen(QColor(90, 60, 0));
    p.drawRect(0, 8, 8, 6);
    p.fillRect(4, 10, 1, 3, QColor(60, 40, 0));   // keyhole
    return icon;
  }();
  return pixmap;
}
