#include "plots/chart_commands.h"

#include <algorithm>
#include <string>

#include "platform/colour_dialog.h"
#include "platform/message_box.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "plots/chart_dialogs.h"
#include "plots/chart_layout.h"
#include "plots/chart_link.h"
#include "plots/chart_load.h"
#include "plots/chart_notes.h"
#include "plots/chart_trend.h"
#include "plots/chart_window.h"
#include "plots/plot_hooks.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_scroll.h"

namespace {

// Lay out again (the first visible step stays unless the layout moves it
// to a shown highlight) and repaint.
void Relayout(WindowHandle hwnd) {
  ChartLayoutWindow(hwnd);
  ChartRepaint(hwnd);
}

void SetKind(WindowHandle hwnd, ChartRecord& c, int kind) {
  const bool axes = c.xAxisActive || c.yAxisActive;
  if (kind == CHART_KIND_BAR && axes) return;
  if (kind == CHART_KIND_SCATTER && !axes) return;
  c.chartKind = kind;
  Relayout(hwnd);
}

void AdjustData(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  std::string choice(TextOf(c->smoothingText));
  if (AskSmoothing(hwnd, &choice) != 0) return;
  c = ChartOf(hwnd);
  if (!c) return;
  CopyText(c->smoothingText, choice);
  ChartAdjustData(*c);
  ChartComputeStatistics(*c);
  if (c->trendlineShown) ChartFitTrendlines(*c);
  Relayout(hwnd);
}

void SetXUnit(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  const double smallest = c->iXSpan / 65535.0;
  int mode = c->xUnitMode;
  double unit = c->customXUnit;
  if (AskXUnit(hwnd, smallest, c->minXDifference, &mode, &unit) != 0) return;
  c = ChartOf(hwnd);
  if (!c) return;
  c->xUnitMode = mode;
  if (mode == X_UNIT_CUSTOM) c->customXUnit = unit;
  ChartLayoutWindow(hwnd);
  if (c->xAxisActive) {
    // The view starts at the first point that has an X coordinate.
    for (int s = 0; s < c->seriesCount; ++s) {
      if (c->xRunStart[s] < 0) continue;
      const double distance = (c->xCoord[s][c->xRunStart[s]] - c->dXAxisMin) / ChartXUnit(*c);
      c->firstVisible = std::clamp(static_cast<int>(distance), 0, std::max(c->iScrollMax, 0));
      SetScrollPos(hwnd, SCROLLBAR_HORZ, c->firstVisible);
      break;
    }
  }
  ChartRepaint(hwnd);
}

void AutoYRange(WindowHandle hwnd, ChartRecord& c) {
  c.yRangeMode = Y_RANGE_AUTO;
  c.dCustomYMax = c.dCustomYMin = 0.0;
  Relayout(hwnd);
}

void SetYRange(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  double max = c->yRangeMode == Y_RANGE_CUSTOM ? c->dCustomYMax : c->dRangeMax;
  double min = c->yRangeMode == Y_RANGE_CUSTOM ? c->dCustomYMin : c->dRangeMin;
  const int answer = AskYRange(hwnd, &max, &min);
  c = ChartOf(hwnd);
  if (!c || answer == 1) return;
  if (answer == 2) {
    AutoYRange(hwnd, *c);
    return;
  }
  c->yRangeMode = Y_RANGE_CUSTOM;
  c->dCustomYMax = max;
  c->dCustomYMin = min;
  Relayout(hwnd);
}

void SetBackground(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  int rgb = c->userBackground[3] ? PackRgb(c->userBackground[0], c->userBackground[1], c->userBackground[2])
                                 : PackRgb(255, 255, 255);
  if (ChooseColour(hwnd, &rgb) != 0) return;
  c = ChartOf(hwnd);
  if (!c) return;
  c->userBackground = {RedOf(rgb), GreenOf(rgb), BlueOf(rgb), 1};
  ChartRepaint(hwnd);
}

void Zoom(WindowHandle hwnd, ChartRecord& c, int change) {
  c.stepPixels = std::clamp(c.stepPixels + change, 2, 59);
  Relayout(hwnd);
}

// Commands that do nothing while the plot area is too small.
bool NeedsLayout(unsigned id) {
  switch (id) {
    case CMD_CHART_RELOAD:
    case CMD_CHART_TRACK_CELL:
    case CMD_CHART_ADJUST:
    case CMD_CHART_SET_MARKER:
    case CMD_CHART_CLEAR_MARKERS:
    case CMD_CHART_CROSSHAIR:
    case CMD_CHART_COPY:
    case CMD_COPY:
    case CMD_BUTTON_COPY:
    case CMD_CHART_PRINT:
    case CMD_PRINT:
    case CMD_BUTTON_PRINT:
    case CMD_CHART_SAVE_PICTURE:
    case CMD_ZOOM_IN_BUTTON:
    case CMD_ZOOM_OUT_BUTTON:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ChartCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  // A chart still waiting for its first load has no layout yet but reloads.
  if (NeedsLayout(id) && !c->layoutValid && !(id == CMD_CHART_RELOAD && !c->dataLoaded)) return;
  switch (id) {
    case CMD_CHART_RELOAD:
      ChartResetView(*c);
      ChartClearMarkers(*c);
      ChartLoadFromTable(hwnd);
      return;
    case CMD_CHART_TRACK_CELL: ChartTrackTable(hwnd); return;
    case CMD_CHART_FOLLOW_SCROLL: {
      {
        TableLockGuard t(c->sourceTable);
        if (!t) return;
        ChartFollowTable(*c, *t.get(), static_cast<int>(lParam));
      }
      SetScrollPos(hwnd, SCROLLBAR_HORZ, c->firstVisible);
      ChartRepaint(hwnd);
      return;
    }
    case CMD_TABLE_RELEASE:
      c->sourceTable = WindowHandle::None;
      DestroyWindowOf(hwnd);
      return;
    case CMD_CHART_VIEW_LINE: SetKind(hwnd, *c, CHART_KIND_LINE); return;
    case CMD_CHART_VIEW_BAR: SetKind(hwnd, *c, CHART_KIND_BAR); return;
    case CMD_CHART_VIEW_PIE: SetKind(hwnd, *c, CHART_KIND_PIE); return;
    case CMD_CHART_VIEW_SCATTER: SetKind(hwnd, *c, CHART_KIND_SCATTER); return;
    case CMD_CHART_TRENDLINE:
      c->trendlineShown = !c->trendlineShown;
      if (c->trendlineShown) ChartFitTrendlines(*c);
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_ADJUST: AdjustData(hwnd); return;
    case CMD_CHART_SET_MARKER:
      if (ChartSetMarker(*c) != 0) {
        ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_CHART_MARKER_OVERFLOW));
        return;
      }
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_CLEAR_MARKERS:
      ChartClearMarkers(*c);
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_HIGHLIGHT_NEW:
      c->highlightNewSeries = !c->highlightNewSeries;
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_CROSSHAIR:
      c->crosshairShown = !c->crosshairShown;
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_SET_X_UNIT:
    case CMD_CHART_SET_X_UNIT_AXIS: SetXUnit(hwnd); return;
    case CMD_CHART_AUTO_X_UNIT:
      c->xUnitMode = X_UNIT_AUTO;
      c->customXUnit = 0.1;
      Relayout(hwnd);
      return;
    case CMD_CHART_SET_Y_RANGE:
    case CMD_CHART_SET_Y_RANGE_AXIS: SetYRange(hwnd); return;
    case CMD_CHART_AUTO_Y_RANGE: AutoYRange(hwnd, *c); return;
    case CMD_CHART_SET_BACKGROUND: SetBackground(hwnd); return;
    case CMD_CHART_ARTIFICIAL_BACKGROUND:
      c->userBackground[3] = 0;
      ChartRepaint(hwnd);
      return;
    case CMD_CHART_COPY:
    case CMD_COPY:
    case CMD_BUTTON_COPY:
    case CMD_CHART_PRINT:
    case CMD_PRINT:
    case CMD_BUTTON_PRINT:
    case CMD_CHART_SAVE_PICTURE:
      PlotOutput(hwnd, id);
      return;
    case CMD_ZOOM_OUT_BUTTON: Zoom(hwnd, *c, -1); return;
    case CMD_ZOOM_IN_BUTTON: Zoom(hwnd, *c, +1); return;
    default: return;
  }
}

void ChartHorizontalScroll(WindowHandle hwnd, int request, int position) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || !c->layoutValid) return;
  int first = c->firstVisible;
  switch (request) {
    case SCROLL_LINE_LEFT: --first; break;
    case SCROLL_LINE_RIGHT: ++first; break;
    case SCROLL_PAGE_LEFT: first -= c->visibleCount; break;
    case SCROLL_PAGE_RIGHT: first += c->visibleCount; break;
    case SCROLL_THUMB_TRACK:
    case SCROLL_THUMB_POSITION: first = position; break;
    default: return;
  }
  c->firstVisible = std::clamp(first, 0, std::max(c->iScrollMax, 0));
  SetScrollPos(hwnd, SCROLLBAR_HORZ, c->firstVisible);
  ChartScrollTable(hwnd);
  ChartRepaint(hwnd);
}

void ChartVerticalScroll(WindowHandle hwnd, int request, int position) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || !c->layoutValid) return;
  const bool pie = c->chartKind == CHART_KIND_PIE;
  int& step = c->stepPixels;
  switch (request) {
    case SCROLL_LINE_UP:
      if (pie) c->pieZoom -= 2;
      else if (step > 3) --step;
      break;
    case SCROLL_LINE_DOWN:
      if (pie) c->pieZoom += 2;
      else if (step < 59) ++step;
      break;
    case SCROLL_PAGE_UP: step = std::max(step - 5, 2); break;
    case SCROLL_PAGE_DOWN: step = step >= 55 ? 60 : step + 5; break;
    case SCROLL_THUMB_POSITION: step = std::clamp(position + 2, 2, 60); break;
    default: return;
  }
  Relayout(hwnd);
}
