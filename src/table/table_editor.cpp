#include "table/table_editor.h"

#include <algorithm>
#include <string>

#include "table/cell_reference.h"
#include "platform/edit_control.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_geometry.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_scroll.h"
#include "table/table_select.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

// Write the editor's text as the table (not the user): its change
// notification is not typing and must not mark the table modified.
void FillEditor(WindowHandle hwnd, WindowHandle editor, std::string_view text) {
  if (!IsWindowAlive(editor)) return;
  TableLockGuard t(hwnd);
  if (!t) return;
  t->bFillingEditor = 1;
  EditSetText(editor, text);
  t->bFillingEditor = 0;
}

bool IsLockedCell(const TableDocument& t, int row, int col) {
  for (int k = 0; k < LOCK_SLOTS; ++k) {
    if (t.lockRowUsed[k] && t.lockRowIndex[k] == row) return true;
    if (t.lockColUsed[k] && t.lockColIndex[k] == col) return true;
  }
  return false;
}

// A cell whose value comes from a registered formula with a text: the
// formula bar shows the formula instead of the editor.
bool ShowsFormula(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell || CellFormulaSlot(*cell) < 0 || CellFormulaSlot(*cell) >= FORMULA_SLOTS) return false;
  const FormulaSlot& slot = t.formulaSlots[static_cast<std::size_t>(CellFormulaSlot(*cell))];
  return slot.iState != FORMULA_FREE && !TextIsEmpty(slot.szFormula);
}

void SendTargetCaption(WindowHandle hwnd, int row, int col) {
  if (TableEvents().pfnEditorTarget) TableEvents().pfnEditorTarget(hwnd, row, col);
}

// Close the editor after storing (or not): empty, hidden, focus back.
void CloseEditor(WindowHandle hwnd, WindowHandle editor) {
  FillEditor(hwnd, editor, "");
  EditSetReadOnly(editor, false);
  HideEditor(editor);
  FocusTable(hwnd);
  TableRepaint(hwnd);
}

void OpenEditor(WindowHandle hwnd) {
  const WindowHandle editor = TableEditorOf(hwnd);
  if (!IsWindowAlive(editor)) return;  // a table whose editor could not be made
  int row = 0;
  int col = 0;
  int storeRow = 0;
  int storeCol = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    row = t->selRowFrom[i];
    col = t->selColFrom[i];
    const bool noneShown = t->iShownEditRow == 0 && t->iShownEditCol == 0;
    const bool moved = t->iShownEditRow != row || t->iShownEditCol != col;
    if (!noneShown && moved && t->bEditShown && t->iEditRow > 0 && t->iEditCol > 0) {
      storeRow = t->iEditRow;
      storeCol = t->iEditCol;
    }
    t->iShownEditRow = row;
    t->iShownEditCol = col;
  }
  if (storeRow > 0) StoreEditorText(hwnd, storeRow, storeCol);
  if (row <= 0 || col <= 0) return;

  bool keepClosed = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    t->iEditRow = row;
    t->iEditCol = col;
    keepClosed = IsLockedCell(*t.get(), row, col);
  }
  EditSetReadOnly(editor, false);
  if (!keepClosed) {
    SendTargetCaption(hwnd, row, col);
    TableLockGuard t(hwnd);
    keepClosed = t && ShowsFormula(*t.get(), row, col);
  }
  if (keepClosed) {
    // A locked cell or a formula target takes no typing. The editor closes
    // rather than staying open somewhere else with a hidden caret, where
    // what was typed would later land in this cell.
    {
      TableLockGuard t(hwnd);
      if (!t) return;
      ++t->iCaretHidden;
      t->bEditShown = 0;
    }
    CloseEditor(hwnd, editor);
    EditSetReadOnly(editor, true);
    return;
  }

  std::string text;
  CellRect rect{};
  bool onScreen = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    text = TableCellDisplayText(*t.get(), row, col);
    onScreen = TableCellRectOf(*t.get(), row, col, &rect);
  }
  if (!onScreen) {
    // Bring a cell scrolled out of view back before placing the editor.
    ScrollToRow(hwnd, row);
    ScrollToCol(hwnd, col);
    TableLockGuard t(hwnd);
    if (!t || !TableCellRectOf(*t.get(), row, col, &rect)) rect = {0, 0, 0, 0};
  }
  FillEditor(hwnd, editor, text);
  EditSelectAll(editor);
  const int width = std::max(rect.right - rect.left - 2, 0);
  const int inner = std::max(rect.bottom - rect.top - 2, 0);
  MoveWindowTo(editor, rect.left + 1, rect.top + 1, width, inner < 18 ? inner : 16);
  ShowWindowOf(editor, true);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    t->bEditShown = 1;
    t->iCaretHidden = 0;
  }
  EditFocus(editor);
  TableRepaint(hwnd);
}

void CommitAndClose(WindowHandle hwnd) {
  int row = 0;
  int col = 0;
  {
    TableLockGuard t(hwnd);
    if (!t || !t->bEditShown || t->iEditRow <= 0 || t->iEditCol <= 0) return;
    row = t->iEditRow;
    col = t->iEditCol;
  }
  StoreEditorText(hwnd, row, col);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    ResetSelection(*t.get());
    t->bEditShown = 0;
  }
  CloseEditor(hwnd, TableEditorOf(hwnd));
  RefreshTableStates(hwnd);
}

void Cancel(WindowHandle hwnd) {
  {
    TableLockGuard t(hwnd);
    if (!t || !t->bEditShown) return;
    t->bEditShown = 0;
  }
  CloseEditor(hwnd, TableEditorOf(hwnd));
}

void ResetAndClose(WindowHandle hwnd) {
  int row = 0;
  int col = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    if (t->bEditShown && t->iEditRow > 0 && t->iEditCol > 0) {
      row = t->iEditRow;
      col = t->iEditCol;
    }
  }
  if (row > 0) StoreEditorText(hwnd, row, col);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    ResetSelection(*t.get());
    t->iEditRow = t->iEditCol = 0;
    t->bEditShown = 0;
  }
  CloseEditor(hwnd, TableEditorOf(hwnd));
  RefreshTableStates(hwnd);
}

}  // namespace

WindowHandle CreateCellEditor(WindowHandle hwnd) {
  WindowCreateInfo info;
  info.szClass = EDIT_CLASS;
  info.hParent = hwnd;
  info.iControlId = ID_CELL_EDITOR;
  info.iStyle = STYLE_CHILD | STYLE_BORDER | STYLE_MULTILINE;
  const WindowHandle editor = CreateWindowOf(info);
  if (IsNone(editor)) return editor;
  EditSetLimit(editor, EDITOR_TEXT_LIMIT);
  EditSetFont(editor, {"Arial", 12, false});  // the table's cell font
  if (TableLockGuard t(hwnd); t) t->hCellEdit = editor;
  return editor;
}

void EditorCommand(WindowHandle hwnd, int mode) {
  const bool wasShown = TableIsEditing(hwnd) == 1;
  switch (mode) {
    case EDITOR_OPEN:
    case EDITOR_CONTINUE:
      OpenEditor(hwnd);
      break;
    case EDITOR_COMMIT_CLOSE:
      CommitAndClose(hwnd);
      break;
    case EDITOR_CANCEL:
      Cancel(hwnd);
      break;
    case EDITOR_RESET_CLOSE:
      ResetAndClose(hwnd);
      break;
    default:
      return;
  }
  // A command that found no editor and opened none changed nothing the
  // menus show.
  const bool acted = wasShown || TableIsEditing(hwnd) == 1;
  if (acted && TableHooks().pfnEditorStates) TableHooks().pfnEditorStates(hwnd);
}

void StoreEditorText(WindowHandle hwnd, int row, int col) {
  const WindowHandle editor = TableEditorOf(hwnd);
  if (!IsWindowAlive(editor)) return;  // no text to store: the cell keeps its own
  char text[EDITOR_TEXT_LIMIT + 1];
  EditCopyText(editor, text, sizeof text);
  StripLineBreaks(text, static_cast<int>(sizeof text));
  // A change to the cell can be undone.
  if (TableHooks().pfnUndoBackup && TableCellDisplayText(hwnd, row, col) != text) {
    TableHooks().pfnUndoBackup(hwnd, row, row, col, col);
  }
  TableSetCellText(hwnd, row, col, text);
}

int ReturnColumn(const TableDocument& t, int row, int col) {
  const auto filled = [&t](int r, int c) {
    const TableCell* cell = TableCellAt(t, r, c);
    return cell && cell->szText[0] != '\0';
  };
  int first = col;
  while (first > 1 && filled(row, first - 1)) --first;
  for (int c = first; c <= col; ++c) {
    if (!filled(row + 1, c)) return c;
  }
  return col;
}

void EditorTextChanged(WindowHandle hwnd) {
  const WindowHandle editor = TableEditorOf(hwnd);
  char text[EDITOR_TEXT_LIMIT + 1];
  EditCopyText(editor, text, sizeof text);
  bool tabEnded = false;
  bool enterEnded = false;
  std::string cleaned;
  for (const char* p = text; *p; ++p) {
    if (*p == '\t') {
      tabEnded = true;
    } else if (*p == '\r' || *p == '\n') {
      enterEnded = true;
    } else {
      cleaned.push_back(*p);
    }
  }
  enum { STAY, RIGHT, DOWN } move = STAY;
  bool scrollRight = false;
  bool scrollDown = false;
  int returnCol = 0;
  bool scrollToReturn = false;
  {
    TableLockGuard t(hwnd);
    if (!t || t->bFillingEditor || !t->bEditShown) return;
    t->bModified = 1;
    if (!tabEnded && !enterEnded) return;
    const int row = t->iShownEditRow;
    const int col = t->iShownEditCol;
    int newRow = row;
    int newCol = col;
    if (tabEnded && col > 0 && col < t->iCols - 1) {
      move = RIGHT;
      newCol = col + 1;
      scrollRight = newCol > TableLastFullCol(*t.get());
    } else if (enterEnded && row > 0 && row < t->iRows - 1) {
      move = DOWN;
      newRow = row + 1;
      newCol = ReturnColumn(*t.get(), row, col);
      scrollToReturn = newCol < t->iLeftCol;
      returnCol = newCol;
      scrollDown = newRow > TableLastFullRow(*t.get());
    }
    if (move != STAY) {
      const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
      t->selRowFrom[i] = t->selRowTo[i] = newRow;
      t->selColFrom[i] = t->selColTo[i] = newCol;
      t->selKind[i] = SELECT_BLOCK;
    }
  }
  // Without a move (Tab in the last column, Enter in the last row) the key
  // is dropped from the text, so that what is typed next is kept.
  FillEditor(hwnd, editor, cleaned);
  if (move == STAY) return;
  if (scrollRight) ScrollColRight(hwnd);
  if (scrollToReturn) ScrollToCol(hwnd, returnCol);
  if (scrollDown) ScrollRowDown(hwnd);
  EditorCommand(hwnd, EDITOR_CONTINUE);
  TableRepaint(hwnd);
}

int TableIsEditing(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && t->bEditShown ? 1 : 0;
}
