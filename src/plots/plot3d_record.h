// The record of a 3D plot window: the block of table values it shows (a
// grid of nodes, or in coordinate mode points in X/Y bins), the view
// (angles, zoom, offsets), the options and the projected corners. One
// zero-filled block per window, allocated when the window is created and
// freed when it is destroyed; the coordinate bins are a second block,
// allocated the first time coordinate data arrive.
#pragma once

#include <array>
#include <cstdint>

#include "platform/window.h"

inline constexpr int PLOT3D_GRID = 240;        // nodes per side
inline constexpr int PLOT3D_BIN_POINTS = 60;   // points per (X, Y) bin in coordinate mode
inline constexpr int PLOT3D_TEXT_BYTES = 50;
inline constexpr int PLOT3D_STATUS_BYTES = 160;
inline constexpr int PLOT3D_STATUS_HEIGHT = 50;  // the status band at the bottom
inline constexpr double PLOT3D_FREE_AXIS = -99999999.0;  // a free slot of the sorted axis values

enum Plot3DStyle : std::int32_t {
  PLOT3D_HISTOGRAM = 100,
  PLOT3D_SURFACE = 300,
  PLOT3D_FAST_SURFACE = 500,
  PLOT3D_SCATTER = 60000,
};

enum Plot3DColouring : std::int32_t {
  PLOT3D_COLOUR_FALSE = 4,    // false colour by height
  PLOT3D_COLOUR_SURFACE = 9,  // the cells' own colours
};

enum Plot3DDataMode : std::int32_t {
  PLOT3D_MODE_GRID = 0,
  PLOT3D_MODE_COORDINATES = 1,
};

enum Plot3DZScale : std::int32_t {
  PLOT3D_ZSCALE_AUTO = 0,  // "Fit to Window (auto)"
  PLOT3D_ZSCALE_USER = 2,
};

struct Plot3DRgb {
  std::int32_t r, g, b;
};
struct Plot3DHls {
  std::int32_t h, s, l;
};

template <class T>
using Plot3DGrid = std::array<std::array<T, PLOT3D_GRID>, PLOT3D_GRID>;

// The points of coordinate mode, binned by their (Y, X) pair.
struct Plot3DBins {
  std::array<std::array<std::array<double, PLOT3D_BIN_POINTS>, PLOT3D_GRID>, PLOT3D_GRID> z;
  std::array<std::array<std::array<double, PLOT3D_BIN_POINTS>, PLOT3D_GRID>, PLOT3D_GRID> v;
  Plot3DGrid<std::int32_t> count;
  std::array<std::array<std::array<Plot3DRgb, PLOT3D_BIN_POINTS>, PLOT3D_GRID>, PLOT3D_GRID> rgb;
  std::int32_t iLargestCount;
  std::int32_t nDroppedPoints;  // points beyond 60 in one bin
};

struct Plot3DRecord {
  // -- header ---------------------------------------------------------------
  WindowHandle hSourceTable;
  void* hBitmap;                 // the view's off-screen image
  std::int32_t iPlacement;       // 33 own top-level window, 34 MDI child
  std::int32_t iZFitCounter;
  double dPlotMax;               // plotted extremes (scaled)
  double dPlotMin;
  double dMultiplier;            // height multiplier of the last transfer
  std::int32_t iDataMode;
  std::int32_t iRows;            // grid used
  std::int32_t iCols;
  std::int32_t iReqRows;         // asked for by the performance dialog
  std::int32_t iReqCols;
  std::int32_t iPrevRows;        // of the previous layout
  std::int32_t iPrevCols;
  std::int32_t bHasData;
  std::int32_t bTrendlineShown;
  std::int32_t bFitValid;
  double dInterceptY, dSlopeY, dInterceptZ, dSlopeZ;
  std::array<double, 3> fitStart;  // x, y, z of the fit at the smallest X
  std::array<double, 3> fitEnd;    // and at the largest X
  std::int32_t bXDeclared, bYDeclared, bZDeclared;
  // -- coordinate axes ---------------------------------------------------------
  std::array<double, PLOT3D_GRID> xValues;
  std::array<double, PLOT3D_GRID> yValues;
  std::int32_t nXValues, nYValues;
  std::int32_t nAxisDropped;     // points left out: their X or Y found none of the 240 slots
  Plot3DBins* bins;              // coordinate points, null until coordinate data arrive
  // -- height range --------------------------------------------------------------
  double dHighest, dLowest;      // largest and smallest plotted height
  double dVMax, dVMin;           // range of V (bubble) values
  double dMarkHeight;
  // -- grid nodes ----------------------------------------------------------------
  Plot3DGrid<std::int32_t> nodeValid;   // 1 number, 0 empty cell, -1 outside the table
  Plot3DGrid<Plot3DRgb> nodeRgb;        // the cells' colours
  Plot3DGrid<double> nodeX, nodeY, nodeZ, nodeV;
  // -- view ------------------------------------------------------------------------
  double dMidHeight;
  std::int32_t bMidHeightSet;
  std::int32_t iGridStep;
  std::int32_t iVertOffset;      // 0..600
  float fZZoom;                  // 1..300
  double dRotation;
  double dTilt;
  Plot3DRgb background;
  Plot3DRgb custom;
  std::int32_t bCustomColour;
  // -- surface colours -----------------------------------------------------------
  Plot3DGrid<Plot3DRgb> finalRgb;
  Plot3DGrid<Plot3DHls> hlsSource;
  Plot3DGrid<Plot3DHls> hlsSmooth;
  // -- options -----------------------------------------------------------------------
  std::int32_t iColourSmoothMode;  // 0 off, 1 smooth, 2 sharpen
  std::int32_t iColourSmoothCoef;
  std::int32_t iLightness;         // -80..80
  std::int32_t bLightness;
  std::int32_t iZScaleMode;
  std::int32_t bShowGrid;
  std::int32_t bArtificialBackground;
  // -- cell geometry ------------------------------------------------------------------
  Plot3DGrid<std::array<double, 4>> cornerX, cornerY, cornerZ;
  // -- projection ---------------------------------------------------------------------
  Plot3DGrid<std::array<std::int32_t, 4>> projX, projY;
  double dHalfWidth, dHalfHeight, dCentreX, dCentreY;
  std::int32_t iOffsetX, iOffsetY;
  std::int32_t iNorthFromX, iNorthFromY, iNorthToX, iNorthToY;  // projected centre node, first-row middle
  std::int32_t iMarkTopX, iMarkTopY;
  std::int32_t iClientWidth, iClientHeight;
  // -- state -------------------------------------------------------------------------------
  std::int32_t bRowsDescending, bColsDescending;  // drawing order from the rotation
  std::int32_t bMarkCentre;
  std::int32_t iColouring;
  std::int32_t bDataSmooth, iDataSmoothCoef;
  std::int32_t iFocusRow, iFocusCol;
  std::int32_t iFocusPoint;              // coordinate mode: the focus cell's point in its bin
  std::int32_t iOriginRow, iOriginCol;   // the block's first cell in the table
  std::int32_t iStyle;
  std::int32_t bTracking, iTrackRow, iTrackCol, bRightDrag;
  std::int32_t bTrackHit;                // the status band shows the tracked node's height
  double dTrackHeight;
  std::int32_t iExportSeparator, iExportHeader;
  std::int32_t iMouseX, iMouseY;         // last rotation point (the plot icon)
  std::int32_t bLeftDrag;
  std::int32_t bNewTransfer;             // the next layout is the first after a transfer
  std::int32_t bFocusedOnce;             // the first 1305 focused the window
  // -- texts ------------------------------------------------------------------------------
  std::array<char, PLOT3D_TEXT_BYTES> szPrefix;
  std::array<char, PLOT3D_TEXT_BYTES> szMaxText;
  std::array<char, PLOT3D_TEXT_BYTES> szMinText;
  std::array<char, PLOT3D_STATUS_BYTES> szFocus;
  std::array<char, PLOT3D_STATUS_BYTES> szUpperLeft;
  std::array<char, PLOT3D_STATUS_BYTES> szLowerRight;
};

// A zero-filled record with the defaults of a new window; null when the
// memory cannot be had.
Plot3DRecord* Plot3DAllocRecord();
void Plot3DFreeRecord(Plot3DRecord* record);
// The bins of coordinate mode, allocated zero-filled on first use; null
// when the memory cannot be had.
Plot3DBins* Plot3DBinsOf(Plot3DRecord& p);

// The record of a 3D plot window, or null.
Plot3DRecord* Plot3DOf(WindowHandle hwnd);
