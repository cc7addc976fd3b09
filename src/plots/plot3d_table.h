// The table's side of its 3D plot: "View 3D plot", the data a new plot asks
// for (1304), following the browse cell, tracking from the plot, and
// forgetting a closed plot (1303).
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "plots/plot3d_record.h"

struct TableDocument;

// What a table keeps about its 3D plot (in its extension slot).
struct Plot3DTableLink {
  int bHasPlot;
  int iPerfRows;   // the performance dialog's last choice (0: not asked yet)
  int iPerfCols;
  int iRangeKind;  // the first selection range of the last initial transfer
  int iRangeRowFrom, iRangeRowTo, iRangeColFrom, iRangeColTo;
};
Plot3DTableLink& Plot3DLinkOf(TableDocument& t);

// The block size the table asks for (the performance dialog's choice).
void Plot3DRequestedSize(WindowHandle hTable, int* rows, int* cols);

// Initial transfer: the first selection range gives the block; the plot is
// told to lay out (1305). 0, or -1 when there is nothing to show.
int Plot3DSendInitialData(WindowHandle hTable, WindowHandle hPlot);

// Table commands: "View 3D plot" (40161), a new plot wants its data
// (1304, lParam the plot), the plot closed (1303).
int CmdView3DPlot(WindowHandle hTable, unsigned id, std::intptr_t lParam);
int CmdPlot3DWantsData(WindowHandle hTable, unsigned id, std::intptr_t lParam);
int CmdPlot3DClosed(WindowHandle hTable, unsigned id, std::intptr_t lParam);

// The table's browse cell moved: the plot shows the block around it.
void Plot3DFollowBrowse(WindowHandle hTable);

// The table scrolled: the plot shows the block its remembered range
// places at the new origin (a block range also becomes the selection).
void Plot3DFollowScroll(WindowHandle hTable, int bar);

// Tracking from the plot: the table's selection becomes cell (row, col)
// (clamped to the table), its origin moves three cells before it, and it
// is asked to repaint (8777). False when the table is gone.
bool Plot3DTrackTableCell(WindowHandle hTable, int row, int col);

// Set the table hooks the 3D plot needs (browse following).
void InstallPlot3DTableHooks();
