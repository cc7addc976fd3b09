#include "shell/formula_bar.h"

#include <string>

#include "table/cell_reference.h"
#include "platform/edit_control.h"
#include "platform/list_control.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/formula_bar_edit.h"
#include "shell/program_state.h"
#include "shell/tool_states.h"
#include "shell/window_classes.h"
#include "table/table_active.h"
#include "table/table_input_hooks.h"

namespace {

// What the upper buttons post to the frame, in button order.
constexpr unsigned kUpperCommands[BAR_UPPER_BUTTONS] = {
    CMD_OPEN_FILE_STARTUP, CMD_BUTTON_FIND,  CMD_BUTTON_HOME,     CMD_BUTTON_TREND,  CMD_ZOOM_IN_BUTTON,
    CMD_ZOOM_OUT_BUTTON,   CMD_BUTTON_IMAGE_PIXEL, CMD_BUTTON_SELECT_ALL, CMD_BUTTON_COPY, CMD_BUTTON_PRINT};

// The fonts: Arial 11 pixels for the target box and lists, 12 for the
// formula box.
const EditFont kSmallFont{"Arial", 11, false};
const EditFont kFormulaFont{"Arial", 12, false};

// Tooltip box: a one-line box this high, as wide as its text.
constexpr int TIP_HEIGHT = 22;
constexpr int TIP_CHAR_WIDTH = 5;  // the average character width of the small font

void Place(WindowHandle hwnd, const WindowRect& r) { MoveWindowTo(hwnd, r.x, r.y, std::max(r.cx, 0), r.cy); }

// How many columns a text takes: a wide (CJK) character counts twice.
int TextColumns(std::string_view text) {
  int columns = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    columns += n >= 3 ? 2 : 1;
    i += n;
  }
  return columns;
}

void HideTip(FormulaBarState& bar, WindowHandle hwnd) {
  StopTimer(hwnd, TIMER_BAR_TIP);
  bar.iTipButton = -1;
  const WindowHandle hint = Program().hHintEdit;
  if (IsWindowAlive(hint)) {
    MoveWindowTo(hint, 0, 0, 0, 0);
    ShowWindowOf(hint, false);
  }
}

// The tooltip of a lower button in the frame's hint box, at the button's
// right edge (the bar sits at the frame's top left).
void ShowTip(FormulaBarState& bar, WindowHandle hwnd, int button) {
  const WindowHandle hint = Program().hHintEdit;
  if (!IsWindowAlive(hint) || bar.iTipButton == button) return;
  const std::string tip(TextLine(Text(TXT_BAR_TIPS), button - BAR_FIRST_LOWER));
  const WindowRect& r = bar.layout.buttons[static_cast<std::size_t>(button)];
  const WindowRect at = WindowRectOf(hwnd);
  const int width = TIP_CHAR_WIDTH * TextColumns(tip) + (LanguageIsChinese() ? 40 : 20);
  EditSetReadOnly(hint, false);
  EditSetLimit(hint, 400);
  EditSetText(hint, tip);
  EditSetReadOnly(hint, true);
  EditSetFont(hint, kSmallFont);
  MoveWindowTo(hint, at.x + r.x + r.cx, at.y + r.y, width, TIP_HEIGHT);
  ShowWindowOf(hint, true);
  RaiseWindow(hint);
  bar.iTipButton = button;
  StartTimer(hwnd, TIMER_BAR_TIP, FORMULA_BAR_TIP_MS);
}

std::intptr_t OnCreate(WindowHandle hwnd) {
  auto* bar = new FormulaBarState;
  SetWindowUserData(hwnd, bar);
  bar->hTarget = CreateChildWindow(CLASS_EDIT, hwnd, ID_BAR_TARGET, STYLE_BORDER);
  bar->hState = CreateChildWindow(CLASS_LIST, hwnd, ID_BAR_STATE, 0);
  bar->hFormula = CreateChildWindow(CLASS_EDIT, hwnd, ID_BAR_FORMULA, STYLE_BORDER | STYLE_MULTILINE);
  bar->hDecimals = CreateChildWindow(CLASS_LIST, hwnd, ID_BAR_DECIMALS, 0);
  bar->hMath = CreateChildWindow(CLASS_LIST, hwnd, ID_BAR_MATH_LIST, 0);
  bar->hStats = CreateChildWindow(CLASS_LIST, hwnd, ID_BAR_STATS_LIST, 0);
  EditSetLimit(bar->hTarget, FORMULA_BAR_TARGET_LIMIT);
  EditSetLimit(bar->hFormula, FORMULA_BAR_TEXT_LIMIT);
  EditSetFont(bar->hTarget, kSmallFont);
  EditSetFont(bar->hFormula, kFormulaFont);
  EditSetPrompt(bar->hTarget, Text(TXT_TARGET_CAPTION));
  EditSetPrompt(bar->hFormula, Text(TXT_FORMULA_EDIT_CAPTION));
  for (WindowHandle list : {bar->hState, bar->hDecimals, bar->hMath, bar->hStats}) ListSetFont(list, kSmallFont);
  EditSetReadOnly(bar->hTarget, true);
  EditSetReadOnly(bar->hFormula, true);
  return 0;
}

void OnSize(FormulaBarState& bar, int width) {
  bar.iWidth = width;
  bar.layout = FormulaBarLayoutFor(width);
  Place(bar.hTarget, bar.layout.target);
  Place(bar.hState, bar.layout.state);
  Place(bar.hFormula, bar.layout.formula);
  Place(bar.hDecimals, bar.layout.decimals);
  Place(bar.hMath, bar.layout.math);
  Place(bar.hStats, bar.layout.stats);
}

// A table became active. A target of another table is left (its edit kept
// there) rather than shown over this one.
void Enable(FormulaBarState& bar, WindowHandle hwnd) {
  const WindowHandle active = TableActive();
  if (!IsNone(bar.hTargetTable) && bar.hTargetTable != active) {
    BarSettleTarget(bar);
    BarClearFields(bar);
  }
  bar.bEnabled = 1;
  EditSetReadOnly(bar.hTarget, false);
  EditSetReadOnly(bar.hFormula, false);
  BarFillLists(bar, bar.iLastState, bar.iLastDecimals);
  InvalidateWindow(hwnd);
}

void Disable(FormulaBarState& bar, WindowHandle hwnd) {
  bar.bEnabled = 0;
  bar.iHotButton = -1;
  BarClearFields(bar);
  EditSetReadOnly(bar.hTarget, true);
  EditSetReadOnly(bar.hFormula, true);
  BarEmptyLists(bar);
  HideTip(bar, hwnd);
  InvalidateWindow(hwnd);
}

// A table closed (or a window without a table became active).
void OnTableClosed(FormulaBarState& bar, WindowHandle hwnd, WindowHandle closed) {
  const WindowHandle active = TableActive();
  if (!IsNone(closed) && closed != active && IsWindowAlive(active)) {
    // Another table is still active: only a target of the closed one goes.
    if (bar.hTargetTable == closed) BarClearFields(bar);
    return;
  }
  if (Program().nOpenTables <= 0) ResetToolStates();
  Disable(bar, hwnd);
}

void RunButton(FormulaBarState& bar, WindowHandle hwnd, int b) {
  if (b < BAR_FIRST_LOWER) {
    PostCommand(Program().hFrameWnd, kUpperCommands[b]);
    return;
  }
  switch (b - BAR_FIRST_LOWER) {
    case LOWER_FILL_COLOUR:
      PostCommand(Program().hFrameWnd, CMD_BACKGROUND_COLOUR);
      return;
    case LOWER_BORDER_COLOUR:
      PostCommand(Program().hFrameWnd, CMD_BORDER_COLOUR);
      return;
    case LOWER_RUN:
      ListSetCurrent(bar.hState, BAR_STATE_RUN);
      BarStateAction(bar, BAR_STATE_RUN);
      return;
    case LOWER_VIEW_CELLS:
      BarViewCells(bar);
      return;
    default:
      BarInsertCells(bar, b - BAR_FIRST_LOWER);
      return;
  }
  (void)hwnd;
}

void OnMouseMove(FormulaBarState& bar, WindowHandle hwnd, int x, int y) {
  const int b = FormulaBarButtonAt(bar.layout, x, y);
  if (bar.iPressedButton >= 0) {
    const int inside = b == bar.iPressedButton ? 1 : 0;
    if (inside != bar.bPressedInside) {
      bar.bPressedInside = inside;
      InvalidateWindow(hwnd);
    }
    return;
  }
  const int hot = b >= 0 && FormulaBarButtonEnabled(bar, b) ? b : -1;
  if (hot != bar.iHotButton) {
    bar.iHotButton = hot;
    InvalidateWindow(hwnd);
  }
  if (hot >= BAR_FIRST_LOWER) ShowTip(bar, hwnd, hot);
}

void OnLeftDown(FormulaBarState& bar, WindowHandle hwnd, int x, int y) {
  const int b = FormulaBarButtonAt(bar.layout, x, y);
  if (b < 0 || !FormulaBarButtonEnabled(bar, b)) return;
  bar.iPressedButton = b;
  bar.bPressedInside = 1;
  InvalidateWindow(hwnd);
}

void OnLeftUp(FormulaBarState& bar, WindowHandle hwnd, int x, int y) {
  const int pressed = bar.iPressedButton;
  if (pressed < 0) return;
  bar.iPressedButton = -1;
  bar.bPressedInside = 0;
  const int b = FormulaBarButtonAt(bar.layout, x, y);
  bar.iHotButton = b == pressed ? b : -1;
  InvalidateWindow(hwnd);
  if (b == pressed && FormulaBarButtonEnabled(bar, b)) RunButton(bar, hwnd, b);
}

void OnCommand(FormulaBarState& bar, WindowHandle hwnd, unsigned id, unsigned code, std::intptr_t lParam) {
  if (code == LIST_SELECT) {
    if (bar.bFilling) return;
    switch (id) {
      case ID_BAR_STATE:
        BarStateAction(bar, ListCurrent(bar.hState));
        return;
      case ID_BAR_DECIMALS:
        BarDecimalsChosen(bar);
        return;
      case ID_BAR_MATH_LIST:
      case ID_BAR_STATS_LIST:
        BarFunctionChosen(bar, static_cast<int>(id));
        return;
      default:
        return;
    }
  }
  if (code == EDIT_UPDATE) {
    if (id == ID_BAR_FORMULA) BarFormulaEdited(bar);
    return;
  }
  switch (id) {
    case CMD_FORMULA_BAR_TARGET:
      if (lParam != 0) BarShowTarget(bar, reinterpret_cast<const char*>(lParam));
      return;
    case CMD_FORMULA_BAR_ENABLE:
      if (IsWindowAlive(TableActive())) Enable(bar, hwnd);
      return;
    case CMD_TABLE_CLOSED:
      OnTableClosed(bar, hwnd, static_cast<WindowHandle>(static_cast<std::uint32_t>(lParam)));
      return;
    case CMD_FORMULA_BAR_REFRESH:
      InvalidateWindow(hwnd);
      return;
    default:
      return;
  }
}

}  // namespace

FormulaBarState* FormulaBarStateOf(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != CLASS_FORMULA_BAR) return nullptr;
  return static_cast<FormulaBarState*>(WindowUserData(hwnd));
}

bool FormulaBarButtonEnabled(const FormulaBarState& bar, int b) {
  if (b < 0 || b >= BAR_BUTTONS) return false;
  if (b < BAR_FIRST_LOWER) return Program().toolStates[static_cast<std::size_t>(b)] != 0;
  return bar.bEnabled != 0;
}

void InstallFormulaBarHooks() {
  TableInputHooks& hooks = TableHooks();
  hooks.pfnShowFormulaTarget = [](WindowHandle, int row, int col) {
    const WindowHandle hwnd = Program().hFormulaBar;
    const std::string target = CellReference(row, col);
    if (IsWindowAlive(hwnd)) SendCommand(hwnd, CMD_FORMULA_BAR_TARGET, reinterpret_cast<std::intptr_t>(target.c_str()));
  };
  hooks.pfnFormulaTargetDeleted = [](WindowHandle table, int row, int col) {
    FormulaBarState* bar = FormulaBarStateOf(Program().hFormulaBar);
    if (bar && bar->hTargetTable == table && BarShowsCell(*bar, row, col)) BarClearFields(*bar);
  };
  hooks.pfnFormulaTargetChanged = [](WindowHandle table, int row, int col) {
    FormulaBarState* bar = FormulaBarStateOf(Program().hFormulaBar);
    if (bar && bar->hTargetTable == table) BarReloadTarget(*bar, row, col);
  };
}

std::intptr_t FormulaBarProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  FormulaBarState* bar = FormulaBarStateOf(hwnd);
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd);
    case MSG_DESTROY:
      StopTimer(hwnd, TIMER_BAR_TIP);
      delete bar;
      SetWindowUserData(hwnd, nullptr);
      return 0;
    default:
      break;
  }
  if (!bar) return DefaultWindowProc(hwnd, msg, wParam, lParam);
  switch (msg) {
    case MSG_SIZE:
      OnSize(*bar, static_cast<int>(wParam));
      return 0;
    case MSG_COMMAND:
      OnCommand(*bar, hwnd, CommandId(wParam), CommandCode(wParam), lParam);
      return 0;
    case MSG_MOUSEMOVE:
      OnMouseMove(*bar, hwnd, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_LBUTTONDOWN:
      OnLeftDown(*bar, hwnd, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_LBUTTONUP:
      OnLeftUp(*bar, hwnd, PointX(lParam), PointY(lParam));
      return 0;
    case MSG_MOUSELEAVE:
      if (bar->iPressedButton < 0 && bar->iHotButton >= 0) {
        bar->iHotButton = -1;
        InvalidateWindow(hwnd);
      }
      return 0;
    case MSG_TIMER:
      if (wParam == TIMER_BAR_TIP) HideTip(*bar, hwnd);
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}
