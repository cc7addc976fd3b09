#include "plots/chart_menus.h"

#include "resources/command_ids.h"
#include "resources/string_table.h"

namespace {

PopupMenuItem Item(unsigned command, TextId text, bool enabled = true) {
  return PopupMenuItem{static_cast<int>(command), Text(text), !enabled};
}

const PopupMenuItem SEPARATOR{};

}  // namespace

PopupMenuList ChartRightMenu(const ChartRecord& c) {
  const bool pie = c.chartKind == CHART_KIND_PIE;
  const bool axes = c.xAxisActive || c.yAxisActive;
  const bool bubble = c.xAxisActive && c.yAxisActive;
  const bool trend = c.chartKind == CHART_KIND_SCATTER && axes && !pie;
  PopupMenuList menu;
  menu.items = {
      Item(CMD_CHART_VIEW_LINE, TXT_CHART_VIEW_LINE),
      Item(CMD_CHART_VIEW_BAR, TXT_CHART_VIEW_BAR, !axes),
      Item(CMD_CHART_VIEW_PIE, TXT_CHART_VIEW_PIE),
      Item(CMD_CHART_VIEW_SCATTER, bubble ? TXT_CHART_VIEW_BUBBLE : TXT_CHART_VIEW_SCATTER, axes),
      SEPARATOR,
      Item(CMD_CHART_TRENDLINE, c.trendlineShown ? TXT_CHART_HIDE_TREND : TXT_CHART_SHOW_TREND, trend),
      Item(CMD_CHART_ADJUST, TXT_CHART_ADJUST, !pie),
      SEPARATOR,
      Item(CMD_CHART_SET_MARKER, TXT_CHART_SET_MARKER, !pie),
      Item(CMD_CHART_CLEAR_MARKERS, TXT_CHART_CLEAR_MARKERS, !pie),
      Item(CMD_CHART_HIGHLIGHT_NEW, c.highlightNewSeries ? TXT_CHART_HIGHLIGHT_OFF : TXT_CHART_HIGHLIGHT_ON, !pie),
      Item(CMD_CHART_CROSSHAIR, c.crosshairShown ? TXT_CHART_HIDE_CROSSHAIR : TXT_CHART_SHOW_CROSSHAIR),
      SEPARATOR,
      Item(CMD_CHART_SET_X_UNIT, TXT_CHART_SET_X_UNIT, !pie && !c.xAxisActive),
      Item(CMD_CHART_SET_Y_RANGE, TXT_CHART_SET_Y_RANGE, !pie),
      SEPARATOR,
      Item(CMD_CHART_ARTIFICIAL_BACKGROUND, TXT_CHART_ARTIFICIAL_BG),
      Item(CMD_CHART_SET_BACKGROUND, TXT_CHART_SET_BG),
      SEPARATOR,
      Item(CMD_CHART_COPY, TXT_CHART_COPY),
      Item(CMD_CHART_PRINT, TXT_CHART_PRINT),
      Item(CMD_CHART_SAVE_PICTURE, TXT_SAVE_PICTURE),
  };
  return menu;
}

PopupMenuList ChartXAxisMenu() {
  PopupMenuList menu;
  menu.items = {Item(CMD_CHART_SET_X_UNIT_AXIS, TXT_CHART_SET_X_UNIT), Item(CMD_CHART_AUTO_X_UNIT, TXT_CHART_AUTO_X_UNIT)};
  return menu;
}

PopupMenuList ChartYAxisMenu() {
  PopupMenuList menu;
  menu.items = {Item(CMD_CHART_SET_Y_RANGE_AXIS, TXT_CHART_SET_Y_RANGE),
                Item(CMD_CHART_AUTO_Y_RANGE, TXT_CHART_AUTO_Y_RANGE)};
  return menu;
}

bool InYAxisBand(const ChartRecord& c, int x, int y) {
  if (c.chartKind == CHART_KIND_PIE) return false;
  if (x < c.iPlotLeft - 2 && y > c.iPlotTop + 5 && y < c.iPlotBottom - 5) return true;
  // The box above the Y axis arrow.
  return x >= c.iPlotLeft - 6 && x < c.iPlotLeft + 6 && y >= c.iPlotTop - 12 && y < c.iPlotTop - 2;
}

bool InXAxisBox(const ChartRecord& c, int x, int y) {
  if (c.chartKind == CHART_KIND_PIE || !c.xAxisActive) return false;
  return x >= c.iPlotRight + 8 && x <= c.iPlotRight + 18 && y >= c.iAxisLine - 6 && y <= c.iAxisLine + 10;
}

int LegendSwatchAt(const ChartRecord& c, int x, int y) {
  if (x < c.iPlotRight + 20 || x > c.iPlotRight + 26) return -1;
  const int lines = c.chartKind == CHART_KIND_PIE ? c.sliceCount : c.seriesCount;
  for (int k = 0; k < lines; ++k) {
    const int top = c.iPlotTop + 3 + 16 * k;
    if (y >= top && y < top + 7) return k;
  }
  return -1;
}
