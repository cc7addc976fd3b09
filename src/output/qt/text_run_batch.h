// Texts of a printed page gathered into glyph runs. A PDF writer turns
// every drawn text into its own text object with its own graphics state;
// a page of a table holds thousands of short texts, so it pays for that
// more than for the glyphs. The batch lays out each text from the glyphs
// of its characters and the advances of its character pairs, each shaped
// once by Qt's own text layout, and draws the texts gathered so far as
// one glyph run per font: the same glyphs at the same places as one
// drawText per text, in far fewer text objects.
//
// Only texts whose shaping follows from their characters and pairs are
// taken: Latin, Latin-1, CJK ideographs, kana and their punctuation, with
// no ligature or mark between neighbours. Any other text is left to the
// caller to draw on its own.
#pragma once

#include <QFont>
#include <QRawFont>

#include <QPointF>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;

class TextRunBatch {
 public:
  // Use `font` for the texts added from now on; a different font starts
  // afresh (draw the gathered texts first).
  void SetFont(const QFont& font);

  // Gather `text` (UTF-8) with its baseline starting at `origin`; false
  // when the text must be drawn on its own (nothing is gathered then).
  bool Add(QPointF origin, std::string_view text);

  // Draw the gathered texts, one glyph run per font, and empty the batch.
  void Flush(QPainter& painter);

  bool IsEmpty() const;

 private:
  // A character as the font shapes it alone: its glyph in one of the
  // batch's fonts, or not simple (shaped with its neighbours or outside
  // the simple scripts).
  struct CharShape {
    bool bSimple = false;
    std::uint8_t iFont = 0;
    std::uint32_t iGlyph = 0;
  };
  // A pair of neighbours: whether each keeps its own glyph in its own
  // font, and the distance from the first to the second in 1/64 pixel.
  struct PairShape {
    bool bSimple = false;
    std::int32_t iAdvance64 = 0;
  };
  // The glyphs of one font waiting to be drawn.
  struct Pending {
    std::vector<std::uint32_t> glyphs;
    std::vector<QPointF> positions;
  };

  const CharShape& ShapeOf(char32_t c);
  const PairShape& ShapeOf(char32_t first, char32_t second);
  int FontSlot(const QRawFont& font);

  QFont font_;
  QRawFont primary_;
  std::vector<QRawFont> fonts_;
  std::vector<Pending> pending_;
  std::unordered_map<char32_t, CharShape> chars_;
  std::unordered_map<std::uint64_t, PairShape> pairs_;
  std::vector<char32_t> text_;
};
