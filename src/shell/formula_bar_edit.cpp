#include "shell/formula_bar_edit.h"

#include <algorithm>
#include <string>

#include "table/cell_reference.h"
#include "formula/formula_registry.h"
#include "platform/edit_control.h"
#include "platform/list_control.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/services.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_editor.h"

namespace {

// The decimal places list: entry 0 is full precision (-1), entry k gives
// k - 1 places.
constexpr const char* kDecimalEntries[] = {"0: 123",         "1: 123.1",         "2: 123.12",
                                           "3: 123.123",     "4: 123.1231",      "5: 123.12312",
                                           "6: 123.123123",  "7: 123.1231231",   "8: 123.12312312"};
constexpr int DECIMAL_ENTRIES = 1 + static_cast<int>(sizeof kDecimalEntries / sizeof kDecimalEntries[0]);

int PlacesOf(int entry) { return entry <= 0 ? -1 : entry - 1; }
int EntryOfPlaces(int places) { return places < 0 ? 0 : std::min(places + 1, DECIMAL_ENTRIES - 1); }

int EntryOfState(int state) {
  return state == FORMULA_RUN ? BAR_STATE_RUN : state == FORMULA_INACTIVE ? BAR_STATE_INACTIVE : BAR_STATE_EDIT;
}

// Add each line of a text as an entry.
void AddLines(WindowHandle list, std::string_view lines) {
  while (!lines.empty()) {
    const std::size_t end = lines.find('\n');
    ListAdd(list, lines.substr(0, end));
    if (end == std::string_view::npos) break;
    lines.remove_prefix(end + 1);
  }
}

// Write a box or list as the bar, not the user: its notifications are not
// edits.
struct Filling {
  explicit Filling(FormulaBarState& bar) : bar_(bar), was_(bar.bFilling) { bar_.bFilling = 1; }
  ~Filling() { bar_.bFilling = was_; }
  FormulaBarState& bar_;
  int was_;
};

void SetState(FormulaBarState& bar, int entry) {
  Filling f(bar);
  ListSetCurrent(bar.hState, entry);
  bar.iLastState = entry;
}

void SetDecimals(FormulaBarState& bar, int entry) {
  Filling f(bar);
  ListSetCurrent(bar.hDecimals, entry);
  bar.iLastDecimals = entry;
}

void ShowFormula(FormulaBarState& bar, std::string_view text) {
  Filling f(bar);
  CopyText(bar.szShownFormula, text);
  EditSetText(bar.hFormula, text);
}

// The table the bar works on: the active table, when the shown target is
// one of its cells or no target is shown.
WindowHandle WorkTable(const FormulaBarState& bar) {
  const WindowHandle table = TableActive();
  if (!IsWindowAlive(table) || WindowUserData(table) == nullptr) return WindowHandle::None;
  if (!IsNone(bar.hTargetTable) && bar.hTargetTable != table) return WindowHandle::None;
  return table;
}

// The target of the target box in a table: false unless row and column
// are at least 1.
bool TargetCell(WindowHandle table, std::string_view target, int* row, int* col) {
  TableLockGuard t(table);
  if (!t) return false;
  *row = RefRow(target, t->iRows);
  *col = RefCol(target, t->iCols);
  return *row >= 1 && *col >= 1;
}

struct StoredFormula {
  bool bFound = false;
  std::string szText;
  int iState = FORMULA_FREE;
  int iDecimals = -1;
};

StoredFormula LookUp(WindowHandle table, std::string_view target) {
  StoredFormula out;
  TableLockGuard t(table);
  if (!t) return out;
  const int row = RefRow(target, t->iRows);
  const int col = RefCol(target, t->iCols);
  if (row < 1 || col < 1 || t->iFormulaCount <= 0) return out;
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t->formulaSlots[static_cast<std::size_t>(s)];
    if (slot.iState == FORMULA_FREE || slot.iTargetRow != row || slot.iTargetCol != col) continue;
    out.bFound = true;
    out.szText = std::string(TextOf(slot.szFormula));
    out.iState = slot.iState;
    out.iDecimals = slot.iDecimals;
    break;
  }
  return out;
}

int TableDecimals(WindowHandle table) {
  TableLockGuard t(table);
  return t ? t->iRunDecimals : -1;
}

// Show the stored formula of the target (none: an empty box, "Edit", the
// table's decimal places).
void ShowStored(FormulaBarState& bar, WindowHandle table, std::string_view target) {
  const StoredFormula f = LookUp(table, target);
  SetState(bar, f.bFound ? EntryOfState(f.iState) : BAR_STATE_EDIT);
  SetDecimals(bar, EntryOfPlaces(f.bFound ? f.iDecimals : TableDecimals(table)));
  ShowFormula(bar, f.szText);
}

void MarksOff(WindowHandle table) {
  bool wasOn = false;
  {
    TableLockGuard t(table);
    if (!t) return;
    wasOn = t->bShowRefs != 0;
    MarkFormulaRefs(*t.get(), "", false);
  }
  if (wasOn) InvalidateWindow(table);
}

std::string Target(const FormulaBarState& bar) {
  std::string target = EditText(bar.hTarget);
  if (target.size() > FORMULA_BAR_TARGET_LIMIT) target.resize(FORMULA_BAR_TARGET_LIMIT);
  return target;
}

// Insert built text into the formula box in place of its selection, after
// the table's cell editor closed; the focus goes to the box.
void InsertText(FormulaBarState& bar, WindowHandle table, std::string_view text) {
  EditorCommand(table, EDITOR_COMMIT_CLOSE);
  MarksOff(table);
  EditReplaceSelection(bar.hFormula, text);
  EditFocus(bar.hFormula);
}

void TooLong() { ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_BAR_TOO_LONG)); }

}  // namespace

void BarFillLists(FormulaBarState& bar, int stateEntry, int decimalsEntry) {
  Filling f(bar);
  ListClear(bar.hState);
  AddLines(bar.hState, Text(TXT_BAR_STATES));
  ListClear(bar.hDecimals);
  ListAdd(bar.hDecimals, Text(TXT_BAR_FULL_PRECISION));
  for (const char* entry : kDecimalEntries) ListAdd(bar.hDecimals, entry);
  ListClear(bar.hMath);
  ListAdd(bar.hMath, Text(TXT_BAR_MATH_HEADER));
  for (const std::string& entry : BarFunctionEntries(BAR_LIST_MATH)) ListAdd(bar.hMath, entry);
  ListClear(bar.hStats);
  ListAdd(bar.hStats, Text(TXT_BAR_STATS_HEADER));
  for (const std::string& entry : BarFunctionEntries(BAR_LIST_STATS)) ListAdd(bar.hStats, entry);
  ListSetCurrent(bar.hMath, 0);
  ListSetCurrent(bar.hStats, 0);
  SetState(bar, stateEntry);
  SetDecimals(bar, decimalsEntry);
}

void BarEmptyLists(FormulaBarState& bar) {
  Filling f(bar);
  for (WindowHandle list : {bar.hState, bar.hDecimals, bar.hMath, bar.hStats}) ListClear(list);
}

void BarClearFields(FormulaBarState& bar) {
  Filling f(bar);
  EditSetText(bar.hTarget, "");
  ShowFormula(bar, "");
  SetState(bar, BAR_STATE_EDIT);
  bar.hTargetTable = WindowHandle::None;
}

void BarSettleTarget(FormulaBarState& bar) {
  const WindowHandle table = bar.hTargetTable;
  const std::string target = Target(bar);
  int row = 0;
  int col = 0;
  if (!IsWindowAlive(table) || !TargetCell(table, target, &row, &col)) return;
  const std::string text = EditText(bar.hFormula);
  const StoredFormula stored = LookUp(table, target);
  const int stateEntry = ListCurrent(bar.hState);
  if (text.empty()) {
    if (stored.bFound) FormulaDelete(table, target);
  } else if (text != stored.szText) {
    // An edit that was never run is kept, but not run.
    if (stateEntry == BAR_STATE_EDIT) {
      FormulaRun(table, target, FORMULA_MODE_INACTIVE, text, PlacesOf(ListCurrent(bar.hDecimals)));
    }
  } else {
    FormulaRun(table, target, stored.iState == FORMULA_RUN ? FORMULA_MODE_RUN : FORMULA_MODE_INACTIVE, text,
               stored.iDecimals);
  }
}

void BarShowTarget(FormulaBarState& bar, std::string_view target) {
  const WindowHandle table = TableActive();
  if (!IsWindowAlive(table)) return;
  BarSettleTarget(bar);
  MarksOff(table);
  {
    Filling f(bar);
    EditSetText(bar.hTarget, target.substr(0, FORMULA_BAR_TARGET_LIMIT));
  }
  bar.hTargetTable = table;
  BarFillLists(bar, BAR_STATE_EDIT, 0);
  ShowStored(bar, table, Target(bar));
}

bool BarShowsCell(const FormulaBarState& bar, int row, int col) {
  int shownRow = 0;
  int shownCol = 0;
  return TargetCell(bar.hTargetTable, Target(bar), &shownRow, &shownCol) && shownRow == row && shownCol == col;
}

void BarReloadTarget(FormulaBarState& bar, int row, int col) {
  if (BarShowsCell(bar, row, col)) ShowStored(bar, bar.hTargetTable, Target(bar));
}

void BarStateAction(FormulaBarState& bar, int entry) {
  const WindowHandle table = WorkTable(bar);
  if (IsNone(table)) return;
  const std::string target = Target(bar);
  const std::string text = EditText(bar.hFormula);
  const int places = PlacesOf(ListCurrent(bar.hDecimals));
  if (text.empty()) entry = BAR_STATE_DELETE;
  bar.iLastState = entry;
  switch (entry) {
    case BAR_STATE_DELETE: {
      FormulaDelete(table, target);
      ShowFormula(bar, "");
      SetState(bar, BAR_STATE_EDIT);
      SetDecimals(bar, 0);
      Filling f(bar);
      ListSetCurrent(bar.hMath, 0);
      ListSetCurrent(bar.hStats, 0);
      return;
    }
    case BAR_STATE_INACTIVE:
    case BAR_STATE_RUN: {
      EditorCommand(table, EDITOR_COMMIT_CLOSE);
      const int mode = entry == BAR_STATE_RUN ? FORMULA_MODE_RUN : FORMULA_MODE_INACTIVE;
      if (FormulaRun(table, target, mode, text, places) != 0) return;
      // Show what was stored: blanks dropped, inactive when the check failed.
      const StoredFormula stored = LookUp(table, target);
      if (stored.bFound) {
        SetState(bar, EntryOfState(stored.iState));
        ShowFormula(bar, stored.szText);
      }
      return;
    }
    default:
      return;
  }
}

void BarFormulaEdited(FormulaBarState& bar) {
  if (bar.bFilling) return;
  std::string text = EditText(bar.hFormula);
  bool lineBreak = false;
  bool stripped = false;
  int start = 0;
  int end = 0;
  EditGetSelection(bar.hFormula, &start, &end);
  std::string kept;
  kept.reserve(text.size());
  int caret = end;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t' || c == '\r' || c == '\n') {
      stripped = true;
      if (c != '\t') lineBreak = true;
      if (static_cast<int>(i) < end) --caret;
      continue;
    }
    kept.push_back(c);
  }
  if (stripped) {
    Filling f(bar);
    EditSetText(bar.hFormula, kept);
    EditSetSelection(bar.hFormula, caret, caret);
    text = kept;
  }
  if (lineBreak) {
    SetState(bar, BAR_STATE_RUN);
    BarStateAction(bar, BAR_STATE_RUN);
    return;
  }
  const WindowHandle table = WorkTable(bar);
  if (text.empty() && !IsNone(table) && LookUp(table, Target(bar)).bFound) {
    BarStateAction(bar, BAR_STATE_DELETE);
    ShowStored(bar, table, Target(bar));
    return;
  }
  if (text != TextOf(bar.szShownFormula)) {
    CopyText(bar.szShownFormula, text);
    SetState(bar, BAR_STATE_EDIT);
  }
}

void BarInsertCells(FormulaBarState& bar, int lowerButton) {
  const WindowHandle table = WorkTable(bar);
  int row = 0;
  int col = 0;
  if (IsNone(table) || !TargetCell(table, Target(bar), &row, &col)) return;
  static constexpr char kOperators[] = {'+', '-', '*', '/', '^'};
  BuildKind kind = BUILD_GET_CELLS;
  char op = 0;
  if (lowerButton >= LOWER_ADD && lowerButton <= LOWER_POWER) {
    kind = BUILD_OPERATOR;
    op = kOperators[lowerButton - LOWER_ADD];
  } else if (lowerButton == LOWER_IF) {
    kind = BUILD_IF;
  }
  std::string list;
  bool fits = false;
  {
    TableLockGuard t(table);
    if (!t) return;
    fits = BuildCellList(*t.get(), row, col, kind, op, &list);
  }
  if (!fits) {
    TooLong();
    return;
  }
  if (lowerButton == LOWER_BRACKETS) list = JoinText("(", list, ")");
  if (lowerButton == LOWER_IF) list = JoinText("if(", list, ")");
  InsertText(bar, table, list);
}

void BarFunctionChosen(FormulaBarState& bar, int listId) {
  const WindowHandle list = listId == ID_BAR_MATH_LIST ? bar.hMath : bar.hStats;
  const int index = ListCurrent(list);
  if (index < 1) return;
  {
    Filling f(bar);
    ListSetCurrent(list, 0);
  }
  const WindowHandle table = WorkTable(bar);
  int row = 0;
  int col = 0;
  if (IsNone(table) || !TargetCell(table, Target(bar), &row, &col)) return;
  std::string call;
  bool fits = false;
  {
    TableLockGuard t(table);
    if (!t) return;
    // The entry after the header names the function by its place in the
    // list, the same in both languages.
    fits = BuildFunctionCall(*t.get(), row, col, listId == ID_BAR_MATH_LIST ? BAR_LIST_MATH : BAR_LIST_STATS,
                             index - 1, &call);
  }
  if (!fits) {
    TooLong();
    return;
  }
  if (!call.empty()) InsertText(bar, table, call);
}

void BarDecimalsChosen(FormulaBarState& bar) {
  const int entry = ListCurrent(bar.hDecimals);
  if (entry < 0) return;
  bar.iLastDecimals = entry;
  const WindowHandle table = WorkTable(bar);
  if (IsNone(table)) return;
  FormulaSetDecimals(table, Target(bar), PlacesOf(entry));
}

void BarViewCells(FormulaBarState& bar) {
  const WindowHandle table = WorkTable(bar);
  if (IsNone(table)) return;
  std::string text = EditText(bar.hFormula);
  int start = 0;
  int end = 0;
  EditGetSelection(bar.hFormula, &start, &end);
  if (end > start) text = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  {
    TableLockGuard t(table);
    if (!t) return;
    MarkFormulaRefs(*t.get(), text, true);
  }
  InvalidateWindow(table);
}
