#include "analysis/find_highlight.h"

#include <algorithm>
#include <cmath>

#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_range.h"

namespace {

constexpr int FIND_TEXT_CHARS = 18;
constexpr int MAP_CELL_PIXELS = 9;

// A text cut to the characters a find field keeps.
std::string_view Kept(std::string_view text) { return text.substr(0, TextCutLength(text, FIND_TEXT_CHARS)); }

// Whether x meets the condition.
bool Matches(int mode, double x, double t, double lo, double hi) {
  switch (mode) {
    case FIND_BELOW:
      return x < t;
    case FIND_ABOVE:
      return x > t;
    case FIND_NOT_EQUAL:
      return x != t;
    case FIND_BETWEEN:
      return lo <= x && x <= hi;
    default:
      return x == t;
  }
}

}  // namespace

void FindStoreChoice(TableDocument& t, const FindChoice& choice) {
  TrendSettingsOf(t).iCompareMode = TREND_ALL_DATA;
  t.iFindMode = choice.iMode;
  if (choice.iMode == FIND_BETWEEN) {
    const std::string_view a = Kept(choice.szLow);
    const std::string_view b = Kept(choice.szHigh);
    const bool aLower = TextToDouble(a) < TextToDouble(b);
    CopyText(t.szFindLow, aLower ? a : b);
    CopyText(t.szFindHigh, aLower ? b : a);
  }
  CopyText(t.szFindText, Kept(choice.szText));
  t.iHighlightStyle = choice.iStyle == HIGHLIGHT_SINGLE ? HIGHLIGHT_SINGLE : HIGHLIGHT_SCALE;
  t.iColourState = COLOUR_STATE_FIND;
}

bool FindIsTextSearch(const TableDocument& t) {
  const std::string_view text = TextOf(t.szFindText);
  return !text.empty() && CellIsText(text) != 0;
}

void HighlightValues(TableRecord& t) {
  RescanExtremes(t);
  const double target = TextToDouble(TextOf(t.szFindText));
  const double lo = TextToDouble(TextOf(t.szFindLow));
  const double hi = TextToDouble(TextOf(t.szFindHigh));
  const TrendSettings& settings = TrendSettingsOf(t);
  TrendScale scale{t.dMinValue, t.dMaxValue, settings.iHueStart, settings.iHueEnd};
  if (t.iFindMode == FIND_BELOW) scale = {t.dMinValue, target, settings.iHueStart, settings.iHueEnd};
  if (t.iFindMode == FIND_ABOVE) scale = {target, t.dMaxValue, settings.iHueStart, settings.iHueEnd};
  if (t.iFindMode == FIND_BETWEEN) scale = {lo, hi, settings.iHueStart, settings.iHueEnd};
  const bool single = t.iFindMode == FIND_EQUAL || t.iHighlightStyle == HIGHLIGHT_SINGLE;
  const HlsColour highlight = RgbToHls(t.highlightColour[0], t.highlightColour[1], t.highlightColour[2]);
  const bool relief = settings.iRelief == TREND_RELIEF_ON;
  const int rows = std::min(t.iUsedRows, t.iRows);
  const int cols = std::min(t.iUsedCols, t.iCols);
  for (int row = 1; row < rows; ++row) {
    for (int col = 1; col < cols; ++col) {
      TableCell* cell = TableCellAt(t, row, col);
      if (!cell) continue;
      const std::string_view text = TextOf(cell->szText);
      const bool empty = text.empty();
      if (!empty && CellIsText(text) != 0) continue;
      const double x = empty ? 0.0 : TextToDouble(text);
      HlsColour colour = FIND_NO_MATCH;
      if (Matches(t.iFindMode, x, target, lo, hi)) {
        if (single) {
          colour = highlight;
        } else if (empty) {
          continue;  // the trend colouring leaves empty cells as they are
        } else {
          double below = 0;
          const bool hasBelow = TrendCellNumber(t, row + 1, col + 1, &below);
          colour = TrendColour(x, scale, relief, hasBelow ? &below : nullptr);
        }
      }
      SetCellTextColour(*cell, colour.iHue, colour.iLum, colour.iSat);
    }
  }
  if (!t.bLinked) return;
  t.bImageView = 1;
  t.iDefaultColWidth = MAP_CELL_PIXELS;
  t.colWidth.fill(MAP_CELL_PIXELS);
  t.rowHeight.fill(MAP_CELL_PIXELS);
}
