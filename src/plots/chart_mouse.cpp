#include "plots/chart_mouse.h"

#include <string>

#include "platform/cursor.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "plots/chart_commands.h"
#include "plots/chart_dialogs.h"
#include "plots/chart_layout.h"
#include "plots/chart_link.h"
#include "plots/chart_menus.h"
#include "plots/chart_notes.h"
#include "plots/chart_pie.h"
#include "plots/chart_window.h"
#include "resources/string_table.h"

namespace {

// Cursor slots of the chart.
constexpr int CURSOR_CHART_SWATCH = CURSOR_FORMULA_HANDLE;
constexpr int CURSOR_CHART_POINT = CURSOR_BROWSE;
constexpr int CURSOR_CHART_DRAG = CURSOR_MOVE_RANGE;
constexpr int CURSOR_CHART_Y_AXIS = CURSOR_ROW_BORDER;
constexpr int CURSOR_CHART_X_AXIS = CURSOR_COL_BORDER;

void RunMenu(WindowHandle hwnd, int x, int y, const PopupMenuList& menu) {
  const int choice = ShowPopupMenu(hwnd, x, y, menu);
  if (choice != 0 && ChartOf(hwnd)) ChartCommand(hwnd, static_cast<unsigned>(choice), 0);
}

// The axis menus where (x, y) lies on an axis; true when one opened.
bool AxisMenu(WindowHandle hwnd, const ChartRecord& c, int x, int y) {
  if (InXAxisBox(c, x, y)) {
    RunMenu(hwnd, x, y, ChartXAxisMenu());
    return true;
  }
  if (InYAxisBand(c, x, y)) {
    RunMenu(hwnd, x, y, ChartYAxisMenu());
    return true;
  }
  return false;
}

// The crosshair, the status line and the cursor for a move without buttons.
void Hover(ChartRecord& c, int x, int y) {
  if (c.crosshairShown) {
    if (!c.bCrosshairArmed) {
      // The first move after a repaint only arms it.
      c.bCrosshairArmed = 1;
    } else {
      c.bCrosshairDrawn = 1;
      c.iCrossX = x;
      c.iCrossY = y;
    }
  }
  CopyText(c.statusText, ChartMouseStatus(c, x, y));
  c.bStatusStale = 1;
  int s = 0;
  int i = 0;
  int cursor = CURSOR_ARROW;
  if (LegendSwatchAt(c, x, y) >= 0) {
    cursor = CURSOR_CHART_SWATCH;
  } else if (ChartHitPoint(c, x, y, &s, &i)) {
    cursor = CURSOR_CHART_POINT;
  } else if (InYAxisBand(c, x, y)) {
    cursor = CURSOR_CHART_Y_AXIS;
  } else if (InXAxisBox(c, x, y)) {
    cursor = CURSOR_CHART_X_AXIS;
  }
  if (CurrentCursorSlot() != cursor) SetCursorSlot(cursor);
}

void LeftDown(WindowHandle hwnd, ChartRecord& c, int x, int y) {
  c.bLeftDown = 1;
  const int under = ChartNoteUnder(c, x, y);
  if (under == -1) return;
  ChartBox box{};
  if (under >= 0) {
    c.iNoteKind = NOTE_POINT;
    c.currentNote = under;
    ChartNoteBox(c, under, &box);
  } else {
    c.iNoteKind = under == -2 ? NOTE_X_TITLE : NOTE_Y_TITLE;
    ChartTitleBox(c, c.iNoteKind, &box);
  }
  c.bNoteDragging = 1;
  c.iDragBoxWidth = box.iRight - box.iLeft;
  c.iDragBoxHeight = box.iBottom - box.iTop;
  c.iDragOutlineX = -1;
  c.crosshairShown = 0;
  ChartRepaint(hwnd);
}

void LeftMove(WindowHandle hwnd, ChartRecord& c, int x, int y) {
  if (c.bNoteDragging) {
    c.iDragOutlineX = x;
    c.iDragOutlineY = y;
    return;
  }
  if (c.chartKind != CHART_KIND_PIE) return;
  c.bPieDragging = 1;
  SetCursorSlot(CURSOR_CHART_DRAG);
  ChartPieDrag(c, x, y);
  ChartLayoutWindow(hwnd);
  ChartRepaint(hwnd);
}

void LeftUp(WindowHandle hwnd, ChartRecord& c, int x, int y) {
  c.bLeftDown = 0;
  if (c.bPieDragging) {
    c.bPieDragging = 0;
    SetCursorSlot(CURSOR_ARROW);
    return;
  }
  if (c.bNoteDragging) {
    c.bNoteDragging = 0;
    c.iDragOutlineX = -1;
    ChartDropNote(c, x, y);
    c.iNoteKind = NOTE_NONE;
    c.crosshairShown = 1;
    CopyText(c.statusText, ChartMouseStatus(c, x, y));
    ChartRepaint(hwnd);
    return;
  }
  if (AxisMenu(hwnd, c, x, y)) return;
  const int swatch = LegendSwatchAt(c, x, y);
  if (swatch >= 0 && c.chartKind != CHART_KIND_PIE) {
    c.seriesPresent[swatch] = !c.seriesPresent[swatch];
    ChartRepaint(hwnd);
    return;
  }
  ChartEditNoteAt(hwnd, x, y);
}

void RightUp(WindowHandle hwnd, ChartRecord& c, int x, int y) {
  c.iLastRightX = x;
  c.iLastRightY = y;
  if (c.bRightDragging) {
    c.bRightDragging = 0;
    SetCursorSlot(CURSOR_ARROW);
    return;
  }
  if (c.chartKind != CHART_KIND_PIE && AxisMenu(hwnd, c, x, y)) return;
  RunMenu(hwnd, x, y, ChartRightMenu(c));
}

void Wheel(WindowHandle hwnd, std::uintptr_t wParam) {
  const auto delta = static_cast<std::int16_t>((wParam >> 16) & 0xFFFF);
  if (delta == 0) return;
  // Every wheel message is one step, whatever its size.
  ChartVerticalScroll(hwnd, delta > 0 ? SCROLL_LINE_UP : SCROLL_LINE_DOWN, 0);
}

}  // namespace

int ChartEditNoteAt(WindowHandle hwnd, int x, int y) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return -1;
  int s = 0;
  int i = 0;
  const int kind = ChartNoteTarget(*c, x, y, &s, &i);
  if (kind == NOTE_NONE) return -1;
  std::string text;
  int slot = -1;
  bool isNew = false;
  if (kind == NOTE_POINT) {
    const int keyS = c->chartKind == CHART_KIND_PIE ? c->sliceRow[i] : s;
    const int keyI = c->chartKind == CHART_KIND_PIE ? c->sliceCol[i] : i;
    slot = ChartNoteSlotFor(*c, keyS, keyI);
    if (slot < 0) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_CHART_NOTE_OVERFLOW));
      return 0;
    }
    isNew = !c->noteUsed[slot];
    text = isNew ? ChartNoteDefault(*c, s, i) : std::string(TextOf(c->noteText[slot]));
  } else {
    const ChartText& title = kind == NOTE_X_TITLE ? c->xAxisTitle : c->yAxisTitle;
    isNew = title[0] == 0;
    text = isNew ? (kind == NOTE_X_TITLE ? "X" : "Y") : std::string(TextOf(title));
  }
  const int button = AskNote(hwnd, &text);
  c = ChartOf(hwnd);
  if (!c) return 0;
  if (kind == NOTE_POINT) {
    // The pie may have changed while the dialog was open.
    if (c->chartKind == CHART_KIND_PIE && i >= c->sliceCount) return 0;
    if (button == BUTTON_OK) ChartStoreNote(*c, slot, s, i, text, isNew);
    if (button == CHART_BUTTON_DELETE) c->noteUsed[slot] = 0;
    // Cancel on a new note leaves nothing behind.
  } else {
    ChartText& title = kind == NOTE_X_TITLE ? c->xAxisTitle : c->yAxisTitle;
    if (button == BUTTON_OK) {
      StoreChartText(title, text, CHART_NOTE_CHARS);
      if (isNew && kind == NOTE_X_TITLE) {
        c->dXTitleOffset = 0;
        c->dXTitleValue = YToValue(*c, c->iAxisLine);
      } else if (isNew) {
        c->dYTitleOffset = 0;
        c->dYTitleRise = 0;
      }
    }
    if (button == CHART_BUTTON_DELETE) title.fill(0);
  }
  ChartRepaint(hwnd);
  return 0;
}

void ChartMouse(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, int x, int y) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || !c->layoutValid || !c->scrollReady) return;
  const unsigned keys = static_cast<unsigned>(wParam & 0xFFFF);
  switch (msg) {
    case MSG_MOUSEMOVE:
      if (keys & MK_LBUTTON) {
        LeftMove(hwnd, *c, x, y);
      } else if (keys & MK_RBUTTON) {
        ChartRightDrag(hwnd, x, y);
        SetCursorSlot(CURSOR_CHART_DRAG);
      } else {
        Hover(*c, x, y);
      }
      return;
    case MSG_LBUTTONDOWN: LeftDown(hwnd, *c, x, y); return;
    case MSG_LBUTTONUP: LeftUp(hwnd, *c, x, y); return;
    case MSG_RBUTTONDOWN: c->bRightDragging = 0; return;
    case MSG_RBUTTONUP: RightUp(hwnd, *c, x, y); return;
    case MSG_MOUSEWHEEL: Wheel(hwnd, wParam); return;
    default: return;
  }
}
