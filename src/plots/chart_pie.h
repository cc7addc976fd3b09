// The pie chart: its slices (every valid point, each series and point
// once, at most 359), their angles, the view of the tilted and rotated pie
// and the colours of its slices and layers.
#pragma once

#include <string>

#include "plots/chart_record.h"
#include "table/colour.h"

// Collect the slices and their angles; the total of their sizes goes to
// dPieTotal (no pie is drawn unless it is above 0).
void ChartPieSlices(ChartRecord& c);

// The pie's box for a client of height `height` (left and top 40, right at
// plot right, made square, the zoom added): its centre and half sizes go
// to the record. False when the box is empty.
bool ChartPieBox(ChartRecord& c, int height);

// A point (x, y) of the pie's plane (y up, centre 0) as seen with the
// record's rotation and tilt, in client pixels.
void PieToClient(const ChartRecord& c, double x, double y, int* cx, int* cy);

// The rim point of layer `layer` (inset 6 pixels per layer) at angle `a`.
void PieRimPoint(const ChartRecord& c, int layer, double a, int* cx, int* cy);

// The colour of slice `index` with lightness offset `offset`.
RgbColour PieSliceColour(int index, int offset);

// The shading sign of a slice: +1 when its start or end rim point is seen
// above the centre line, else -1.
int PieSliceSign(const ChartRecord& c, int k);

// The slice under client point (x, y), or -1.
int PieSliceAt(const ChartRecord& c, int x, int y);

// The legend line of slice k: "R" row "C" column "=" text " (" percent "%)".
std::string PieLegendText(const ChartRecord& c, int k);
// The default note text of slice k: "R" row "C" column "=" share "%".
std::string PieNoteText(const ChartRecord& c, int k);

// Rotate and tilt the pie for a drag to client point (x, y).
void ChartPieDrag(ChartRecord& c, int x, int y);
