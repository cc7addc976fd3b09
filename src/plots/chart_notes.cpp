#include "plots/chart_notes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/chart_dialogs.h"
#include "plots/chart_layout.h"
#include "plots/chart_pie.h"
#include "plots/chart_window.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/number_format.h"

bool ChartBarBox(const ChartRecord& c, int s, int i, ChartBox* box) {
  int x = 0;
  int y = 0;
  if (!ChartPointPixel(c, s, i, &x, &y)) return false;
  const int count = std::max(c.seriesCount, 1);
  int w = c.stepPixels / count + 1;
  while (w * count > c.stepPixels && w > 1) --w;
  box->iLeft = x + s * w + 1;
  box->iRight = box->iLeft + w;
  BarSpan(c, c.shownValue[s][i], &box->iTop, &box->iBottom);
  return true;
}

namespace {

bool InBox(const ChartBox& b, int x, int y) { return x >= b.iLeft && x < b.iRight && y >= b.iTop && y < b.iBottom; }

// The first point a walk over series s starts from.
int WalkStart(const ChartRecord& c) { return c.xAxisActive || c.yAxisActive ? 0 : c.firstVisible; }

std::string XPart(const ChartRecord& c, int x) {
  if (x < c.iPlotLeft || x > c.iPlotRight) return Text(TXT_CHART_X_NULL);
  double value = 0.0;
  if (ChartXValue(c, x, &value)) return "X = " + FormatNumber(value);
  return std::string(Text(ChartByColumn(c) ? TXT_CHART_X_ROW : TXT_CHART_X_COL)) + FormatInt(static_cast<long long>(value));
}

std::string YPart(const ChartRecord& c, int y, double* value) {
  if (y < c.iPlotTop || y > c.iPlotBottom) return Text(TXT_CHART_Y_NULL);
  *value = YToValue(c, y);
  return "Y = " + FormatNumber(*value);
}

}  // namespace

void StoreChartText(ChartText& field, const std::string& text, int chars) {
  // Long characters (Chinese takes 3 bytes each) may leave fewer of them.
  std::string cut = CutToCharacters(text, chars);
  while (cut.size() >= field.size() && chars > 0) cut = CutToCharacters(text, --chars);
  CopyText(field, cut);
}

bool ChartPointPixel(const ChartRecord& c, int s, int i, int* x, int* y) {
  if (s < 0 || s >= c.seriesCount || i < 0 || i >= CHART_POINTS) return false;
  double value = 0.0;
  if (!ChartPointValue(c, s, i, &value)) return false;
  int position = i - c.firstVisible;
  if (!c.xAxisActive && !c.yAxisActive && (position < 0 || position >= c.visibleCount)) return false;
  *x = ChartPointX(c, s, i, &position);
  if (*x < 0) return false;
  *y = ValueToY(c, value);
  return true;
}

bool ChartHitPoint(const ChartRecord& c, int x, int y, int* s, int* i) {
  if (c.chartKind == CHART_KIND_PIE) {
    *s = -1;
    *i = PieSliceAt(c, x, y);
    return *i >= 0;
  }
  for (int series = 0; series < c.seriesCount; ++series) {
    const int last = c.xAxisActive || c.yAxisActive ? c.pointCount[series]
                                                    : std::min(c.pointCount[series], c.firstVisible + c.visibleCount);
    for (int point = WalkStart(c); point < last; ++point) {
      if (c.chartKind == CHART_KIND_BAR) {
        ChartBox box{};
        if (!ChartBarBox(c, series, point, &box) || !InBox(box, x, y)) continue;
      } else {
        int px = 0;
        int py = 0;
        if (!ChartPointPixel(c, series, point, &px, &py) || std::abs(px - x) > 2 || std::abs(py - y) > 2) continue;
      }
      *s = series;
      *i = point;
      return true;
    }
  }
  return false;
}

int ChartNoteTarget(const ChartRecord& c, int x, int y, int* s, int* i) {
  if (ChartHitPoint(c, x, y, s, i)) return NOTE_POINT;
  if (c.chartKind == CHART_KIND_PIE) return NOTE_NONE;
  const int yTop = c.iSignCase == -1 ? c.iPlotBottom : c.iPlotTop;
  if (std::abs(x - c.iPlotLeft) <= 2 && std::abs(y - yTop) <= 2) return NOTE_Y_TITLE;
  if (std::abs(x - c.iPlotRight) <= 2 && std::abs(y - c.iAxisLine) <= 2) return NOTE_X_TITLE;
  return NOTE_NONE;
}

ChartBox ChartTextBox(const std::string& text) {
  const ChartTextMetrics& m = ChartMetrics();
  int chars = 0;
  for (unsigned char ch : text) chars += (ch & 0xC0) != 0x80 ? 1 : 0;
  const int widest = LanguageIsChinese() ? 2 * m.iMaxWidth : m.iMaxWidth;
  return ChartBox{0, 0, m.iAverageWidth * chars + widest + 4, m.iHeight + 4};
}

bool ChartNoteBox(const ChartRecord& c, int slot, ChartBox* box) {
  if (slot < 0 || slot >= CHART_NOTES || !c.noteUsed[slot]) return false;
  const ChartBox size = ChartTextBox(std::string(TextOf(c.noteText[slot])));
  if (c.chartKind == CHART_KIND_PIE) {
    box->iLeft = static_cast<int>(c.noteOffset[slot]);
    box->iTop = static_cast<int>(c.noteValue[slot]);
  } else {
    const int s = c.noteSeries[slot];
    const int i = c.notePoint[slot];
    int x = 0;
    int y = 0;
    if (!ChartPointPixel(c, s, i, &x, &y)) return false;
    if (c.chartKind == CHART_KIND_BAR) {
      ChartBox bar{};
      if (ChartBarBox(c, s, i, &bar)) x = bar.iRight;
    }
    box->iLeft = x + static_cast<int>(c.noteOffset[slot]);
    box->iTop = ValueToY(c, c.noteValue[slot]);
  }
  box->iRight = box->iLeft + size.iRight;
  box->iBottom = box->iTop + size.iBottom;
  return true;
}

bool ChartTitleBox(const ChartRecord& c, int kind, ChartBox* box) {
  const ChartText& text = kind == NOTE_X_TITLE ? c.xAxisTitle : c.yAxisTitle;
  if (text[0] == 0 || c.chartKind == CHART_KIND_PIE) return false;
  const ChartBox size = ChartTextBox(std::string(TextOf(text)));
  if (kind == NOTE_X_TITLE) {
    box->iLeft = c.iPlotRight + static_cast<int>(c.dXTitleOffset);
    box->iTop = ValueToY(c, c.dXTitleValue);
  } else {
    box->iLeft = c.iPlotLeft + static_cast<int>(c.dYTitleOffset);
    box->iTop = c.iPlotTop - static_cast<int>(c.dYTitleRise);
  }
  box->iRight = box->iLeft + size.iRight;
  box->iBottom = box->iTop + size.iBottom;
  return true;
}

int ChartNoteUnder(const ChartRecord& c, int x, int y) {
  ChartBox box{};
  for (int slot = 0; slot < CHART_NOTES; ++slot) {
    if (ChartNoteBox(c, slot, &box) && InBox(box, x, y)) return slot;
  }
  if (ChartTitleBox(c, NOTE_X_TITLE, &box) && InBox(box, x, y)) return -2;
  if (ChartTitleBox(c, NOTE_Y_TITLE, &box) && InBox(box, x, y)) return -3;
  return -1;
}

int ChartSetMarker(ChartRecord& c) {
  if (c.markerCount >= CHART_MARKERS) return -1;
  const int m = c.markerCount++;
  const int x = c.iLastRightX;
  const int y = c.iLastRightY;
  c.markerX[m] = x;
  c.markerY[m] = y;
  double value = 0.0;
  const std::string yText = YPart(c, y, &value);
  c.markerValue[m] = y >= c.iPlotTop && y <= c.iPlotBottom ? value : YToValue(c, y);
  StoreChartText(c.markerYText[m], yText, CHART_TEXT - 1);
  StoreChartText(c.markerXText[m], XPart(c, x), CHART_TEXT - 1);
  return 0;
}

void ChartClearMarkers(ChartRecord& c) {
  c.markerCount = 0;
  c.markerX.fill(-1);
  c.markerY.fill(-1);
}

int ChartNoteSlotFor(const ChartRecord& c, int s, int i) {
  for (int slot = 0; slot < CHART_NOTES; ++slot) {
    if (c.noteUsed[slot] && c.noteSeries[slot] == s && c.notePoint[slot] == i) return slot;
  }
  for (int slot = 0; slot < CHART_NOTES; ++slot) {
    if (!c.noteUsed[slot]) return slot;
  }
  return -1;
}

std::string ChartNoteDefault(const ChartRecord& c, int s, int i) {
  if (c.chartKind == CHART_KIND_PIE) return PieNoteText(c, i);
  const std::string name(TextOf(c.seriesName[s]));
  const std::string text(TextOf(c.pointText[s][i]));
  if (ChartByColumn(c)) return "C" + name + "R" + FormatInt(i + 1) + " = " + text;
  return "R" + name + "C" + FormatInt(i + 1) + " = " + text;
}

void ChartStoreNote(ChartRecord& c, int slot, int s, int i, const std::string& text, bool placeNew) {
  if (slot < 0 || slot >= CHART_NOTES) return;
  StoreChartText(c.noteText[slot], text, CHART_NOTE_CHARS);
  c.noteUsed[slot] = 1;
  if (c.chartKind == CHART_KIND_PIE) {
    // Pie notes belong to the slice's cell and keep client positions.
    c.noteSeries[slot] = c.sliceRow[i];
    c.notePoint[slot] = c.sliceCol[i];
    if (placeNew) {
      int x = 0;
      int y = 0;
      PieRimPoint(c, 0, c.sliceAnchor[i], &x, &y);
      c.noteOffset[slot] = x;
      c.noteValue[slot] = y;
    }
    return;
  }
  c.noteSeries[slot] = s;
  c.notePoint[slot] = i;
  c.seriesPresent[s] = 1;
  if (placeNew) {
    double value = c.shownValue[s][i];
    ChartPointValue(c, s, i, &value);
    c.noteValue[slot] = value;
    c.noteOffset[slot] = 0.0;
  }
}

void ChartDropNote(ChartRecord& c, int x, int y) {
  if (c.iNoteKind == NOTE_X_TITLE) {
    c.dXTitleOffset = x - c.iPlotRight;
    c.dXTitleValue = YToValue(c, y);
    return;
  }
  if (c.iNoteKind == NOTE_Y_TITLE) {
    c.dYTitleOffset = x - c.iPlotLeft;
    c.dYTitleRise = c.iPlotTop - y;
    return;
  }
  const int slot = c.currentNote;
  if (slot < 0 || slot >= CHART_NOTES || !c.noteUsed[slot]) return;
  if (c.chartKind == CHART_KIND_PIE) {
    c.noteOffset[slot] = x;
    c.noteValue[slot] = y;
    return;
  }
  int px = 0;
  int py = 0;
  if (!ChartPointPixel(c, c.noteSeries[slot], c.notePoint[slot], &px, &py)) return;
  if (c.chartKind == CHART_KIND_BAR) {
    ChartBox bar{};
    if (ChartBarBox(c, c.noteSeries[slot], c.notePoint[slot], &bar)) px = bar.iRight;
  }
  c.noteOffset[slot] = x - px;
  c.noteValue[slot] = YToValue(c, y);
}

std::string ChartStatusHelp() {
  return std::string(Text(TXT_CHART_HELP_MENU)) + Text(TXT_CHART_HELP_WHEEL) + Text(TXT_CHART_HELP_DRAG);
}

std::string ChartMouseStatus(const ChartRecord& c, int x, int y) {
  if (c.chartKind == CHART_KIND_PIE) return ChartStatusHelp();
  double value = 0.0;
  return "[ " + YPart(c, y, &value) + ";  " + XPart(c, x) + " ]    " + ChartStatusHelp();
}

std::string ChartPointStatus(const ChartRecord& c, int s, int i) {
  if (s < 0 || s >= CHART_SERIES || i < 0 || i >= CHART_POINTS) return ChartStatusHelp();
  const TextId axis = ChartByColumn(c) ? TXT_CHART_X_ROW : TXT_CHART_X_COL;
  return "[ Y = " + FormatNumber(c.shownValue[s][i]) + ";  " + Text(axis) + FormatInt(i + c.firstLabelNumber) +
         " ]    " + ChartStatusHelp();
}
