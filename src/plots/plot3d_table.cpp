#include "plots/plot3d_table.h"

#include <algorithm>

#include "platform/message_box.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_dialogs.h"
#include "plots/plot_coordinates.h"
#include "plots/plot3d_transfer.h"
#include "plots/plot3d_window.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_extension.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "platform/scrollbar.h"
#include "table/table_scroll.h"

namespace {

// The frame of a table window: the parent of its MDI client.
WindowHandle FrameOf(WindowHandle hTable) {
  const WindowHandle client = WindowParent(hTable);
  return IsNone(client) ? WindowHandle::None : WindowParent(client);
}

// Transfer a block into the plot and tell it to lay out.
int TransferInto(WindowHandle hTable, WindowHandle hPlot, const Plot3DPlacement& place, int rows, int cols) {
  int status = -1;
  bool memoryShort = false;
  {
    TableLockGuard t(hTable);
    Plot3DRecord* p = Plot3DOf(hPlot);
    if (!t || !p) return -1;
    if (SelectionIsCoordinateMode(*t.get())) {
      const int result = Plot3DTransferCoordinates(*t.get(), *p, place, rows, cols);
      if (result < 0) memoryShort = true;
      status = result == 0 ? 0 : -1;
    } else {
      status = Plot3DTransferGrid(*t.get(), *p, place, rows, cols) == 0 ? 0 : -1;
    }
  }
  if (memoryShort) ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_PLOT3D_MEMORY));
  if (status == 0) PostCommand(hPlot, CMD_PLOT3D_DATA_READY, static_cast<std::intptr_t>(hTable));
  return status;
}

// The table is wider or taller than the room beside the band: ask for a
// new try and put it on the left half of the client.
bool TableFitsBeside(WindowHandle hTable) {
  const WindowHandle client = WindowParent(hTable);
  if (IsNone(client)) return true;
  const WindowRect area = WindowRectOf(client);
  const WindowRect table = WindowRectOf(hTable);
  if (table.cx <= area.cx && table.cy <= area.cy - 43) return true;
  ShowMessage(Text(TXT_PLOT3D_RESELECT_CAPTION), Text(TXT_PLOT3D_RESELECT));
  if (!IsWindowAlive(hTable)) return false;
  RestoreWindowOf(hTable);  // a maximised table would not move
  MoveWindowTo(hTable, 0, 44, area.cx / 2, std::max(area.cy - 44, 1));
  return false;
}

}  // namespace

Plot3DTableLink& Plot3DLinkOf(TableDocument& t) { return TableExtensionOf<Plot3DTableLink>(t, TableExtensionId::Plot3D); }

void Plot3DRequestedSize(WindowHandle hTable, int* rows, int* cols) {
  *rows = *cols = 20;
  TableLockGuard t(hTable);
  if (!t) return;
  const Plot3DTableLink& link = Plot3DLinkOf(*t.get());
  if (link.iPerfRows >= 1) *rows = std::min(link.iPerfRows, PLOT3D_GRID);
  if (link.iPerfCols >= 1) *cols = std::min(link.iPerfCols, PLOT3D_GRID);
}

int Plot3DSendInitialData(WindowHandle hTable, WindowHandle hPlot) {
  int rows = 0;
  int cols = 0;
  Plot3DRequestedSize(hTable, &rows, &cols);
  Plot3DPlacement place{};
  {
    TableLockGuard t(hTable);
    if (!t) return -1;
    TableRange range{};
    if (TableGetRange(*t.get(), 0, RANGES_SELECTION, &range) != 0 || range.iRowFrom < 1 || range.iColFrom < 1) return -1;
    Plot3DTableLink& link = Plot3DLinkOf(*t.get());
    link.iRangeKind = t->selKind[0];
    link.iRangeRowFrom = range.iRowFrom, link.iRangeRowTo = range.iRowTo;
    link.iRangeColFrom = range.iColFrom, link.iRangeColTo = range.iColTo;
    place = Plot3DInitialPlacement(range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo, rows, cols);
  }
  return TransferInto(hTable, hPlot, place, rows, cols);
}

int CmdView3DPlot(WindowHandle hTable, unsigned, std::intptr_t) {
  WindowHandle plot = WindowHandle::None;
  int rows = 0;
  int cols = 0;
  {
    TableLockGuard t(hTable);
    if (!t) return 0;
    TableRange range{};
    if (TableGetRange(*t.get(), 0, RANGES_SELECTION, &range) != 0 || range.iRowFrom < 1 || range.iColFrom < 1) return 0;
    plot = t->hPlot3DWindow;
    const Plot3DTableLink& link = Plot3DLinkOf(*t.get());
    rows = link.iPerfRows, cols = link.iPerfCols;
  }
  const bool hasPlot = IsWindowAlive(plot);
  if (!hasPlot && !TableFitsBeside(hTable)) return 0;
  if (!Plot3DAskPerformance(hTable, &rows, &cols)) return 0;
  {
    TableLockGuard t(hTable);
    if (!t) return 0;
    Plot3DTableLink& link = Plot3DLinkOf(*t.get());
    link.iPerfRows = rows, link.iPerfCols = cols;
    if (!hasPlot) link.bHasPlot = 1;
  }
  if (hasPlot) {
    Plot3DSendInitialData(hTable, plot);
    return 0;
  }
  const WindowHandle frame = FrameOf(hTable);
  if (!IsNone(frame)) SendCommand(frame, CMD_OPEN_3D_PLOT, static_cast<std::intptr_t>(hTable));
  const WindowHandle client = WindowParent(hTable);
  if (!IsNone(client)) {
    const WindowRect area = WindowRectOf(client);
    MoveWindowTo(hTable, 0, 43, area.cx / 2, std::max(area.cy - 43, 1));
  }
  return 0;
}

int CmdPlot3DWantsData(WindowHandle hTable, unsigned, std::intptr_t lParam) {
  const auto plot = static_cast<WindowHandle>(static_cast<std::uint32_t>(lParam));
  Plot3DSendInitialData(hTable, plot);
  return 0;
}

int CmdPlot3DClosed(WindowHandle hTable, unsigned, std::intptr_t) {
  TableLockGuard t(hTable);
  if (!t) return 0;
  t->hPlot3DWindow = WindowHandle::None;
  Plot3DLinkOf(*t.get()).bHasPlot = 0;
  return 0;
}

namespace {

// Move the plot's block to where `place` puts it (under the table's lock;
// false: nothing changes) and transfer it.
template <class Place>
void FollowTable(WindowHandle hTable, Place place) {
  WindowHandle plot = WindowHandle::None;
  int rows = 0;
  int cols = 0;
  Plot3DRequestedSize(hTable, &rows, &cols);
  Plot3DPlacement at{};
  {
    TableLockGuard t(hTable);
    if (!t || !IsWindowAlive(t->hPlot3DWindow) || !place(*t.get(), rows, cols, &at)) return;
    plot = t->hPlot3DWindow;
  }
  TransferInto(hTable, plot, at, rows, cols);
}

}  // namespace

void Plot3DFollowBrowse(WindowHandle hTable) {
  FollowTable(hTable, [](TableRecord& t, int rows, int cols, Plot3DPlacement* at) {
    if (t.iBrowseRow < 1 || t.iBrowseCol < 1) return false;
    *at = Plot3DBrowsePlacement(t.iBrowseRow, t.iBrowseCol, t.iRows, t.iCols, rows, cols);
    return true;
  });
}

void Plot3DFollowScroll(WindowHandle hTable, int bar) {
  FollowTable(hTable, [bar](TableRecord& t, int, int, Plot3DPlacement* at) {
    const Plot3DTableLink& link = Plot3DLinkOf(t);
    if (link.iRangeRowFrom < 1 || link.iRangeColFrom < 1) return false;
    if (!Plot3DScrollPlacement(link.iRangeKind, link.iRangeRowFrom, link.iRangeRowTo, link.iRangeColFrom,
                               link.iRangeColTo, t.iTopRow, t.iLeftCol, bar == SCROLLBAR_VERT, at)) {
      return false;
    }
    const bool block = link.iRangeKind == SELECT_BLOCK &&
                       (link.iRangeRowFrom != link.iRangeRowTo || link.iRangeColFrom != link.iRangeColTo);
    if (block) {
      t.iSelCurrent = 0;
      t.selRowFrom[0] = at->iOriginRow, t.selRowTo[0] = link.iRangeRowTo;
      t.selColFrom[0] = at->iOriginCol, t.selColTo[0] = link.iRangeColTo;
      t.selKind[0] = SELECT_BLOCK;
    }
    t.iBrowseRow = at->iOriginRow;
    t.iBrowseCol = at->iOriginCol;
    return true;
  });
}

bool Plot3DTrackTableCell(WindowHandle hTable, int row, int col) {
  {
    TableLockGuard t(hTable);
    if (!t) return false;
    row = std::clamp(row, 1, std::max(t->iRows - 1, 1));
    col = std::clamp(col, 1, std::max(t->iCols - 1, 1));
    t->iSelCurrent = 0;
    t->selRowFrom[0] = t->selRowTo[0] = row;
    t->selColFrom[0] = t->selColTo[0] = col;
    t->selKind[0] = SELECT_BLOCK;
  }
  ScrollToRow(hTable, row <= 3 ? 1 : row - 3);
  ScrollToCol(hTable, col <= 3 ? 1 : col - 3);
  PostCommand(hTable, CMD_PLOT3D_TRACKED);
  return true;
}

void InstallPlot3DTableHooks() {
  TableHooks().pfnBrowseFollow = Plot3DFollowBrowse;
  TableHooks().pfnScrollFollow = Plot3DFollowScroll;
}
