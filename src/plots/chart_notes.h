// Where things are on a drawn chart and the annotations placed on it:
// point positions and the point under the mouse, markers, notes on points
// and pie slices, and the two axis titles.
#pragma once

#include <string>

#include "plots/chart_record.h"

struct ChartBox {
  int iLeft;
  int iTop;
  int iRight;  // excluded
  int iBottom; // excluded
};

// The drawn position of point i of series s; false when it is not shown.
bool ChartPointPixel(const ChartRecord& c, int s, int i, int* x, int* y);

// The bar of point (s, i) of a bar chart; false when it is not shown.
bool ChartBarBox(const ChartRecord& c, int s, int i, ChartBox* box);

// The point under (x, y): bars by their rectangles, pie slices by their
// sectors (the slice index goes to *i, -1 to *s), other kinds by a 4 x 4
// square around the drawn point. False when none.
bool ChartHitPoint(const ChartRecord& c, int x, int y, int* s, int* i);

// What a position addresses for a note: a point (its series and point go
// to s and i), the X axis end, the Y axis top, or nothing.
int ChartNoteTarget(const ChartRecord& c, int x, int y, int* s, int* i);

// The box of a used note slot, or of an axis title (NOTE_X_TITLE,
// NOTE_Y_TITLE); false when it is not shown.
bool ChartNoteBox(const ChartRecord& c, int slot, ChartBox* box);
bool ChartTitleBox(const ChartRecord& c, int kind, ChartBox* box);
// The note slot or title whose box holds (x, y): the slot, -2 for the X
// title, -3 for the Y title, -1 for none.
int ChartNoteUnder(const ChartRecord& c, int x, int y);

// The width and height of a note box for a text.
ChartBox ChartTextBox(const std::string& text);

// Add a marker at the last right-click position: 0, or -1 when all 29
// markers are used.
int ChartSetMarker(ChartRecord& c);
void ChartClearMarkers(ChartRecord& c);

// The note slot of point (s, i) (for a pie: the slice's row and column):
// its used slot, else the first free one; -1 when all 30 are used.
int ChartNoteSlotFor(const ChartRecord& c, int s, int i);
// The default text of a new note on point (s, i), or on pie slice k.
std::string ChartNoteDefault(const ChartRecord& c, int s, int i);

// Keep a note text in slot `slot` (cut to 28 characters and to its
// field) for point (s, i) or slice k (s = -1): the slot becomes used, the
// series kept, and a new note is placed level with its point.
void ChartStoreNote(ChartRecord& c, int slot, int s, int i, const std::string& text, bool placeNew);

// Drop the dragged note or title with its box's top-left corner at
// (x, y).
void ChartDropNote(ChartRecord& c, int x, int y);

// The status text for the mouse at (x, y) (empty in pie charts: only the
// help texts then).
std::string ChartMouseStatus(const ChartRecord& c, int x, int y);
// The status text of point (s, i) for the highlight bar.
std::string ChartPointStatus(const ChartRecord& c, int s, int i);
// The help texts that end every status line.
std::string ChartStatusHelp();

// Copy a text into a record text field, cut to `chars` characters and to
// whole characters within the field.
void StoreChartText(ChartText& field, const std::string& text, int chars);
