// What the browse panel of a coloured table shows for the cell under the
// pointer while the right button is dragged: the cell, its 3 x 3
// neighbourhood, the extremes it was compared with and its place on the
// colour scale.
#pragma once

#include <array>
#include <string>

#include "table/colour.h"
#include "table/table_record.h"

struct TrendBrowseInfo {
  int iRow = 0;
  int iCol = 0;
  std::string szText;                    // the cell's text, a long text in full
  std::array<RgbColour, 9> neighbours{};  // row by row, the cell in the middle
  std::array<bool, 9> present{};          // false outside the table
  bool bScale = false;                    // the cell is a number on a scale
  double dMax = 0;
  double dMin = 0;
  int iHueStart = 0;
  int iHueEnd = 200;
  int iMarkerStep = 0;                    // (max - v) x D / R steps from the scale's left end
  RgbColour cellColour{};
};

// The panel's contents for cell (row, col) of a table coloured by the
// analysis (or its colour map). False when the cell lies outside the
// table's data cells.
bool TrendBrowseInfoAt(const TableDocument& t, int row, int col, TrendBrowseInfo* info);

// The panel's two text lines in the current language.
std::string TrendBrowseCellLine(const TrendBrowseInfo& info);
std::string TrendBrowseRangeLine(const TrendBrowseInfo& info);
