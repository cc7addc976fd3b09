// The 2D chart window (class DrawDiagram) without its view: its record,
// the start-up timer that loads the series from the table that created it,
// the links with that table, commands, mouse input and scrolling. The view
// paints the record and passes every other message here.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "plots/chart_record.h"

inline constexpr const char* CHART_WINDOW_CLASS = "DrawDiagram";
inline constexpr unsigned TIMER_CHART_START = 40000;

std::intptr_t ChartWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// The record of a live chart window, or null. The record belongs to the
// window: fetch it again after anything that may have let the user close
// the window (a dialog, a message box).
ChartRecord* ChartOf(WindowHandle hwnd);

// The table that is about to create a chart hands itself over; the new
// chart takes it (one-shot).
void ChartHandOver(WindowHandle table);

// "View 2D plot" (40170) of a table: reload its chart as a line graph, or
// open a new chart on the table's selection.
int CmdView2DPlot(WindowHandle table, unsigned id, std::intptr_t lParam);

// Ask for a repaint: the crosshair state starts again and the view draws
// its image anew.
void ChartRepaint(WindowHandle hwnd);

// Lay out for the window's client and set the scroll bars; 0 or -1.
int ChartLayoutWindow(WindowHandle hwnd);

// Load the series from the source table (creation and reload): the mode
// question when one is needed, then layout and repaint. 0, or -1 when the
// table is gone or the question was cancelled.
int ChartLoadFromTable(WindowHandle hwnd);

// The tool band at the top of the MDI client that an MDI chart keeps below.
inline constexpr int CHART_TOOL_BAND = 43;

// Where an MDI chart's frame that moved to `place` may stay: a frame above
// the tool band goes just below it, its height cut to end inside a client
// `clientHeight` high (never below one pixel).
void ChartKeepBelowBand(WindowRect* place, int clientHeight);

// The window title for the record's mode and kind.
const char* ChartTitleText(const ChartRecord& c);

// Metrics of the label font, set by the view (defaults for headless use).
struct ChartTextMetrics {
  int iAverageWidth = 6;
  int iMaxWidth = 15;
  int iHeight = 13;
};
ChartTextMetrics& ChartMetrics();
