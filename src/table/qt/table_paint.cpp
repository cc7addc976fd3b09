#include "table/qt/table_paint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include <algorithm>
#include <array>

#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/cell_text.h"
#include "table/colour.h"
#include "table/long_text.h"
#include "table/qt/table_icon.h"
#include "table/table_geometry.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kHeaderBack(192, 192, 192);
const QColor kSelection(220, 220, 220);
const QColor kHeaderText(140, 140, 140);
const QColor kEtchDark(128, 128, 128);
const QColor kGrid(228, 228, 228);
const QColor kEditFrame(255, 128, 0);
const QColor kRefFrame(0, 0, 255);
const QColor kOverflow(225, 226, 227);
const QColor kImageSquare(235, 236, 237);

QColor LineColour(int type) {
  switch (type) {
    case LINE_GREY: return QColor(192, 192, 192);
    case LINE_WHITE: return kWhite;
    case LINE_DARK: return kEtchDark;
    case LINE_GRID: return kGrid;
    case LINE_BLUE: return QColor(1, 1, 254);
    default: return QColor(1, 1, 1);
  }
}

// The edges of a cell border by code (1 left, 2 top, 4 right, 8 bottom),
// drawn inside the cell; 15 is a one-pixel box reaching one pixel out on
// the top and left, other codes use two-pixel edges.
void DrawCellBorder(QPainter& p, const CellRect& r, int code, const QColor& colour) {
  if (code == 15) {
    p.fillRect(r.left - 1, r.top - 1, r.right - r.left + 1, 1, colour);
    p.fillRect(r.left - 1, r.top, 1, r.bottom - r.top, colour);
    p.fillRect(r.right - 1, r.top, 1, r.bottom - r.top, colour);
    p.fillRect(r.left, r.bottom - 1, r.right - r.left, 1, colour);
    return;
  }
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (code & 1) p.fillRect(r.left, r.top, 2, h, colour);
  if (code & 2) p.fillRect(r.left, r.top, w, 2, colour);
  if (code & 4) p.fillRect(r.right - 2, r.top, 2, h, colour);
  if (code & 8) p.fillRect(r.left, r.bottom - 2, w, 2, colour);
}

void FrameRect(QPainter& p, const CellRect& r, const QColor& colour) {
  p.setPen(colour);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

QColor ByteColour(int red, int green, int blue) { return QColor(red & 0xFF, green & 0xFF, blue & 0xFF); }

struct PaintContext {
  const TableRecord& t;
  QPainter& p;
  int width;
  int height;
  const TableFonts& fonts;
  const ScreenLines& rows;
  const ScreenLines& cols;
  bool image;
};

const TableCell* CellOf(const TableRecord& t, int row, int col) {
  if (row < 0 || col < 0 || row >= t.iRows || col >= t.iCols) return nullptr;
  const std::size_t index = static_cast<std::size_t>(row) * static_cast<std::size_t>(t.iCols) + col;
  return index < t.cells.size() ? &t.cells[index] : nullptr;
}

// Visit every visible data cell (rows and columns of non-zero size) with
// its rectangle; a cell outside the table ends the walk.
template <typename Visit>
void ForEachVisibleCell(const PaintContext& c, Visit visit) {
  for (int i = 0; i < c.rows.iCount; ++i) {
    const ScreenLine& row = c.rows.lines[i];
    if (row.iEnd == row.iStart) continue;
    for (int j = 0; j < c.cols.iCount; ++j) {
      const ScreenLine& col = c.cols.lines[j];
      if (col.iEnd == col.iStart) continue;
      const TableCell* cell = CellOf(c.t, row.iIndex, col.iIndex);
      if (!cell) return;
      visit(*cell, CellRect{col.iStart, row.iStart, col.iEnd, row.iEnd}, row.iIndex, col.iIndex);
    }
  }
}

void PaintFills(const PaintContext& c) {
  ForEachVisibleCell(c, [&c](const TableCell& cell, const CellRect& r, int, int) {
    if (cell.iFillOn == 1) {
      c.p.fillRect(r.left, r.top, r.right - r.left, r.bottom - r.top,
                   ByteColour(cell.iFillRed, cell.iFillGreen, cell.iFillBlue));
    }
  });
}

// The span on screen of the visible lines numbered from..to; false when
// none is visible.
bool SpanOf(const ScreenLines& lines, int from, int to, int* start, int* end) {
  bool found = false;
  for (int i = 0; i < lines.iCount; ++i) {
    const ScreenLine& line = lines.lines[i];
    if (line.iIndex < from || line.iIndex > to) continue;
    *start = found ? std::min(*start, line.iStart) : line.iStart;
    *end = found ? std::max(*end, line.iEnd) : line.iEnd;
    found = true;
  }
  return found;
}

void PaintSelection(const PaintContext& c) {
  const TableRecord& t = c.t;
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    const int r0 = std::min(t.selRowFrom[i], t.selRowTo[i]);
    const int r1 = std::max(t.selRowFrom[i], t.selRowTo[i]);
    const int c0 = std::min(t.selColFrom[i], t.selColTo[i]);
    const int c1 = std::max(t.selColFrom[i], t.selColTo[i]);
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    const bool colsShown = SpanOf(c.cols, c0, c1, &x0, &x1);
    const bool rowsShown = SpanOf(c.rows, r0, r1, &y0, &y1);
    switch (t.selKind[i]) {
      case SELECT_COLUMNS:
        if (colsShown) c.p.fillRect(x0, 0, x1 - x0, c.height, kSelection);
        break;
      case SELECT_ROWS:
        if (rowsShown) c.p.fillRect(0, y0, c.width, y1 - y0, kSelection);
        break;
      case SELECT_BLOCK:
        if (rowsShown) c.p.fillRect(0, y0, t.colWidth[0], y1 - y0, kSelection);
        if (colsShown) c.p.fillRect(x0, 0, x1 - x0, t.rowHeight[0], kSelection);
        if (rowsShown && colsShown) c.p.fillRect(x0, y0, x1 - x0, y1 - y0, kSelection);
        break;
      default:
        break;
    }
  }
}

std::string_view LabelOf(const TableRecord& t, int row, int col) {
  const TableCell* cell = CellOf(t, row, col);
  return cell ? TextOf(cell->szText) : std::string_view();
}

// A header label centred in its rectangle: the quick path for ASCII (added
// to the headers' batch), Qt's text layout for anything else.
void DrawLabel(const PaintContext& c, GlyphBatch& batch, int textHeight, const QRect& r, std::string_view label) {
  const QRect line(r.left(), r.top() + (r.height() - textHeight) / 2, r.width(), r.height());
  if (c.fonts.boldGlyphs && c.fonts.boldGlyphs->Add(c.p, batch, line, Qt::AlignHCenter, label, kHeaderText)) return;
  c.p.setPen(kHeaderText);
  c.p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine,
               QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
}

void PaintHeaders(const PaintContext& c) {
  const TableRecord& t = c.t;
  const int headW = t.colWidth[0];
  const int headH = t.rowHeight[0];
  const QFontMetrics metrics(c.fonts.bold);
  const int average = std::max(metrics.averageCharWidth(), 1);
  const int textHeight = metrics.height();
  static GlyphBatch batch;
  c.p.setFont(c.fonts.bold);
  DrawEtchedLineV(c.p, 0, c.height - 1, headW, LINE_ETCHED);
  DrawEtchedLineH(c.p, 0, headW - 1, headH, LINE_ETCHED);

  for (int i = 0; i < c.rows.iCount; ++i) {
    const ScreenLine& row = c.rows.lines[i];
    if (!c.image) {
      const QRect label(0, row.iStart + 2, headW, row.iEnd - row.iStart - 2);
      const std::string_view text = LabelOf(t, row.iIndex, 0);
      if (average * static_cast<int>(text.size()) < label.width()) {
        if (row.iEnd - row.iStart > 17) DrawLabel(c, batch, textHeight, label, text);
        if (row.bLocked) c.p.drawPixmap(headW - 10, row.iStart - 3, LockMarkerPixmap());
      } else if (row.iEnd > row.iStart) {
        c.p.fillRect(QRect(QPoint(2, row.iStart + 2), QPoint(headW - 3, row.iEnd - 4)), kHeaderText);
      }
    }
    DrawEtchedLineH(c.p, 0, headW - 1, row.iEnd, LINE_ETCHED);
    if (!c.image) DrawEtchedLineH(c.p, headW, c.width - 1, row.iEnd, LINE_GRID);
  }

  for (int j = 0; j < c.cols.iCount; ++j) {
    const ScreenLine& col = c.cols.lines[j];
    if (!c.image) {
      const QRect label(col.iStart, 1, col.iEnd - col.iStart, headH - 1);
      const std::string_view text = LabelOf(t, 0, col.iIndex);
      if (average * static_cast<int>(text.size()) < label.width()) {
        if (headH > 17) DrawLabel(c, batch, textHeight, label, text);
        if (col.bLocked) c.p.drawPixmap(col.iEnd - 10, label.top() - 2, LockMarkerPixmap());
      } else if (col.iEnd > col.iStart) {
        c.p.fillRect(QRect(QPoint(col.iStart + 2, 3), QPoint(col.iEnd - 3, headH - 4)), kHeaderText);
      }
    }
    DrawEtchedLineV(c.p, 0, headH - 1, col.iEnd, LINE_ETCHED);
    if (!c.image) DrawEtchedLineV(c.p, headH, c.height - 1, col.iEnd, LINE_GRID);
  }
  DrawEtchedLineH(c.p, 0, c.width - 1, headH, LINE_ETCHED);
  AsciiGlyphs::Flush(c.p, batch);
}

void PaintBorders(const PaintContext& c) {
  ForEachVisibleCell(c, [&c](const TableCell& cell, const CellRect& r, int, int) {
    if (cell.iBorderStyle == 0) return;
    DrawCellBorder(c.p, r, cell.iBorderStyle, ByteColour(cell.iBorderRed, cell.iBorderGreen, cell.iBorderBlue));
  });
}

int AlignmentOf(int style, bool number) {
  switch (style) {
    case 33: return number ? Qt::AlignRight : Qt::AlignLeft;
    case 11:
    case 21: return Qt::AlignHCenter;
    case 12:
    case 22: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

void PaintTexts(const PaintContext& c) {
  const int averageCell = std::max(QFontMetrics(c.fonts.cell).averageCharWidth(), 1);
  const int averageBold = std::max(QFontMetrics(c.fonts.bold).averageCharWidth(), 1);
  std::string text;
  static GlyphBatch batch;  // every quick text of the layer, drawn in a few runs
  std::array<int, 3> lastHls = {-1, -1, -1};
  QColor colour;
  const bool coloured = c.t.iColourState == COLOUR_STATE_TREND || c.t.iColourState == COLOUR_STATE_FIND;
  ForEachVisibleCell(c, [&](const TableCell& cell, const CellRect& r, int, int col) {
    if (TextIsEmpty(cell.szText)) return;
    // Neighbouring cells mostly share a colour: convert only on a change.
    if (CellTextHue(cell) != lastHls[0] || CellTextSat(cell) != lastHls[1] || CellTextLum(cell) != lastHls[2]) {
      RgbColour rgb = HlsToRgb(CellTextHue(cell), CellTextSat(cell), CellTextLum(cell));
      if (rgb.iRed == 255) rgb = {255, 0, 0};
      colour = QColor(rgb.iRed, rgb.iGreen, rgb.iBlue);
      lastHls = {CellTextHue(cell), CellTextSat(cell), CellTextLum(cell)};
    }
    // While the cells carry analysis colours, squares and overflow marks
    // show each cell's own colour.
    if (c.image) {
      c.p.fillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, coloured ? colour : kImageSquare);
      return;
    }
    text.assign(TextOf(cell.szText));
    const bool number = CellIsText(text) == 0;
    const bool bold = CellStyle(cell) >= 20 && CellStyle(cell) <= 22;
    if (IsLongTextRef(text) == 1) LongTextResolve(c.t, text);
    const int estimate = CellTextEstimate(bold ? averageBold : averageCell, text);
    const int colWidth = c.t.colWidth[col];
    if (estimate >= colWidth - 4) {
      if (colWidth > 0) {
        c.p.fillRect(r.left + 2, r.top + 2, r.right - r.left - 4, r.bottom - r.top - 4, coloured ? colour : kOverflow);
      }
      return;
    }
    const int align = AlignmentOf(CellStyle(cell), number);
    const QRect box(QPoint(r.left + 4, r.top + 2), QPoint(r.right - 5, r.bottom - 3));
    const AsciiGlyphs* glyphs = (bold ? c.fonts.boldGlyphs : c.fonts.cellGlyphs).get();
    if (glyphs && glyphs->Add(c.p, batch, box, align, text, colour)) return;
    const int flags = align == Qt::AlignLeft ? (Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap)
                                             : (align | Qt::AlignTop | Qt::TextSingleLine);
    c.p.setFont(bold ? c.fonts.bold : c.fonts.cell);
    c.p.setPen(colour);
    c.p.drawText(box, flags, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  });
  AsciiGlyphs::Flush(c.p, batch);
}

void PaintFormulaMarks(const PaintContext& c) {
  ForEachVisibleCell(c, [&c](const TableCell& cell, const CellRect& r, int, int) {
    if (CellFormulaSlot(cell) < 0 || CellFormulaSlot(cell) > FORMULA_SLOTS) return;
    const int state = c.t.formulaSlots[static_cast<std::size_t>(CellFormulaSlot(cell))].iState;
    QColor fill = kWhite;
    QColor stroke = kWhite;
    if (state == FORMULA_INACTIVE) {
      fill = QColor(255, 0, 0);
      stroke = QColor(111, 0, 0);
    } else if (state == FORMULA_RUN) {
      fill = QColor(0, 202, 0);
      stroke = QColor(0, 90, 0);
    }
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    const QPolygon triangle({QPoint(right, bottom - 6), QPoint(right, bottom), QPoint(right - 6, bottom)});
    c.p.setPen(fill);
    c.p.setBrush(fill);
    c.p.drawPolygon(triangle);
    if (state == FORMULA_INACTIVE || state == FORMULA_RUN) {
      c.p.setPen(stroke);
      c.p.drawLine(right - 1, bottom - 3, right - 3, bottom - 1);
      c.p.drawLine(right - 1, bottom - 1, right - 1, bottom - 1);
    }
  });
}

// Plot coordinate declarations as the table keeps them: entries 0..49 of
// ten ints each, the kind first (1 X, 2 Y, 3 Z, 0 free), then the
// orientation, the coordinate cells (rows from, to, columns from, to) and
// the data area they serve (the same four); entry 50 is still pending.
constexpr int kDeclaredEntries = COORDINATE_DECLARATIONS - 1;

bool InBox(const std::array<std::int32_t, 10>& e, int first, int row, int col) {
  return row >= e[first] && row <= e[first + 1] && col >= e[first + 2] && col <= e[first + 3];
}

// The letter over coordinate cells ("x", "y", "z" in the small font at the
// cell's top left) and, for each kind whose data area holds a cell, a small
// filled box at its bottom left (X, Y, Z side by side).
void PaintCoordinateMarks(const PaintContext& c) {
  static const QColor letterColour[4] = {QColor(), QColor(0, 100, 0), QColor(0, 0, 255), QColor(255, 0, 0)};
  static const QColor markerFill[4] = {QColor(), QColor(0, 220, 0), QColor(128, 128, 255), QColor(255, 0, 0)};
  static const QColor markerEdge[4] = {QColor(), QColor(0, 98, 0), QColor(0, 0, 140), QColor(128, 0, 0)};
  const auto& decl = c.t.coordinateDecl;
  const bool any = std::any_of(decl.begin(), decl.begin() + kDeclaredEntries,
                               [](const auto& e) { return e[0] >= 1 && e[0] <= 3; });
  if (!any) return;
  c.p.setFont(c.fonts.small);
  ForEachVisibleCell(c, [&c, &decl](const TableCell&, const CellRect& r, int row, int col) {
    int letter = 0;
    std::array<bool, 4> data{};
    for (int slot = 0; slot < kDeclaredEntries; ++slot) {
      const auto& e = decl[static_cast<std::size_t>(slot)];
      const int kind = e[0];
      if (kind < 1 || kind > 3) continue;
      if (InBox(e, 2, row, col)) letter = kind;
      if (InBox(e, 6, row, col)) data[static_cast<std::size_t>(kind)] = true;
    }
    if (letter != 0) {
      c.p.setPen(letterColour[letter]);
      c.p.drawText(QRect(r.left + 2, r.top - 3, 12, 14), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   QString(QChar(static_cast<char16_t>('x' + letter - 1))));
    }
    int x = r.left + 2;
    const int bottom = r.bottom - 1;
    for (int kind = 1; kind <= 3; ++kind) {
      if (!data[static_cast<std::size_t>(kind)]) continue;
      c.p.fillRect(x, bottom - 7, 6, 6, markerEdge[kind]);
      c.p.fillRect(x + 1, bottom - 6, 4, 4, markerFill[kind]);
      x += 7;
    }
  });
}

void PaintMarks(const PaintContext& c) {
  const TableRecord& t = c.t;
  if (t.bShowRefs) {
    ForEachVisibleCell(c, [&c](const TableCell& cell, const CellRect& r, int, int) {
      if (cell.iRefMark == 1) FrameRect(c.p, r, kRefFrame);
    });
  }
  if (t.iEditRow != 0 && t.iEditCol != 0) {
    ForEachVisibleCell(c, [&c, &t](const TableCell&, const CellRect& r, int row, int col) {
      if (row == t.iEditRow && col == t.iEditCol) FrameRect(c.p, r, kEditFrame);
    });
  }
}

// What a higher area draws over every table.
TableOverlayPainter& OverlayPainter() {
  static TableOverlayPainter painter = nullptr;
  return painter;
}

// A raised grey box in the bottom-right corner telling how to browse, for a
// table that drives a chart or a 3D plot.
void PaintHintStrip(const PaintContext& c) {
  if (IsNone(c.t.hChartWindow) && IsNone(c.t.hPlot3DWindow)) return;
  const QRect box(c.width - 380, c.height - 20, 380, 20);
  c.p.fillRect(box, kHeaderBack);
  c.p.setPen(kWhite);
  c.p.drawLine(box.topLeft(), box.topRight());
  c.p.drawLine(box.topLeft(), box.bottomLeft());
  c.p.setPen(kEtchDark);
  c.p.drawLine(box.bottomLeft(), box.bottomRight());
  c.p.drawLine(box.topRight(), box.bottomRight());
  c.p.setFont(c.fonts.cell);
  c.p.setPen(Qt::black);
  const int top = box.top() + (LanguageIsChinese() ? 2 : 1);
  c.p.drawText(QRect(box.left() + 8, top, 372, 19), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               QString::fromUtf8(Text(TXT_BROWSE_HINT)));
}

}  // namespace

// A horizontal line from x1 to x2 (inclusive) at y: etched draws dark one
// pixel above and white at y; other types one line one pixel above.
int CellTextEstimate(int averageCharWidth, std::string_view text) {
  int length = 0;  // characters, not bytes
  for (char byte : text) length += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return averageCharWidth * (CellIsText(text) == 0 ? length * 3 / 2 : length);
}

void DrawEtchedLineH(QPainter& p, int x1, int x2, int y, int type) {
  if (x2 < x1) return;
  if (type == LINE_ETCHED) {
    p.fillRect(x1, y - 1, x2 - x1 + 1, 1, kEtchDark);
    p.fillRect(x1, y, x2 - x1 + 1, 1, kWhite);
  } else {
    p.fillRect(x1, y - 1, x2 - x1 + 1, 1, LineColour(type));
  }
}

void DrawEtchedLineV(QPainter& p, int y1, int y2, int x, int type) {
  if (y2 < y1) return;
  if (type == LINE_ETCHED) {
    p.fillRect(x - 1, y1, 1, y2 - y1 + 1, kEtchDark);
    p.fillRect(x, y1, 1, y2 - y1 + 1, kWhite);
  } else {
    p.fillRect(x - 1, y1, 1, y2 - y1 + 1, LineColour(type));
  }
}

TableFonts MakeTableFonts() {
  TableFonts fonts;
  fonts.cell = QFont(QStringLiteral("Arial"));
  fonts.cell.setPixelSize(12);
  fonts.bold = QFont();
  fonts.bold.setPixelSize(12);
  fonts.bold.setWeight(QFont::Bold);
  fonts.small = QFont(QStringLiteral("Arial"));
  fonts.small.setPixelSize(10);
  fonts.cellGlyphs = std::make_shared<const AsciiGlyphs>(fonts.cell);
  fonts.boldGlyphs = std::make_shared<const AsciiGlyphs>(fonts.bold);
  return fonts;
}

void TablePaintRecord(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts) {
  static ScreenLines rows;
  static ScreenLines cols;
  TableScreenRows(t, height, &rows);
  TableScreenCols(t, width, &cols);
  p.save();
  p.setClipRect(0, 0, width, height);
  const PaintContext c{t, p, width, height, fonts, rows, cols, t.bImageView != 0};
  p.fillRect(0, 0, width, height, kWhite);
  p.fillRect(0, 0, t.colWidth[0], height, kHeaderBack);
  p.fillRect(0, 0, width, t.rowHeight[0], kHeaderBack);
  if (!c.image) PaintFills(c);
  PaintSelection(c);
  PaintHeaders(c);
  if (!c.image) PaintBorders(c);
  PaintTexts(c);
  if (!c.image) {
    PaintFormulaMarks(c);
    PaintCoordinateMarks(c);
    PaintMarks(c);
  }
  PaintHintStrip(c);
  if (OverlayPainter()) OverlayPainter()(t, p, width, height, fonts);
  p.restore();
}

void SetTableOverlayPainter(TableOverlayPainter painter) { OverlayPainter() = painter; }
