#include "table/qt/fast_text.h"

#include <QGlyphRun>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kFirst = 32;
constexpr int kLast = 126;
constexpr std::size_t kMaxLength = 64;  // longer texts take the general path
}  // namespace

AsciiGlyphs::AsciiGlyphs(const QFont& font) : raw_(QRawFont::fromFont(font)) {
  if (!raw_.isValid()) return;
  QString chars;
  for (int c = kFirst; c <= kLast; ++c) chars.append(QChar(c));
  const QList<quint32> indexes = raw_.glyphIndexesForString(chars);
  if (indexes.size() != static_cast<qsizetype>(glyphs_.size())) return;
  const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
  for (std::size_t i = 0; i < glyphs_.size(); ++i) {
    glyphs_[i] = indexes[static_cast<qsizetype>(i)];
    advances_[i] = advances[static_cast<qsizetype>(i)].x();
    if (glyphs_[i] == 0) return;  // a character the font lacks
  }
  ascent_ = raw_.ascent();
  ok_ = true;
}

int AsciiGlyphs::Width(std::string_view text) const {
  if (!ok_ || text.size() > kMaxLength) return -1;
  qreal width = 0;
  for (char c : text) {
    if (c < kFirst || c > kLast) return -1;
    width += advances_[static_cast<std::size_t>(c - kFirst)];
  }
  return static_cast<int>(std::ceil(width));
}

bool AsciiGlyphs::Place(const QRect& rect, int align, std::string_view text, QPointF* origin) const {
  const int width = Width(text);
  if (width < 0 || width > rect.width()) return false;
  qreal x = rect.left();
  if (align & Qt::AlignRight) {
    x = rect.right() + 1 - width;
  } else if (align & Qt::AlignHCenter) {
    x = rect.left() + (rect.width() - width) / 2;
  }
  *origin = QPointF(x, rect.top() + std::round(ascent_));
  return true;
}

bool AsciiGlyphs::Add(QPainter& p, GlyphBatch& batch, const QRect& rect, int align, std::string_view text,
                      const QColor& colour) const {
  QPointF origin;
  if (!Place(rect, align, text, &origin)) return false;
  if (batch.pGlyphs != this || batch.colour != colour) {
    Flush(p, batch);
    batch.pGlyphs = this;
    batch.colour = colour;
  }
  qreal x = origin.x();
  for (char c : text) {
    const std::size_t k = static_cast<std::size_t>(c - kFirst);
    batch.glyphs.push_back(glyphs_[k]);
    batch.positions.emplace_back(std::round(x), origin.y());  // whole pixels: no sub-pixel glyph variants
    x += advances_[k];
  }
  return true;
}

void AsciiGlyphs::Flush(QPainter& p, GlyphBatch& batch) {
  if (batch.pGlyphs && !batch.glyphs.empty()) {
    QGlyphRun run;
    run.setRawFont(batch.pGlyphs->raw_);
    run.setRawData(batch.glyphs.data(), batch.positions.data(), static_cast<int>(batch.glyphs.size()));
    p.setPen(batch.colour);
    p.drawGlyphRun(QPointF(0, 0), run);
  }
  batch.glyphs.clear();  // keeps the capacity for the next paint
  batch.positions.clear();
}

bool AsciiGlyphs::Draw(QPainter& p, const QRect& rect, int align, std::string_view text, const QColor& colour) const {
  static GlyphBatch batch;
  if (!Add(p, batch, rect, align, text, colour)) return false;
  Flush(p, batch);
  return true;
}
