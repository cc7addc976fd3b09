// Quick drawing of short single-line ASCII texts (numbers, header labels):
// glyphs and advances are looked up once per font, so drawing a text is
// one glyph run without shaping.
#pragma once

#include <QFont>
#include <QRawFont>

#include <QColor>
#include <QPointF>

#include <array>
#include <string_view>
#include <vector>

class QPainter;
class QRect;
class QColor;

class AsciiGlyphs;

// Glyphs of many texts in one font and colour, drawn together as one run.
struct GlyphBatch {
  const AsciiGlyphs* pGlyphs = nullptr;
  QColor colour;
  std::vector<quint32> glyphs;
  std::vector<QPointF> positions;
};

class AsciiGlyphs {
 public:
  explicit AsciiGlyphs(const QFont& font);

  // Width in pixels of a text; -1 when it holds anything but printable ASCII.
  int Width(std::string_view text) const;

  // Draw a text in a rectangle, top-aligned, with a horizontal alignment
  // (Qt::AlignLeft / AlignHCenter / AlignRight); false (nothing drawn) when
  // the text is not printable ASCII or does not fit the rectangle's width.
  bool Draw(QPainter& p, const QRect& rect, int align, std::string_view text, const QColor& colour) const;

  // The same, added to a batch (drawn by Flush); a batch of another font or
  // colour is flushed first.
  bool Add(QPainter& p, GlyphBatch& batch, const QRect& rect, int align, std::string_view text,
           const QColor& colour) const;
  static void Flush(QPainter& p, GlyphBatch& batch);

 private:
  // Where a text's first glyph starts in a rectangle; false when it does not fit.
  bool Place(const QRect& rect, int align, std::string_view text, QPointF* origin) const;

  QRawFont raw_;
  std::array<quint32, 95> glyphs_{};
  std::array<qreal, 95> advances_{};
  qreal ascent_ = 0;
  bool ok_ = false;
};
