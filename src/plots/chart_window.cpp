#include "plots/chart_window.h"

#include <algorithm>

#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "platform/timers.h"
#include "plots/chart_commands.h"
#include "plots/chart_dialogs.h"
#include "plots/chart_layout.h"
#include "plots/chart_load.h"
#include "plots/chart_mouse.h"
#include "plots/chart_pie.h"
#include "plots/chart_trend.h"
#include "plots/plot_hooks.h"
#include "plots/plot_table_state.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "table/table_access.h"

namespace {

constexpr int MENU_CODE_CHART = 236;

WindowHandle& HandOverSlot() {
  static WindowHandle slot = WindowHandle::None;
  return slot;
}

int OnCreate(WindowHandle hwnd, const WindowCreateInfo* info) {
  ChartRecord* c = ChartAllocRecord();
  if (!c) return -1;
  ChartInitRecord(*c);
  // The size asked for, until the first size message tells the client's.
  if (info) {
    c->iClientWidth = std::max(info->cx, 0);
    c->iClientHeight = std::max(info->cy, 0);
  }
  c->handedTable = HandOverSlot();
  HandOverSlot() = WindowHandle::None;
  c->placement = CHART_PLACE_MDI;
  SetWindowUserData(hwnd, c);
  StartTimer(hwnd, TIMER_CHART_START, 20);
  return 0;
}

void OnDestroy(WindowHandle hwnd) {
  auto* c = static_cast<ChartRecord*>(WindowUserData(hwnd));
  if (!c) return;
  const WindowHandle source = c->sourceTable;
  SetWindowUserData(hwnd, nullptr);
  ChartFreeRecord(c);
  StopWindowTimers(hwnd);
  const bool closingAll = PlotHooks().pfnClosingAll && PlotHooks().pfnClosingAll() != 0;
  if (!closingAll && IsWindowAlive(source)) {
    PostCommand(source, CMD_CHART_CLOSED, static_cast<std::intptr_t>(static_cast<std::uint32_t>(hwnd)));
  }
}

void OnTimer(WindowHandle hwnd, unsigned id) {
  if (id != TIMER_CHART_START) return;
  StopTimer(hwnd, id);
  ChartRecord* c = ChartOf(hwnd);
  if (!c || IsNone(c->handedTable)) return;
  c->sourceTable = c->handedTable;
  c->handedTable = WindowHandle::None;
  ChartLoadFromTable(hwnd);
}

void OnSize(WindowHandle hwnd, int width, int height) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  c->iClientWidth = width;
  c->iClientHeight = height;
  const int keep = c->firstVisible;
  ChartLayoutWindow(hwnd);
  if (ChartRecord* again = ChartOf(hwnd); again && again->layoutValid && !again->xAxisActive) {
    again->firstVisible = std::clamp(keep, 0, std::max(again->iScrollMax, 0));
    SetScrollPos(hwnd, SCROLLBAR_HORZ, again->firstVisible);
  }
  ChartRepaint(hwnd);
}

}  // namespace

ChartRecord* ChartOf(WindowHandle hwnd) {
  if (!IsWindowAlive(hwnd) || WindowClassName(hwnd) != CHART_WINDOW_CLASS) return nullptr;
  return static_cast<ChartRecord*>(WindowUserData(hwnd));
}

void ChartHandOver(WindowHandle table) { HandOverSlot() = table; }

ChartTextMetrics& ChartMetrics() {
  static ChartTextMetrics metrics;
  return metrics;
}

const char* ChartTitleText(const ChartRecord& c) {
  const bool byRow = !ChartByColumn(c);
  const bool bubble = c.xAxisActive && c.yAxisActive;
  switch (c.chartKind) {
    case CHART_KIND_BAR: return Text(byRow ? TXT_CHART_ROW_BAR : TXT_CHART_COL_BAR);
    case CHART_KIND_PIE: return Text(byRow ? TXT_CHART_ROW_PIE : TXT_CHART_COL_PIE);
    case CHART_KIND_SCATTER:
      if (bubble) return Text(byRow ? TXT_CHART_ROW_BUBBLE : TXT_CHART_COL_BUBBLE);
      return Text(byRow ? TXT_CHART_ROW_SCATTER : TXT_CHART_COL_SCATTER);
    default: return Text(byRow ? TXT_CHART_ROW_LINE : TXT_CHART_COL_LINE);
  }
}

void ChartRepaint(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  c->bCrosshairArmed = 0;
  c->bCrosshairDrawn = 0;
  c->bImageStale = 1;
  if (c->layoutValid) SetWindowTitle(hwnd, ChartTitleText(*c));
  InvalidateWindow(hwnd);
}

int ChartLayoutWindow(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return -1;
  c->scrollReady = 0;
  const int status = ChartLayout(*c, c->iClientWidth, c->iClientHeight);
  if (c->chartKind == CHART_KIND_PIE) {
    ChartPieSlices(*c);
    ChartPieBox(*c, c->iClientHeight);
  }
  if (status == 0) {
    SetScrollRange(hwnd, SCROLLBAR_VERT, 1, 60);
    SetScrollPos(hwnd, SCROLLBAR_VERT, c->stepPixels);
    SetScrollRange(hwnd, SCROLLBAR_HORZ, 0, std::max(c->iScrollMax, 0));
    SetScrollPos(hwnd, SCROLLBAR_HORZ, c->firstVisible);
  }
  c->scrollReady = 1;
  return status;
}

int ChartLoadFromTable(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return -1;
  const WindowHandle table = c->sourceTable;
  bool ask = false;
  int kind = CHART_KIND_LINE;
  {
    TableLockGuard t(table);
    if (!t) return -1;
    ask = ChartLoadAsksMode(*t.get());
    if (PlotStateOf(*t.get()).iRequestedKind != 0) kind = PlotStateOf(*t.get()).iRequestedKind;
  }
  int answer = c->drawingMode;
  if (ask) {
    const int chosen = AskDrawingMode(hwnd, c->drawingMode);
    // The dialog let the user close the chart or its table.
    c = ChartOf(hwnd);
    if (!c) return -1;
    if (chosen != 0) answer = chosen;
  }
  {
    TableLockGuard t(table);
    if (!t) return -1;
    if (t->selKind[0] == SELECT_COLUMNS) {
      constexpr TextId loading[] = {TXT_CHART_LOADING_BAR, TXT_CHART_LOADING_PIE, TXT_CHART_LOADING_SCATTER,
                                    TXT_CHART_LOADING_LINE};
      const int which = kind == CHART_KIND_BAR ? 0 : kind == CHART_KIND_PIE ? 1 : kind == CHART_KIND_SCATTER ? 2 : 3;
      SetWindowTitle(hwnd, Text(loading[which]));
    }
    ChartLoadSeries(*c, *t.get(), kind, answer);
    if (c->trendlineShown) ChartFitTrendlines(*c);
  }
  ChartLayoutWindow(hwnd);
  ChartRepaint(hwnd);
  return 0;
}

int CmdView2DPlot(WindowHandle table, unsigned, std::intptr_t) {
  WindowHandle existing = WindowHandle::None;
  {
    TableLockGuard t(table);
    if (!t) return 0;
    PlotStateOf(*t.get()).iRequestedKind = CHART_KIND_LINE;
    existing = t->hChartWindow;
  }
  if (ChartOf(existing)) {
    SendCommand(existing, CMD_CHART_RELOAD, static_cast<std::intptr_t>(static_cast<std::uint32_t>(table)));
    return 0;
  }
  if (!PlotHooks().pfnCreatePlotWindow) return 0;
  ChartHandOver(table);
  int placement = CHART_PLACE_MDI;
  const WindowHandle chart = PlotHooks().pfnCreatePlotWindow(CHART_WINDOW_CLASS, Text(TXT_CHART_INITIAL_TITLE), &placement);
  ChartHandOver(WindowHandle::None);
  if (ChartRecord* c = ChartOf(chart)) c->placement = placement;
  TableLockGuard t(table);
  if (t && !IsNone(chart)) t->hChartWindow = chart;
  return 0;
}

void ChartKeepBelowBand(WindowRect* place, int clientHeight) {
  if (!place || place->y >= CHART_TOOL_BAND) return;
  place->y = CHART_TOOL_BAND;
  place->cy = std::max(std::min(place->cy, clientHeight - CHART_TOOL_BAND), 1);
}

std::intptr_t ChartWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd, reinterpret_cast<const WindowCreateInfo*>(lParam));
    case MSG_DESTROY:
      OnDestroy(hwnd);
      return 0;
    case MSG_TIMER:
      OnTimer(hwnd, static_cast<unsigned>(wParam));
      return 0;
    case MSG_SIZE:
      OnSize(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case MSG_MDIACTIVATE:
      if (wParam != 0 && PlotHooks().pfnPlotActivated) PlotHooks().pfnPlotActivated(hwnd, MENU_CODE_CHART);
      return 0;
    case MSG_MOVING:
      if (const ChartRecord* c = ChartOf(hwnd); c && c->placement == CHART_PLACE_MDI) {
        ChartKeepBelowBand(reinterpret_cast<WindowRect*>(lParam), static_cast<int>(wParam));
      }
      return 0;
    case MSG_COMMAND:
      ChartCommand(hwnd, CommandId(wParam), lParam);
      return 0;
    case MSG_KEYDOWN:
      if (wParam == KEY_F1) ChartCommand(hwnd, CMD_ZOOM_OUT_BUTTON, 0);
      if (wParam == KEY_F1 + 1) ChartCommand(hwnd, CMD_ZOOM_IN_BUTTON, 0);
      return 0;
    case MSG_MOUSEMOVE:
    case MSG_LBUTTONDOWN:
    case MSG_LBUTTONUP:
    case MSG_RBUTTONDOWN:
    case MSG_RBUTTONUP:
    case MSG_MOUSEWHEEL:
      ChartMouse(hwnd, msg, wParam, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_HSCROLL:
      ChartHorizontalScroll(hwnd, ScrollRequestOf(wParam), ScrollPositionOf(wParam));
      return 0;
    case MSG_VSCROLL:
      ChartVerticalScroll(hwnd, ScrollRequestOf(wParam), ScrollPositionOf(wParam));
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}
