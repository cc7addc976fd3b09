// Taking series from a table into a chart record: the drawing-mode
// question, the series of each selection range, their coordinates, the
// tracking series through the table's browse cell, and the statistics the
// layout starts from.
#pragma once

#include "plots/chart_record.h"
#include "table/table_record.h"

// Whether loading the table's selection asks "Drawing mode options": one
// selected cell, or a block of several rows and several columns.
bool ChartLoadAsksMode(TableDocument& t);

// Load every series from the table's current selection. `kind` is the kind
// the table asked for; `modeAnswer` the answer to the mode question
// (DRAW_BY_ROW or DRAW_BY_COLUMN; ignored when none was needed). A single
// selected cell becomes the whole row or column through it (the table's
// selection changes). Points beyond the point slots and series beyond the
// series slots are dropped and counted (iDroppedPoints, iDroppedSeries).
// Ends with the statistics; the caller lays out.
void ChartLoadSeries(ChartRecord& c, TableRecord& t, int kind, int modeAnswer);

// The tracking series through the table's browse cell: nothing unless that
// cell is a data cell other than the last one tracked. Present series move
// down over empty slots (notes of removed series go), the tracking series
// takes the first free slot (none free: nothing happens) and the highlight
// moves to the cell. 1 when the series changed, else 0.
int ChartTrackCell(ChartRecord& c, TableRecord& t);

// Largest and smallest shown value and their mean, per-series coordinate
// extents and the smallest difference between a series' X coordinates.
void ChartComputeStatistics(ChartRecord& c);

// Move the series of slot `from` into slot `to` (points, texts,
// coordinates, notes follow).
void ChartMoveSeries(ChartRecord& c, int from, int to);
// Clear a series slot.
void ChartClearSeries(ChartRecord& c, int s);
