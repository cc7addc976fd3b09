#include "shell/qt/formula_bar_view.h"

#include <QFont>
#include <QPainter>

#include <string>

#include "resources/string_table.h"
#include "shell/formula_bar.h"
#include "shell/program_state.h"
#include "shell/qt/formula_bar_icons.h"
#include "table/cell_colours.h"

namespace {

// The four frame pens and the background.
const QColor kPen240(240, 240, 240);
const QColor kPen130(130, 130, 130);
const QColor kPen174(174, 174, 174);
const QColor kPen204(204, 204, 204);
const QColor kBackground(224, 224, 224);
const QColor kDisabledSwatch(142, 142, 142);

constexpr int ICON_INSET = 4;
constexpr int LABEL_LEFT = 40;  // labels start right of the icon

QFont LabelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  return font;
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect RectOf(const WindowRect& r) { return {r.x, r.y, r.cx, r.cy}; }

// A raised frame (light top-left) or a sunk one (dark top-left).
void DrawFrame(QPainter& p, const QRect& r, bool sunk) {
  const QColor& topLeft = sunk ? kPen130 : kPen240;
  const QColor& bottomRight = sunk ? kPen240 : kPen130;
  p.setPen(topLeft);
  p.drawLine(r.left(), r.top(), r.right(), r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom());
  p.setPen(bottomRight);
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

// Black text, or embossed in two greys when disabled.
void DrawLabel(QPainter& p, const QRect& r, int flags, const QString& text, bool enabled) {
  if (enabled) {
    p.setPen(Qt::black);
    p.drawText(r, flags, text);
    return;
  }
  p.setPen(kPen240);
  p.drawText(r.translated(1, 1), flags, text);
  p.setPen(kPen130);
  p.drawText(r, flags, text);
}

void DrawEtchedLine(QPainter& p, int y, int width) {
  p.setPen(kPen130);
  p.drawLine(0, y, width - 1, y);
  p.setPen(kPen240);
  p.drawLine(0, y + 1, width - 1, y + 1);
}

void PaintUpperButton(QPainter& p, const FormulaBarState& bar, int b) {
  const QRect r = RectOf(bar.layout.buttons[static_cast<std::size_t>(b)]);
  const bool enabled = FormulaBarButtonEnabled(bar, b);
  const bool pressed = bar.iPressedButton == b && bar.bPressedInside;
  const int shift = pressed ? 1 : 0;
  if (pressed) {
    DrawFrame(p, r, true);
  } else if (bar.iHotButton == b && enabled) {
    DrawFrame(p, r, false);
  }
  DrawToolIcon(p, b, r.left() + ICON_INSET + shift, r.top() + ICON_INSET + shift, enabled);
  const std::string_view label = TextLine(Text(TXT_BAR_UPPER_LABELS), b);
  const std::size_t bar_ = label.find('|');
  const QString first = Q(label.substr(0, bar_));
  const QString second = bar_ == std::string_view::npos ? QString() : Q(label.substr(bar_ + 1));
  const QRect text(r.left() + LABEL_LEFT + shift, r.top() + 6 + shift, r.width() - LABEL_LEFT - 2, 14);
  DrawLabel(p, text, Qt::AlignLeft | Qt::AlignVCenter, first, enabled);
  DrawLabel(p, text.translated(0, 14), Qt::AlignLeft | Qt::AlignVCenter, second, enabled);
}

QColor Rgb(const std::array<int, 3>& rgb) { return {rgb[0], rgb[1], rgb[2]}; }

void PaintSwatch(QPainter& p, const QRect& inner, int which, bool enabled) {
  const CellColourSettings& colours = CellColours();
  if (which == LOWER_FILL_COLOUR) {
    p.fillRect(inner, enabled ? Rgb(colours.fillRgb) : kDisabledSwatch);
    return;
  }
  const int width = colours.iBorderCode == 15 ? 1 : 2;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(enabled ? Rgb(colours.borderRgb) : kDisabledSwatch, width, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin));
  const qreal half = width / 2.0;
  p.drawRect(QRectF(inner).adjusted(half, half, -half, -half));
}

void PaintLowerButton(QPainter& p, const FormulaBarState& bar, int b) {
  const QRect r = RectOf(bar.layout.buttons[static_cast<std::size_t>(b)]);
  if (r.right() < 0) return;
  const bool enabled = FormulaBarButtonEnabled(bar, b);
  const bool pressed = bar.iPressedButton == b && bar.bPressedInside;
  const bool hot = bar.iHotButton == b && enabled;
  p.fillRect(r.adjusted(1, 1, -1, -1), hot && !pressed ? QColor(236, 236, 236) : kBackground);
  DrawFrame(p, r, pressed);
  const int shift = pressed ? 1 : 0;
  const int which = b - BAR_FIRST_LOWER;
  if (which == LOWER_FILL_COLOUR || which == LOWER_BORDER_COLOUR) {
    PaintSwatch(p, r.adjusted(5 + shift, 5 + shift, -5 + shift, -5 + shift), which, enabled);
    return;
  }
  static constexpr const char* kLabels[] = {"", "", "+", "-", "*", "/", "^", "( )", "if", "="};
  QString label;
  if (which == LOWER_GET_CELLS) {
    label = Q(Text(TXT_BAR_GET_CELLS));
  } else if (which == LOWER_VIEW_CELLS) {
    label = Q(Text(TXT_BAR_VIEW_CELLS));
  } else {
    label = QString::fromLatin1(kLabels[which]);
  }
  QFont font = LabelFont();
  if (which >= LOWER_ADD && which <= LOWER_RUN) {
    font.setPixelSize(14);
    font.setBold(true);
  }
  p.setFont(font);
  DrawLabel(p, r.translated(shift, shift), Qt::AlignCenter, label, enabled);
  p.setFont(LabelFont());
}

void Paint(WindowHandle hwnd, QPainter& p) {
  const FormulaBarState* bar = FormulaBarStateOf(hwnd);
  if (!bar) return;
  const int width = bar->iWidth;
  p.fillRect(QRect(0, 0, width, 97), kBackground);
  p.setPen(kPen240);
  p.drawLine(0, 0, width - 1, 0);
  DrawEtchedLine(p, 42, width);
  DrawEtchedLine(p, 66, width);
  p.setPen(kPen174);
  p.drawLine(0, 95, width - 1, 95);
  p.setPen(kPen204);
  p.drawLine(0, 96, width - 1, 96);
  p.setFont(LabelFont());
  for (int b = 0; b < BAR_UPPER_BUTTONS; ++b) PaintUpperButton(p, *bar, b);
  for (int b = BAR_FIRST_LOWER; b < BAR_BUTTONS; ++b) PaintLowerButton(p, *bar, b);
}

}  // namespace

std::intptr_t FormulaBarViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_PAINT) {
    if (auto* painter = reinterpret_cast<QPainter*>(lParam)) Paint(hwnd, *painter);
    return 0;
  }
  return FormulaBarProc(hwnd, msg, wParam, lParam);
}
