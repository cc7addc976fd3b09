#include "output/qt/text_run_batch.h"

#include <QGlyphRun>
#include <QPainter>
#include <QString>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr std::size_t kMaxPairs = 1u << 16;  // pairs shaped per font, beyond which texts draw on their own
constexpr std::size_t kMaxFonts = 255;

// One character as laid out by Qt: its glyph, font and place relative to
// the start of the baseline.
struct LaidOutChar {
  QRawFont font;
  std::uint32_t glyph = 0;
  double x = 0;
  double y = 0;
};

// Lay out `text` on one line with `font`; false unless every character
// became exactly one glyph of its own.
bool LayOutChars(const QString& text, const QFont& font, std::vector<LaidOutChar>* out) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) return false;
  line.setLineWidth(1e6);
  layout.endLayout();
  qsizetype glyphs = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) glyphs += run.glyphIndexes().size();
  if (glyphs != text.size()) return false;
  for (int i = 0; i < text.size(); ++i) {
    const QList<QGlyphRun> runs = layout.glyphRuns(i, 1);
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1) return false;
    const QPointF at = runs[0].positions().at(0);
    out->push_back({runs[0].rawFont(), runs[0].glyphIndexes().at(0), at.x(), at.y() - line.ascent()});
  }
  return true;
}

// Characters whose glyph and advance do not depend on more than the
// neighbour after them: printable Latin and Latin-1 (no soft hyphen), CJK
// punctuation, kana and ideographs, full-width forms; no combining marks.
bool InSimpleRange(char32_t c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (c >= 0xA0 && c <= 0xFF) return c != 0xAD;
  if (c >= 0x3000 && c <= 0x30FF) return !(c >= 0x302A && c <= 0x302F) && c != 0x3099 && c != 0x309A;
  if (c >= 0x3400 && c <= 0x4DBF) return true;
  if (c >= 0x4E00 && c <= 0x9FFF) return true;
  return c >= 0xFF01 && c <= 0xFF5E;
}

// A character outside the font takes a fallback font chosen by its script;
// only scripts of their own pick the same fallback whatever the neighbours.
bool FallbackIsFixed(char32_t c) {
  const QChar::Script script = QChar::script(c);
  return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana;
}

// Decode UTF-8 into code points; false on a malformed sequence.
bool DecodeUtf8(std::string_view text, std::vector<char32_t>* out) {
  out->clear();
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out->push_back(lead);
      ++i;
      continue;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0u) == 0xC0u) {
      extra = 1, c = lead & 0x1Fu, least = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
      extra = 2, c = lead & 0x0Fu, least = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
      extra = 3, c = lead & 0x07u, least = 0x10000;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0u) != 0x80u) return false;
      c = (c << 6) | (next & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    out->push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

}  // namespace

void TextRunBatch::SetFont(const QFont& font) {
  if (primary_.isValid() && font == font_) return;
  font_ = font;
  primary_ = QRawFont::fromFont(font);
  fonts_.clear();
  pending_.clear();
  chars_.clear();
  pairs_.clear();
}

bool TextRunBatch::IsEmpty() const {
  for (const Pending& p : pending_) {
    if (!p.glyphs.empty()) return false;
  }
  return true;
}

int TextRunBatch::FontSlot(const QRawFont& font) {
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    if (fonts_[i] == font) return static_cast<int>(i);
  }
  if (fonts_.size() >= kMaxFonts) return -1;
  fonts_.push_back(font);
  pending_.emplace_back();
  return static_cast<int>(fonts_.size() - 1);
}

const TextRunBatch::CharShape& TextRunBatch::ShapeOf(char32_t c) {
  const auto found = chars_.find(c);
  if (found != chars_.end()) return found->second;
  CharShape shape;
  std::vector<LaidOutChar> laid;
  if (InSimpleRange(c) && (primary_.supportsCharacter(static_cast<uint>(c)) || FallbackIsFixed(c)) &&
      LayOutChars(QString(QChar(static_cast<char16_t>(c))), font_, &laid) && laid[0].x == 0 && laid[0].y == 0) {
    const int slot = FontSlot(laid[0].font);
    if (slot >= 0) {
      shape.bSimple = true;
      shape.iFont = static_cast<std::uint8_t>(slot);
      shape.iGlyph = laid[0].glyph;
    }
  }
  return chars_.emplace(c, shape).first->second;
}

const TextRunBatch::PairShape& TextRunBatch::ShapeOf(char32_t first, char32_t second) {
  static const PairShape kNotSimple;
  const std::uint64_t key = (static_cast<std::uint64_t>(first) << 32) | second;
  const auto found = pairs_.find(key);
  if (found != pairs_.end()) return found->second;
  if (pairs_.size() >= kMaxPairs) return kNotSimple;
  const CharShape a = ShapeOf(first);
  const CharShape b = ShapeOf(second);
  PairShape shape;
  std::vector<LaidOutChar> laid;
  QString text;
  text += QChar(static_cast<char16_t>(first));
  text += QChar(static_cast<char16_t>(second));
  if (a.bSimple && b.bSimple && LayOutChars(text, font_, &laid) && laid[0].glyph == a.iGlyph &&
      laid[1].glyph == b.iGlyph && FontSlot(laid[0].font) == a.iFont && FontSlot(laid[1].font) == b.iFont &&
      laid[0].x == 0 && laid[0].y == 0 && laid[1].y == 0) {
    shape.bSimple = true;
    shape.iAdvance64 = static_cast<std::int32_t>(std::lround(laid[1].x * 64));
  }
  return pairs_.emplace(key, shape).first->second;
}

bool TextRunBatch::Add(QPointF origin, std::string_view text) {
  if (!primary_.isValid() || !DecodeUtf8(text, &text_)) return false;
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (!ShapeOf(text_[i]).bSimple) return false;
    if (i > 0 && !ShapeOf(text_[i - 1], text_[i]).bSimple) return false;
  }
  std::int64_t advance64 = 0;
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (i > 0) advance64 += ShapeOf(text_[i - 1], text_[i]).iAdvance64;
    const CharShape& c = ShapeOf(text_[i]);
    Pending& pending = pending_[c.iFont];
    pending.glyphs.push_back(c.iGlyph);
    pending.positions.emplace_back(origin.x() + static_cast<double>(advance64) / 64, origin.y());
  }
  return true;
}

void TextRunBatch::Flush(QPainter& painter) {
  for (std::size_t i = 0; i < pending_.size(); ++i) {
    Pending& pending = pending_[i];
    if (pending.glyphs.empty()) continue;
    QGlyphRun run;
    run.setRawFont(fonts_[i]);
    run.setRawData(pending.glyphs.data(), pending.positions.data(), static_cast<int>(pending.glyphs.size()));
    painter.drawGlyphRun(QPointF(0, 0), run);
    pending.glyphs.clear();
    pending.positions.clear();
  }
}
