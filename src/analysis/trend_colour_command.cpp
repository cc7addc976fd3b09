#include "analysis/trend_colour_command.h"

#include <algorithm>
#include <string>

#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_init.h"
#include "table/table_input_hooks.h"
#include "table/table_scroll.h"
#include "table/table_select.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

constexpr int MAP_CELL_PIXELS = 9;  // rows and columns of a colour map
constexpr int MAP_BAND = 44;        // the band kept free above the two windows

// Store the slider positions in the table at once.
void StoreHues(WindowHandle hwnd, int hueStart, int hueEnd) {
  TableLockGuard t(hwnd);
  if (!t) return;
  TrendSettings& s = TrendSettingsOf(*t.get());
  s.iHueStart = std::clamp(hueStart, 0, TREND_HUE_START_MAX);
  s.iHueEnd = std::clamp(hueEnd, TREND_HUE_END_MIN, TREND_HUE_END_MAX);
}

// Copy the used cells of `from` into `to` (same size), each long text into
// a slot of the copy's own pool.
void CopyCells(const TableRecord& from, TableRecord& to) {
  const int rows = std::min(from.iUsedRows, from.iRows);
  const int cols = std::min(from.iUsedCols, from.iCols);
  std::string text;
  for (int row = 1; row < rows; ++row) {
    for (int col = 1; col < cols; ++col) {
      const TableCell* source = TableCellAt(from, row, col);
      TableCell* target = TableCellAt(to, row, col);
      if (!source || !target) continue;
      *target = *source;
      text.assign(TextOf(source->szText));
      if (IsLongTextRef(text) != 1) continue;
      LongTextResolve(from, text);
      const int slot = LongTextStore(to, text);
      if (slot < 0) {
        ClearText(target->szText);
      } else {
        LongTextWriteRef(target->szText, slot);
      }
    }
  }
}

// Make `map` the colour map of `source`: its size, cells, colours, extent,
// selection, origin and settings, 9-pixel rows and columns, image view and
// the links both ways.
void FillColourMap(WindowHandle source, WindowHandle map) {
  std::string title = WindowTitle(source);
  {
    TableLockGuard s(source);
    TableLockGuard m(map);
    if (!s || !m) return;
    TableRecord& from = *s.get();
    TableRecord& to = *m.get();
    if (to.iRows != from.iRows || to.iCols != from.iCols) {
      RelabelHeaders(to);
      SetImportTableSize(to, from.iRows, from.iCols);
      RelabelHeaders(to);
    }
    CopyCells(from, to);
    to.iUsedRows = from.iUsedRows;
    to.iUsedCols = from.iUsedCols;
    to.dMaxValue = from.dMaxValue;
    to.dMinValue = from.dMinValue;
    to.iSelCurrent = from.iSelCurrent;
    to.selRowFrom = from.selRowFrom;
    to.selRowTo = from.selRowTo;
    to.selColFrom = from.selColFrom;
    to.selColTo = from.selColTo;
    to.selKind = from.selKind;
    to.iTopRow = from.iTopRow;
    to.iLeftCol = from.iLeftCol;
    to.iColourState = from.iColourState;
    TrendSettingsOf(to) = TrendSettingsOf(from);
    to.szFindText = from.szFindText;
    to.szFindLow = from.szFindLow;
    to.szFindHigh = from.szFindHigh;
    to.iFindMode = from.iFindMode;
    to.iHighlightStyle = from.iHighlightStyle;
    to.highlightColour = from.highlightColour;
    to.colWidth.fill(MAP_CELL_PIXELS);
    to.rowHeight.fill(MAP_CELL_PIXELS);
    to.iDefaultColWidth = MAP_CELL_PIXELS;
    to.bImageView = 1;
    to.bReadOnly = 1;
    to.hTrendWindow = source;
    to.bLinked = 1;  // the map of its trend window
    from.hTrendWindow = map;
  }
  SetWindowTitle(map, JoinText(Text(TXT_TREND_MAP_TITLE), title));
  TableSetScrollRanges(map);
  {
    TableLockGuard m(map);
    if (m) {
      SetScrollPos(map, SCROLLBAR_VERT, m->iTopRow);
      SetScrollPos(map, SCROLLBAR_HORZ, m->iLeftCol);
    }
  }
  TableRepaint(map);
}

// Place the source in the top quarter of the frame's document area and the
// new map below it.
void PlaceSourceAndMap(WindowHandle source, WindowHandle map) {
  const WindowHandle area = WindowParent(source);
  if (IsNone(area)) return;
  const WindowRect client = WindowRectOf(area);
  const int quarter = std::max((client.cy - MAP_BAND) / 4, 1);
  MoveWindowTo(source, 0, MAP_BAND, client.cx, quarter);
  MoveWindowTo(map, 0, MAP_BAND + quarter, client.cx, std::max(client.cy / 2 - MAP_BAND, 1));
  FocusWindow(map);
}

}  // namespace

bool TrendIsColourMap(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && t->bLinked != 0;
}

WindowHandle TrendShowColourMap(WindowHandle source) {
  WindowHandle map = WindowHandle::None;
  {
    TableLockGuard t(source);
    if (!t) return WindowHandle::None;
    map = t->hTrendWindow;
  }
  const bool created = !IsWindowAlive(map);
  if (created) {
    if (!TableEvents().pfnCreateTable) return WindowHandle::None;
    map = TableEvents().pfnCreateTable(TableOpenRequest{});
    if (IsNone(map)) return WindowHandle::None;
  }
  FillColourMap(source, map);
  if (created) PlaceSourceAndMap(source, map);
  return map;
}

int TrendColourRun(WindowHandle hwnd) {
  TrendDialogModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    const TrendSettings& s = TrendSettingsOf(*t.get());
    const bool rowOrColumn = s.iCompareMode == TREND_ROW || s.iCompareMode == TREND_COLUMN;
    model.iCompareMode = rowOrColumn ? s.iCompareMode : TREND_ALL_DATA;
    model.bRelief = s.iRelief == TREND_RELIEF_ON;
    model.iHueStart = s.iHueStart;
    model.iHueEnd = s.iHueEnd;
  }
  model.pfnStoreHues = [hwnd](int hueStart, int hueEnd) { StoreHues(hwnd, hueStart, hueEnd); };
  if (RunCustomDialog(hwnd, TREND_DIALOG_NAME, &model) != BUTTON_OK) return 1;
  StoreHues(hwnd, model.iHueStart, model.iHueEnd);
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    TrendSettings& s = TrendSettingsOf(*t.get());
    s.iCompareMode = model.iCompareMode;
    s.iRelief = model.bRelief ? TREND_RELIEF_ON : TREND_RELIEF_OFF;
    TrendColourTable(*t.get());
  }
  TableRepaint(hwnd);
  RefreshTableStates(hwnd);
  TrendShowColourMap(hwnd);
  return 0;
}

int CmdTrendColour(WindowHandle hwnd, unsigned, std::intptr_t) {
  TrendColourRun(hwnd);
  return 0;
}

int CmdTogglePixelInfo(WindowHandle hwnd, unsigned, std::intptr_t) {
  if (TableLockGuard t(hwnd); t) t->bPixelInfoOff = t->bPixelInfoOff ? 0 : 1;
  TableRepaint(hwnd);
  return 0;
}
