#include "plots/plot3d_window.h"

#include <algorithm>
#include <string>

#include "platform/cursor.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "plots/plot3d_colours.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_dialogs.h"
#include "plots/plot3d_layout.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_table.h"
#include "plots/plot3d_transfer.h"
#include "plots/plot_hooks.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "table/number_format.h"
#include "table/table_access.h"
#include "table/table_events.h"

namespace {

Plot3DRecord* RecordOf(WindowHandle hwnd) { return static_cast<Plot3DRecord*>(WindowUserData(hwnd)); }

int OnCreate(WindowHandle hwnd, const WindowCreateInfo* info) {
  Plot3DRecord* p = Plot3DAllocRecord();
  if (!p) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_PLOT3D_MEMORY));
    return -1;
  }
  SetWindowUserData(hwnd, p);
  p->iPlacement = (WindowStyleOf(hwnd) & STYLE_POPUP) ? 33 : 34;
  const auto table = info ? static_cast<WindowHandle>(static_cast<std::uint32_t>(info->lParam)) : WindowHandle::None;
  if (IsWindowAlive(table)) {
    p->hSourceTable = table;
    int rows = 0;
    int cols = 0;
    Plot3DRequestedSize(table, &rows, &cols);
    p->iReqRows = rows, p->iReqCols = cols;
    if (rows > 120 || cols > 120) p->fZZoom = 2.5f;
    if (TableLockGuard t(table); t) t->hPlot3DWindow = hwnd;
  }
  SetWindowTitle(hwnd, Text(TXT_PLOT3D_WINDOW_TITLE));
  StartTimer(hwnd, TIMER_PLOT3D_PLACE, 40);
  return 0;
}

// The one-shot placement timer: the right half of the MDI client, then
// ask the table for the data.
void OnPlaceTimer(WindowHandle hwnd) {
  StopTimer(hwnd, TIMER_PLOT3D_PLACE);
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  if (p->iPlacement == 34 && !IsNone(WindowParent(hwnd))) {
    const WindowRect client = WindowRectOf(WindowParent(hwnd));
    const int half = client.cx / 2;
    MoveWindowTo(hwnd, half + 1, 44, std::max(half - 1, 1), std::max(client.cy - 44, 1));
  }
  if (IsWindowAlive(p->hSourceTable)) {
    PostCommand(p->hSourceTable, CMD_PLOT3D_WANTS_DATA, static_cast<std::intptr_t>(hwnd));
  }
}

void OnDestroy(WindowHandle hwnd) {
  Plot3DRecord* p = RecordOf(hwnd);
  SetWindowUserData(hwnd, nullptr);
  StopTimer(hwnd, TIMER_PLOT3D_PLACE);
  if (Plot3DHooks().pfnClosed) Plot3DHooks().pfnClosed(hwnd);
  if (!p) return;
  const bool closingAll = TableEvents().pfnClosingAll && TableEvents().pfnClosingAll();
  if (!closingAll && IsWindowAlive(p->hSourceTable)) {
    PostCommand(p->hSourceTable, CMD_PLOT3D_CLOSED, static_cast<std::intptr_t>(hwnd));
  }
  Plot3DFreeRecord(p);
}

// The scroll bars: vertical offset 0..600, Z zoom 1..300.
void SetScrollBars(WindowHandle hwnd, const Plot3DRecord& p) {
  SetScrollRange(hwnd, SCROLLBAR_VERT, 0, 600);
  SetScrollPos(hwnd, SCROLLBAR_VERT, p.iVertOffset);
  SetScrollRange(hwnd, SCROLLBAR_HORZ, 0, 300);
  SetScrollPos(hwnd, SCROLLBAR_HORZ, static_cast<int>(p.fZZoom));
}

void Redraw(WindowHandle hwnd) {
  if (Plot3DRecord* p = RecordOf(hwnd)) SetWindowTitle(hwnd, Plot3DTitle(*p));
  InvalidateWindow(hwnd);
}

void OnSize(WindowHandle hwnd, int width, int height) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  Plot3DResize(*p, width, height);
  p->iMouseX = static_cast<int>(p->dCentreX + (width - p->dCentreX) / 2);
  p->iMouseY = static_cast<int>(p->dCentreY + (height - PLOT3D_STATUS_HEIGHT - p->dCentreY) / 2);
  if (p->bHasData) Plot3DRebuild(*p);
  SetScrollBars(hwnd, *p);
  InvalidateWindow(hwnd);
}

// The data are ready (1305).
void OnDataReady(WindowHandle hwnd) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  if (!p->bFocusedOnce) {
    p->bFocusedOnce = 1;
    FocusWindow(hwnd);
  }
  if (!p->bHasData) return;
  Plot3DRebuild(*p);
  SetScrollBars(hwnd, *p);
  Redraw(hwnd);
}

void OnCommand(WindowHandle hwnd, unsigned id) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  switch (id) {
    case CMD_PLOT3D_DATA_READY:
      OnDataReady(hwnd);
      return;
    case CMD_TABLE_RELEASE:
      p->hSourceTable = WindowHandle::None;
      SendMessageTo(hwnd, MSG_CLOSE);
      return;
    case CMD_PLOT3D_OPTIONS:
      if (Plot3DAskOptions(hwnd, *p)) {
        if (p->bHasData) Plot3DRebuild(*p);
        SetScrollBars(hwnd, *p);
        Redraw(hwnd);
      }
      return;
    case CMD_PLOT3D_TRENDLINE:
      if (p->iDataMode != PLOT3D_MODE_COORDINATES) return;
      p->bTrendlineShown = !p->bTrendlineShown;
      Redraw(hwnd);
      return;
    case CMD_ZOOM_IN_BUTTON:
    case CMD_ZOOM_OUT_BUTTON:
      if (!p->bHasData) return;
      Plot3DStepZoom(*p, id == CMD_ZOOM_IN_BUTTON ? 1 : -1);
      Plot3DRebuild(*p);
      Redraw(hwnd);
      return;
    case CMD_PLOT3D_EXPORT:
    case CMD_PLOT3D_COPY:
    case CMD_PLOT3D_PRINT:
    case CMD_BUTTON_COPY:
    case CMD_BUTTON_PRINT:
    case CMD_COPY:
    case CMD_PRINT:
    case CMD_PLOT3D_SAVE_PICTURE:
      PlotOutput(hwnd, id);
      return;
    default:
      return;
  }
}

// A right-drag move: find the node under the mouse and let the table
// follow it.
void TrackAt(WindowHandle hwnd, int x, int y) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  int row = 0;
  int col = 0;
  if (!Plot3DNodeAt(*p, x, y, &row, &col)) {
    const bool had = p->bTrackHit;
    p->bTrackHit = 0;
    p->iTrackRow = p->iTrackCol = 0;
    if (had) InvalidateWindow(hwnd);
    return;
  }
  const double multiplier = p->dMultiplier != 0 ? p->dMultiplier : 1.0;
  p->dTrackHeight = p->nodeZ[row][col] / multiplier;
  p->bTrackHit = 1;
  const int cellRow = p->iOriginRow + row;
  const int cellCol = p->iOriginCol + col;
  if (cellRow != p->iTrackRow || cellCol != p->iTrackCol) {
    p->iTrackRow = cellRow;
    p->iTrackCol = cellCol;
    Plot3DTrackTableCell(p->hSourceTable, cellRow, cellCol);
  }
  InvalidateWindow(hwnd);
}

void OnMouseMove(WindowHandle hwnd, unsigned keys, int x, int y) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p || !p->bHasData) return;
  if ((keys & MK_LBUTTON) && !(keys & MK_RBUTTON)) {
    if (!p->bLeftDrag) return;
    // Only the angles change here: the paint projects and draws, so a slow
    // frame is skipped rather than queued.
    if (Plot3DDragAngles(*p, x, y)) InvalidateWindow(hwnd);
    return;
  }
  if (keys & MK_RBUTTON) {
    p->bTracking = 1;
    SetCursorSlot(CURSOR_BROWSE);
    TrackAt(hwnd, x, y);
    return;
  }
  if (p->bTracking) {
    p->bTracking = 0;
    p->bTrackHit = 0;
    InvalidateWindow(hwnd);
  }
}

void OnRightUp(WindowHandle hwnd, int x, int y) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  if (p->bTracking) {
    p->bTracking = 0;
    SetCursorSlot(CURSOR_ARROW);
    return;
  }
  const int command = ShowPopupMenu(hwnd, x, y, Plot3DMenu(*p));
  if (command != 0) SendCommand(hwnd, static_cast<unsigned>(command));
}

void OnWheel(WindowHandle hwnd, int delta) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p || !p->bHasData || delta == 0) return;
  // Every wheel message is one step, whatever its size.
  Plot3DStepZoom(*p, delta > 0 ? -1 : 1);
  Plot3DRebuild(*p);
  Redraw(hwnd);
}

// A scroll bar request: the new position within min..max.
int ScrollTo(int pos, std::uintptr_t wParam, int min, int max) {
  switch (ScrollRequestOf(wParam)) {
    case SCROLL_LINE_UP: pos -= 1; break;
    case SCROLL_LINE_DOWN: pos += 1; break;
    case SCROLL_PAGE_UP: pos -= 10; break;
    case SCROLL_PAGE_DOWN: pos += 10; break;
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK: pos = ScrollPositionOf(wParam); break;
    case SCROLL_TOP: pos = min; break;
    case SCROLL_BOTTOM: pos = max; break;
    default: break;
  }
  return std::clamp(pos, min, max);
}

void OnScroll(WindowHandle hwnd, int bar, std::uintptr_t wParam) {
  Plot3DRecord* p = RecordOf(hwnd);
  if (!p) return;
  if (bar == SCROLLBAR_VERT) {
    p->iVertOffset = ScrollTo(p->iVertOffset, wParam, 0, 600);
    SetScrollPos(hwnd, SCROLLBAR_VERT, p->iVertOffset);
  } else {
    p->fZZoom = static_cast<float>(ScrollTo(static_cast<int>(p->fZZoom), wParam, 1, 300));
    SetScrollPos(hwnd, SCROLLBAR_HORZ, static_cast<int>(p->fZZoom));
  }
  InvalidateWindow(hwnd);
}

}  // namespace

Plot3DShellHooks& Plot3DHooks() {
  static Plot3DShellHooks hooks;
  return hooks;
}

void Plot3DRebuild(Plot3DRecord& p) {
  if (!p.bHasData) return;
  if (p.iDataMode == PLOT3D_MODE_COORDINATES) {
    Plot3DLayoutCoordinates(p);
    Plot3DProjectCoordinates(p);
    return;
  }
  Plot3DLayoutGrid(p);
  Plot3DSmoothData(p);
  Plot3DComputeColours(p);
  Plot3DProjectGrid(p);
}

PopupMenuList Plot3DMenu(const Plot3DRecord& p) {
  PopupMenuList menu;
  const bool coordinates = p.iDataMode == PLOT3D_MODE_COORDINATES;
  menu.items.push_back({CMD_PLOT3D_OPTIONS, Text(TXT_PLOT3D_MENU_OPTIONS), false});
  menu.items.push_back({CMD_PLOT3D_TRENDLINE,
                        Text(p.bTrendlineShown ? TXT_PLOT3D_MENU_HIDE_TREND : TXT_PLOT3D_MENU_SHOW_TREND), !coordinates});
  menu.items.push_back({CMD_PLOT3D_EXPORT, Text(TXT_PLOT3D_MENU_EXPORT), p.iStyle == PLOT3D_SCATTER});
  menu.items.push_back({CMD_PLOT3D_COPY, Text(TXT_PLOT3D_MENU_COPY), false});
  menu.items.push_back({CMD_PLOT3D_PRINT, Text(TXT_PLOT3D_MENU_PRINT), false});
  menu.items.push_back({CMD_PLOT3D_SAVE_PICTURE, Text(TXT_SAVE_PICTURE), false});
  return menu;
}

std::string Plot3DStatusLine(const Plot3DRecord& p) {
  std::string line;
  if (p.bTracking && p.bTrackHit) line = JoinText(Text(TXT_PLOT3D_MOUSE_Z), FormatNumber(p.dTrackHeight), ", ");
  return JoinText(line, Text(TXT_PLOT3D_Z_RANGE), TextOf(p.szMaxText), ", ", TextOf(p.szMinText), "]");
}

std::intptr_t Plot3DWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  const auto keys = static_cast<unsigned>(wParam & 0xFFFFu);
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd, reinterpret_cast<const WindowCreateInfo*>(lParam));
    case MSG_DESTROY:
      OnDestroy(hwnd);
      return 0;
    case MSG_TIMER:
      if (wParam == TIMER_PLOT3D_PLACE) OnPlaceTimer(hwnd);
      return 0;
    case MSG_SIZE:
      OnSize(hwnd, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case MSG_COMMAND:
      OnCommand(hwnd, CommandId(wParam));
      return 0;
    case MSG_MDIACTIVATE:
      if (wParam && Plot3DHooks().pfnActivated) Plot3DHooks().pfnActivated(hwnd);
      return 0;
    case MSG_LBUTTONDOWN:
      if (Plot3DRecord* p = RecordOf(hwnd)) {
        p->bLeftDrag = 1;
        SetCursorSlot(CURSOR_BROWSE);
      }
      return 0;
    case MSG_LBUTTONUP:
      if (Plot3DRecord* p = RecordOf(hwnd)) p->bLeftDrag = 0;
      SetCursorSlot(CURSOR_ARROW);
      return 0;
    case MSG_MOUSEMOVE:
      OnMouseMove(hwnd, keys, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_RBUTTONUP:
      OnRightUp(hwnd, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_MOUSEWHEEL:
      OnWheel(hwnd, static_cast<std::int16_t>((wParam >> 16) & 0xFFFFu));
      return 0;
    case MSG_KEYDOWN:
      if (wParam == KEY_F1) OnCommand(hwnd, CMD_ZOOM_OUT_BUTTON);
      if (wParam == KEY_F1 + 1) OnCommand(hwnd, CMD_ZOOM_IN_BUTTON);
      return 0;
    case MSG_HSCROLL:
      OnScroll(hwnd, SCROLLBAR_HORZ, wParam);
      return 0;
    case MSG_VSCROLL:
      OnScroll(hwnd, SCROLLBAR_VERT, wParam);
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}
