// What the plots keep per table: whether the coordinate help is still
// shown, the chart kind a new chart starts with and the drawing mode the
// table remembers for blocks.
#pragma once

#include "table/table_record.h"

struct PlotTableState {
  int bCoordinateHelpOff;  // "Do not show this message again" was ticked
  int iRequestedKind;      // kind asked of the next load (0: the line graph)
  int iDrawingMode;        // the last drawing mode chosen for a block (0: none yet)
};

// The plot state of a table, created zeroed on first use.
PlotTableState& PlotStateOf(TableDocument& t);
