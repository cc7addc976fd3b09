// The 2D chart's record: one zero-filled block per chart window, holding
// up to 30 series of up to 15,010 points copied from the source table, the
// view settings, the layout of the last pass, markers, notes and the pie.
// Series values are copies: the table's edits reach the chart only when it
// reloads.
#pragma once

#include <array>
#include <cstdint>

#include "platform/window.h"
#include "table/table_record.h"

inline constexpr int CHART_SERIES = 30;         // series slots
inline constexpr int CHART_POINTS = 15010;      // point slots per series
inline constexpr int CHART_TEXT = 30;           // series and point texts: 29 characters
inline constexpr int CHART_MARKERS = 29;
inline constexpr int CHART_NOTES = 30;
inline constexpr int CHART_NOTE_CHARS = 28;     // characters a note keeps
inline constexpr int CHART_PIE_SLICES = 359;
inline constexpr int CHART_PIE_LAYERS = 6;
inline constexpr int CHART_SERIES_COLOURS = 7;  // entries of the series colour tables

// Kinds, drawing modes and axis modes (they pass between table and chart).
enum ChartKind : int {
  CHART_KIND_BAR = 777,
  CHART_KIND_PIE = 778,
  CHART_KIND_LINE = 888,
  CHART_KIND_SCATTER = 999,
};
enum ChartDrawingMode : int {
  DRAW_BY_ROW = 222,
  DRAW_BY_COLUMN = 333,
};
enum ChartYRangeMode : int {
  Y_RANGE_CUSTOM = 220,
  Y_RANGE_AUTO = 221,
};
enum ChartXUnitMode : int {
  X_UNIT_AUTO = 322,
  X_UNIT_CUSTOM = 323,
  X_UNIT_MIN_DIFFERENCE = 324,
};

// Placement of the window (the "Plot window control" option).
inline constexpr int CHART_PLACE_TOP_LEVEL = 33;
inline constexpr int CHART_PLACE_MDI = 34;

// Initial value range sentinels and the default pie angles.
inline constexpr double CHART_RANGE_START_MAX = -9999999.0;
inline constexpr double CHART_RANGE_START_MIN = 9999999.0;
inline constexpr double CHART_PIE_ROTATION = 0.3927;
inline constexpr double CHART_PIE_TILT = -0.3927;

// What a mouse position addresses for a note (ChartRecord::iNoteKind).
enum ChartNoteKind : int {
  NOTE_NONE = 0,
  NOTE_POINT = 1,
  NOTE_X_TITLE = 2,
  NOTE_Y_TITLE = 3,
};

using ChartText = std::array<char, CHART_TEXT>;

struct ChartRecord {
  // -- window and link -------------------------------------------------------
  WindowHandle sourceTable;
  WindowHandle handedTable;  // the table that created the chart, until the start-up timer loads it
  void* offscreenBitmap;     // the view's image of the client size
  std::int32_t placement;
  std::int32_t iClientWidth;
  std::int32_t iClientHeight;
  // -- series ----------------------------------------------------------------
  std::array<std::array<char, CHART_POINTS>, CHART_SERIES> pointValid;  // 'Y' / 'N'
  std::array<ChartText, CHART_SERIES> seriesName;
  std::array<std::array<ChartText, CHART_POINTS>, CHART_SERIES> pointText;
  std::array<std::array<double, CHART_POINTS>, CHART_SERIES> loadedValue;
  std::array<std::array<double, CHART_POINTS>, CHART_SERIES> shownValue;
  // -- the table's scroll state as last told ------------------------------------
  std::int32_t iTableTopRow;
  std::int32_t iTableLeftCol;
  std::int32_t iTableScrollBar;
  std::int32_t scrollReady;
  // -- trendline ---------------------------------------------------------------
  std::int32_t trendlineShown;
  std::array<std::int32_t, CHART_SERIES> fitValid;
  std::array<double, CHART_SERIES> fitIntercept;
  std::array<double, CHART_SERIES> fitSlope;
  // -- coordinates -----------------------------------------------------------
  std::array<std::array<char, CHART_POINTS>, CHART_SERIES> xCoordFlag;
  std::array<std::array<char, CHART_POINTS>, CHART_SERIES> yCoordFlag;
  std::array<std::array<std::int32_t, CHART_POINTS>, CHART_SERIES> xCoordDecl;
  std::array<std::array<std::int32_t, CHART_POINTS>, CHART_SERIES> yCoordDecl;
  std::array<std::array<double, CHART_POINTS>, CHART_SERIES> xCoord;
  std::array<std::array<double, CHART_POINTS>, CHART_SERIES> yCoord;
  double dXScale;  // pixels per X unit
  std::array<double, CHART_SERIES> xMax;
  std::array<double, CHART_SERIES> xMin;
  std::array<double, CHART_SERIES> yMax;
  std::array<double, CHART_SERIES> yMin;
  std::array<std::int32_t, CHART_SERIES> xRunStart;  // -1: none
  std::array<std::int32_t, CHART_SERIES> xRunEnd;
  std::array<std::int32_t, CHART_SERIES> yRunStart;
  std::array<std::int32_t, CHART_SERIES> yRunEnd;
  std::int32_t iXDeclsUsed;
  std::int32_t iYDeclsUsed;
  std::int32_t iLastXRunStart;
  std::int32_t iLastXRunEnd;
  std::int32_t iScrollMax;  // horizontal scroll maximum
  std::int32_t iXSpan;
  std::int32_t iLastYRunStart;
  std::int32_t iLastYRunEnd;
  double dXAxisMin;
  double dXReference;  // never set
  double dBubbleMultiplier;
  double dBubbleDivisor;
  double dBubbleMax;
  double dBubbleMin;
  std::int32_t xAxisActive;
  std::int32_t yAxisActive;
  // -- loading ---------------------------------------------------------------
  std::array<std::int32_t, CHART_SERIES> seriesPresent;
  std::int32_t maxRows;
  std::int32_t maxColumns;
  std::int32_t seriesCount;
  std::array<std::int32_t, CHART_SERIES> pointCount;
  std::int32_t maxPointCount;
  std::int32_t modeAsked;
  std::int32_t useBlockLayout;
  std::int32_t firstLabelNumber;
  std::int32_t iDroppedPoints;  // points of the last load beyond the point slots
  std::int32_t iDroppedSeries;  // series of the last load beyond the series slots
  // -- values and view -------------------------------------------------------
  double dMaxValue;
  double dMinValue;
  double dMeanValue;
  std::int32_t firstVisible;
  std::int32_t savedFirstVisible;
  std::array<std::int32_t, CHART_SERIES_COLOURS> seriesHue;
  std::array<std::int32_t, CHART_SERIES_COLOURS> seriesSaturation;
  std::int32_t stepPixels;
  std::int32_t iReserved;
  // -- layout ----------------------------------------------------------------
  std::int32_t iPlotTop;
  std::int32_t iBaseline;
  std::int32_t iAxisLine;
  std::int32_t iPlotBottom;
  double dYDivisor;
  double dYMultiplier;
  double dRangeMax;  // the vertical range of the last layout
  double dRangeMin;
  std::int32_t yRangeMode;
  double dCustomYMax;
  double dCustomYMin;
  std::int32_t xUnitMode;
  double customXUnit;
  double minXDifference;
  std::array<double, CHART_POINTS> sortBuffer;
  std::int32_t drawingMode;
  std::int32_t visibleCount;
  std::int32_t iPlotLeft;
  std::int32_t iPlotRight;
  std::int32_t dataLoaded;
  std::int32_t iSignCase;
  std::int32_t layoutValid;
  // -- crosshair -------------------------------------------------------------
  std::int32_t bCrosshairDrawn;
  std::int32_t iCrossX;
  std::int32_t iCrossY;
  std::int32_t bCrosshairArmed;
  std::array<char, 10> smoothingText;
  std::array<char, 10> scalingText;
  // -- markers ---------------------------------------------------------------
  std::array<std::int32_t, CHART_SERIES> markerX;
  std::array<std::int32_t, CHART_SERIES> markerY;
  std::array<double, CHART_SERIES> markerValue;
  std::array<double, CHART_SERIES> markerSpare;
  std::array<ChartText, CHART_SERIES> markerXText;
  std::array<ChartText, CHART_SERIES> markerYText;
  std::int32_t markerCount;
  // -- dragging and notes -----------------------------------------------------
  std::int32_t bRightDragging;
  std::int32_t bNoteDragging;
  std::int32_t iDragBoxWidth;
  std::int32_t iDragBoxHeight;
  std::int32_t iDragOutlineX;  // last XOR outline drawn (-1: none)
  std::int32_t iDragOutlineY;
  std::int32_t iNoteKind;      // NOTE_*: the note being edited or dragged
  ChartText xAxisTitle;
  ChartText yAxisTitle;
  double dXTitleOffset;  // from plot right
  double dXTitleValue;
  double dYTitleOffset;  // from plot left
  double dYTitleRise;    // pixels above plot top
  std::array<ChartText, CHART_NOTES> noteText;
  std::array<std::int32_t, CHART_NOTES> noteUsed;
  std::array<std::int32_t, CHART_NOTES> noteSeries;
  std::array<std::int32_t, CHART_NOTES> notePoint;
  std::int32_t iLastRightX;
  std::int32_t iLastRightY;
  std::array<double, CHART_NOTES> noteOffset;
  std::array<double, CHART_NOTES> noteValue;
  std::int32_t currentNote;
  std::int32_t bNoteIsNew;
  std::int32_t bLeftDown;
  // -- highlight and modes -----------------------------------------------------
  std::int32_t highlightNumber;
  std::int32_t highlightSeries;
  std::int32_t highlightIndex;
  std::int32_t highlightShown;
  std::int32_t highlightNewSeries;
  std::int32_t crosshairShown;
  std::int32_t chartKind;
  std::int32_t selectionKind;
  std::array<std::int32_t, 4> userBackground;  // red, green, blue, in use
  std::int32_t iTrackRow;  // the table cell the tracking series went through
  std::int32_t iTrackCol;
  // -- what the view shows ---------------------------------------------------
  std::array<char, 400> statusText;  // the status band's text while the mouse moves (empty: none)
  std::int32_t bImageStale;          // the off-screen image must be drawn again
  std::int32_t bStatusStale;         // the status band must be drawn again
  // -- pie ---------------------------------------------------------------------
  std::array<std::int32_t, CHART_PIE_SLICES + 1> sliceSeries;
  std::array<std::int32_t, CHART_PIE_SLICES + 1> slicePoint;
  std::array<std::int32_t, CHART_PIE_SLICES + 1> sliceRow;
  std::array<std::int32_t, CHART_PIE_SLICES + 1> sliceCol;
  std::array<ChartText, CHART_PIE_SLICES + 1> sliceName;
  std::int32_t sliceCount;
  double dPieTotal;
  std::int32_t iPieCentreX;  // client position of the pie centre
  std::int32_t iPieCentreY;
  std::int32_t iPieHalfWidth;
  std::int32_t iPieHalfHeight;
  std::int32_t pieZoom;
  std::array<double, CHART_PIE_SLICES + 1> sliceStart;  // angles
  std::array<double, CHART_PIE_SLICES + 1> sliceEnd;
  std::array<double, CHART_PIE_SLICES + 1> sliceAnchor;
  double pieRotation;
  double pieTilt;
  std::int32_t bPieDragging;
};

// Allocate a zero-filled record (null when memory is short) and free one.
ChartRecord* ChartAllocRecord();
void ChartFreeRecord(ChartRecord* record);

// The defaults of a new chart: step 30, automatic X unit (custom unit 0.1,
// smallest X difference 1.0), automatic Y range, by row, crosshair on,
// smoothing "0", the pie angles, the series colours, every point invalid
// and the markers free.
void ChartInitRecord(ChartRecord& c);

// The view settings a reload resets: automatic Y range and X unit, the
// highlight-new-series mode off, no axis titles or notes, the pie angles
// and zoom, the crosshair state.
void ChartResetView(ChartRecord& c);

// The number of the series name (its row or column), 0 when none.
int ChartSeriesNumber(const ChartRecord& c, int series);

// Whether the series run down table columns (whole columns, or blocks
// drawn by column) rather than along rows.
inline bool ChartByColumn(const ChartRecord& c) {
  return c.selectionKind == SELECT_COLUMNS || (c.selectionKind != SELECT_ROWS && c.drawingMode == DRAW_BY_COLUMN);
}

// Whether point i of series s holds a number.
inline bool PointIsValid(const ChartRecord& c, int s, int i) {
  return c.pointValid[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)] == 'Y';
}
