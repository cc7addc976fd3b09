#include "shell/qt/welcome_view.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/qt/window_widget.h"
#include "table/qt/table_paint.h"
#include "shell/program_state.h"
#include "shell/system_name.h"
#include "shell/welcome_window.h"

namespace {

const QColor kEtchDark(128, 128, 128);
const QColor kEtchLight(255, 255, 255);
const QColor kGreyText(140, 140, 140);
const QColor kEmbossDark(170, 170, 170);
const QColor kEmbossLight(220, 220, 220);
const QColor kTitleBlue(0, 0, 128);
constexpr int kDefaultTextHeight = 16;
constexpr int kTitleHeight = 60;

QFont RomanFont(int pixelHeight, bool italic) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  font.setBold(true);
  font.setItalic(italic);
  return font;
}

void DrawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(QRect(x, y, 4000, 400), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// Text with an embossed edge: a lighter copy up-left and a pale one
// down-right, then the text itself.
void DrawEmbossed(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  DrawTextAt(p, x - 1, y - 1, text, kEmbossDark);
  DrawTextAt(p, x + 1, y + 1, text, kEmbossLight);
  DrawTextAt(p, x, y, text, colour);
}

void DrawEtchedRect(QPainter& p, const QRect& r) {
  p.setBrush(Qt::NoBrush);
  p.setPen(kEtchLight);
  p.drawRect(r.translated(1, 1));
  p.setPen(kEtchDark);
  p.drawRect(r);
}

QString Field(int field) {
  const std::string_view text = SysFieldText(Program(), field);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PaintWelcome(WindowHandle hwnd, QPainter& p) {
  const int width = p.device()->width();
  const int height = p.device()->height();
  const WelcomeState* state = WelcomeStateOf(hwnd);
  const WelcomeLayout layout = ComputeWelcomeLayout(height, state ? state->picture.iHeight : 0);
  DrawEtchedLineH(p, 0, width, 1, LINE_ETCHED);
  const QRect strip(layout.strip.x, layout.strip.y, layout.strip.cx, layout.strip.cy);
  DrawEtchedRect(p, strip.adjusted(-4, -4, 3, 3));

  p.setFont(RomanFont(kDefaultTextHeight, true));
  DrawEmbossed(p, layout.iSystemNameX, layout.iSystemNameY, Field(SYS_FIELD_SYSTEM_NAME), kGreyText);

  const QString title = Field(SYS_FIELD_PRODUCT_TITLE);
  const QFont titleFont = RomanFont(kTitleHeight, true);
  p.setFont(titleFont);
  const int titleX = WelcomeCentredTextX(width, QFontMetrics(titleFont).horizontalAdvance(title));
  DrawEmbossed(p, titleX - 3, layout.iTitleY - 3, title, kTitleBlue);
  DrawEmbossed(p, titleX, layout.iTitleY, title, kTitleBlue);
  DrawTextAt(p, titleX - 2, layout.iTitleY - 2, title, kTitleBlue);
  DrawTextAt(p, titleX - 1, layout.iTitleY - 1, title, kTitleBlue);

  const QString subtitle = Field(SYS_FIELD_SUBTITLE);
  const QFont subtitleFont = RomanFont(kDefaultTextHeight, false);
  p.setFont(subtitleFont);
  const int subtitleX = WelcomeCentredTextX(width, QFontMetrics(subtitleFont).horizontalAdvance(subtitle));
  DrawEmbossed(p, subtitleX, layout.iSubtitleY, subtitle, kGreyText);
}

void PaintStrip(WindowHandle hwnd, QPainter& p) {
  const WelcomeState* state = WelcomeStateOf(WindowParent(hwnd));
  if (!state || state->picture.pixels.empty()) return;
  const Picture& picture = state->picture;
  const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.iWidth, picture.iHeight,
                     picture.iWidth * 4, QImage::Format_RGB32);
  p.drawImage(QPoint(state->motion.iOffset, -2), image);
}

}  // namespace

std::intptr_t WelcomeViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_PAINT) {
    PaintWelcome(hwnd, *PainterOf(lParam));
    return 0;
  }
  return WelcomeWindowProc(hwnd, msg, wParam, lParam);
}

std::intptr_t PictureStripViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (msg == MSG_PAINT) {
    PaintStrip(hwnd, *PainterOf(lParam));
    return 0;
  }
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}
