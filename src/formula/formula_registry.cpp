#include "formula/formula_registry.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "formula/formula_line_shift.h"
#include "formula/formula_messages.h"
#include "formula/formula_parse.h"
#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "formula/formula_tokens.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"

namespace {

// Tokens of at least this length are no references to mark.
constexpr std::size_t kLongestMarkToken = 20;
// Tokens longer than this become "???" when shifted.
constexpr std::size_t kLongestShiftToken = 20;

void ClearSlot(FormulaSlot& slot) {
  ClearText(slot.szTarget);
  ClearText(slot.szFormula);
  ClearText(slot.szCondition);
  slot.iState = FORMULA_FREE;
  slot.iDecimals = -1;
  slot.bRowAligned = 0;
  slot.bColAligned = 0;
  slot.iTargetRow = 0;
  slot.iTargetCol = 0;
}

// The text between the first pair of quotes, empty without one.
std::string_view QuotedPart(std::string_view text) {
  const std::size_t open = text.find('"');
  if (open == std::string_view::npos) return {};
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

// The text without blanks outside quotes.
std::string WithoutBlanks(std::string_view text) {
  std::string out;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ' ' || c == '\t')) continue;
    out.push_back(c);
  }
  return out;
}

// Put `condition` back between the first pair of quotes of a masked text.
std::string WithCondition(std::string_view masked, std::string_view condition) {
  const std::size_t open = masked.find('"');
  if (open == std::string_view::npos) return std::string(masked);
  const std::size_t close = masked.find('"', open + 1);
  if (close == std::string_view::npos) return std::string(masked);
  std::string out(masked.substr(0, open + 1));
  out.append(condition);
  out.append(masked.substr(close));
  return out;
}

bool NamesCell(const TableDocument& t, std::string_view text, int row, int col) {
  std::size_t from = 0;
  RefToken token{};
  while (FindRefToken(text, from, &token)) {
    from = token.pos + token.len;
    const std::string_view ref = text.substr(token.pos, token.len);
    if (RefRow(ref, t.iRows) == row && RefCol(ref, t.iCols) == col) return true;
  }
  return false;
}

int SlotOfTarget(const TableDocument& t, int row, int col) {
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t.formulaSlots[s];
    if (slot.iState != FORMULA_FREE && slot.iTargetRow == row && slot.iTargetCol == col) return s;
  }
  return -1;
}

void StoreAlignment(FormulaSlot& slot) {
  bool rowAligned = false;
  bool colAligned = false;
  FormulaAlignment(TextOf(slot.szFormula), slot.iTargetRow, slot.iTargetCol, &rowAligned, &colAligned);
  slot.bRowAligned = rowAligned ? 1 : 0;
  slot.bColAligned = colAligned ? 1 : 0;
}

void LinkNew(TableDocument& t, int slot, bool isNew) {
  if (!isNew) return;
  const FormulaSlot& s = t.formulaSlots[slot];
  if (TableCell* cell = TableCellAt(t, s.iTargetRow, s.iTargetCol)) SetCellFormulaSlot(*cell, slot);
  ++t.iFormulaCount;
}

bool ParseDecimals(std::string_view text, int* places) {
  bool ok = false;
  const double value = TextToDoubleChecked(text, &ok);
  if (!ok) return false;
  *places = value < -1 ? -1 : (value > 8 ? 8 : static_cast<int>(value));
  return true;
}

// Copy `source` to (row, col) with its text shifted; a full registry shows
// its message. 0, or -1.
int CopyFormula(TableDocument& t, const FormulaSlot& source, int row, int col) {
  bool isNew = false;
  const int s = FindFormulaSlot(t, row, col, &isNew);
  if (s < 0) return -1;
  const std::string shifted =
      ShiftReferences(source.bRowAligned != 0, source.bColAligned != 0, source.iTargetRow, source.iTargetCol, row, col,
                      TextOf(source.szFormula), t.iRows, t.iCols);
  FormulaSlot& slot = t.formulaSlots[s];
  CopyText(slot.szTarget, CellReference(row, col));
  slot.iTargetRow = row;
  slot.iTargetCol = col;
  CopyText(slot.szCondition, QuotedPart(shifted));
  slot.iState = source.iState;
  slot.iDecimals = source.iDecimals;
  CopyText(slot.szFormula, shifted);
  StoreAlignment(slot);
  LinkNew(t, s, isNew);
  FormulaReadSetsChanged(t);
  // The lowest free slot was taken: a file's lines fill the slots upwards
  // without searching from slot 0 each time.
  if (isNew) FormulaSetFreeSlotHint(t, s + 1);
  return 0;
}

}  // namespace

void FormulaAlignment(std::string_view text, int row, int col, bool* rowAligned, bool* colAligned) {
  *rowAligned = true;
  *colAligned = true;
  std::size_t from = 0;
  RefToken token{};
  while (FindRefToken(text, from, &token)) {
    from = token.pos + token.len;
    int r = 0;
    int c = 0;
    if (!ReadRefToken(text.substr(token.pos, token.len), &r, &c)) continue;
    if (r != row) *rowAligned = false;
    if (c != col) *colAligned = false;
  }
}

std::string ShiftReferences(bool rowAligned, bool colAligned, int srcRow, int srcCol, int newRow, int newCol,
                            std::string_view text, int rows, int cols) {
  if (text.find('R') == std::string_view::npos && text.find('C') == std::string_view::npos) return std::string(text);
  std::string out;
  std::size_t from = 0;
  RefToken token{};
  while (FindRefToken(text, from, &token)) {
    out.append(text.substr(from, token.pos - from));
    from = token.pos + token.len;
    const std::string_view ref = text.substr(token.pos, token.len);
    const int row = ref.size() > kLongestShiftToken ? -1 : RefRow(ref, rows);
    const int col = ref.size() > kLongestShiftToken ? -1 : RefCol(ref, cols);
    if (row < 1 || col < 1) {
      out.append("???");
      continue;
    }
    long long r = row;
    long long c = col;
    if (colAligned) {
      r = r + (newRow - srcRow);
      c = newCol;
    } else if (rowAligned) {
      r = newRow;
      c = c + (newCol - srcCol);
    } else {
      r = r + (newRow - srcRow);
      c = c + (newCol - srcCol);
    }
    out.append("R");
    out.append(r <= 0 ? std::string("?REF?") : FormatInt(r));
    out.append("C");
    out.append(c <= 0 ? std::string("?REF?") : FormatInt(c));
  }
  out.append(text.substr(from));
  return out;
}

int FindFormulaSlot(TableDocument& t, int row, int col, bool* isNew) {
  *isNew = false;
  const int existing = SlotOfTarget(t, row, col);
  if (existing >= 0) return existing;
  const int s = FormulaLowestFreeSlot(t);
  if (s >= 0) {
    *isNew = true;
    return s;
  }
  ShowFormulaMessage(TXT_REGISTRY_CAPTION_ERROR, TXT_REGISTRY_FULL);
  return -1;
}

int FormulaRun(WindowHandle hwnd, std::string_view target, int mode, std::string_view formula, int decimals) {
  if (formula.empty()) {
    ShowFormulaMessage(TXT_REGISTRY_CAPTION_ERROR, TXT_REGISTRY_NO_FORMULA);
    return -1;
  }
  TableLockGuard t(hwnd);
  if (!t) return -1;
  const int row = RefRow(target, t->iRows);
  const int col = RefCol(target, t->iCols);
  if (row < 1 || col < 1) return 0;
  const bool run = mode == FORMULA_MODE_RUN;
  std::string text = WithoutBlanks(formula);
  if (run && NamesCell(*t.get(), text, row, col)) {
    ShowFormulaMessage(TXT_REGISTRY_CAPTION_ERROR, TXT_REGISTRY_SELF_REFERENCE, target);
    return -1;
  }
  // The formula and its result can be undone.
  if (TableHooks().pfnUndoBackup) TableHooks().pfnUndoBackup(hwnd, row, row, col, col);
  bool checked = false;
  std::string condition(QuotedPart(text));
  if (run) {
    std::string work = text;
    ClearText(t->szQuotedText);
    if (FormulaCheck(*t.get(), hwnd, work) == 0) {
      checked = true;
      condition = std::string(TextOf(t->szQuotedText));
      text = WithCondition(work, condition);
    }
  }
  if (text.size() > FORMULA_INPUT_CHARS) text.resize(FORMULA_INPUT_CHARS);
  bool isNew = false;
  const int s = FindFormulaSlot(*t.get(), row, col, &isNew);
  if (s < 0) return 0;
  FormulaSlot& slot = t->formulaSlots[s];
  const int oldState = slot.iState;
  CopyText(slot.szFormula, text);
  CopyText(slot.szCondition, condition);
  slot.iDecimals = decimals;
  slot.iTargetRow = row;
  slot.iTargetCol = col;
  t->iCurrentFormula = s;
  FormulaReadSetsChanged(*t.get());
  if (run && checked) {
    slot.iState = FORMULA_RUN;
    if (RecalcRunFormula(hwnd, *t.get(), s, isNew) != 0) {
      if (isNew) {
        ClearSlot(slot);
        FormulaReadSetsChanged(*t.get());
      } else if (slot.iState == FORMULA_RUN) {
        slot.iState = oldState;
        CopyText(slot.szTarget, target);
        StoreAlignment(slot);
      }
      InvalidateWindow(hwnd);
      return 0;
    }
  }
  CopyText(slot.szTarget, target);
  slot.iState = (run && checked) ? FORMULA_RUN : FORMULA_INACTIVE;
  StoreAlignment(slot);
  LinkNew(*t.get(), s, isNew);
  FormulaReadSetsChanged(*t.get());
  InvalidateWindow(hwnd);
  return 0;
}

int FormulaDelete(WindowHandle hwnd, std::string_view target) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  const int row = RefRow(target, t->iRows);
  const int col = RefCol(target, t->iCols);
  TableCell* cell = row >= 1 && col >= 1 ? TableCellAt(*t.get(), row, col) : nullptr;
  if (!cell || CellFormulaSlot(*cell) < 0) return -1;
  int s = CellFormulaSlot(*cell);
  if (s >= FORMULA_SLOTS || t->formulaSlots[s].iState == FORMULA_FREE || t->formulaSlots[s].iTargetRow != row ||
      t->formulaSlots[s].iTargetCol != col)
    s = SlotOfTarget(*t.get(), row, col);
  if (s < 0) return 0;
  SetCellFormulaSlot(*cell, -1);
  ClearSlot(t->formulaSlots[s]);
  if (t->iFormulaCount > 0) --t->iFormulaCount;
  FormulaReadSetsChanged(*t.get());
  TableStoreCellText(*t.get(), row, col, "");
  InvalidateWindow(hwnd);
  return 1;
}

int FormulaFill(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  const int source = SlotOfTarget(*t.get(), t->iFormulaCellRow, t->iFormulaCellCol);
  if (source < 0) return 0;
  TableRange range{};
  if (TableGetRange(*t.get(), std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1), RANGES_SELECTION, &range) != 0)
    return 0;
  if (TableHooks().pfnUndoBackup)
    TableHooks().pfnUndoBackup(hwnd, range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo);
  const FormulaSlot src = t->formulaSlots[source];
  int status = 0;
  for (int row = std::max(range.iRowFrom, 1); row <= range.iRowTo && status == 0; ++row) {
    for (int col = std::max(range.iColFrom, 1); col <= range.iColTo; ++col) {
      if (row == src.iTargetRow && col == src.iTargetCol) continue;
      if (!TableCellAt(*t.get(), row, col)) continue;
      if (CopyFormula(*t.get(), src, row, col) != 0) {
        status = -1;
        break;
      }
    }
  }
  RecalcAll(hwnd);
  InvalidateWindow(hwnd);
  return status;
}

std::string FormulaLineText(const TableDocument& t, int slot, bool lineEnd) {
  if (slot < 0 || slot > FORMULA_SLOTS) return {};
  const FormulaSlot& s = t.formulaSlots[slot];
  if (s.iTargetRow == 0 || s.iTargetCol == 0 || TextIsEmpty(s.szFormula)) return {};
  if (s.iState != FORMULA_INACTIVE && s.iState != FORMULA_RUN) return {};
  std::string line = JoinText(FORMULA_LINE_KIND, "\t", TextOf(s.szTarget), "\t",
                              s.iState == FORMULA_INACTIVE ? FORMULA_KEY_INACTIVE : FORMULA_KEY_RUN, "\t",
                              FormatInt(s.iDecimals), "\t", TextOf(s.szFormula));
  if (lineEnd) line.append("\r\n");
  return line;
}

int FormulaLoadLine(TableDocument& t, std::string_view kind, std::string_view target, std::string_view stateKey,
                    std::string_view decimals, std::string_view text) {
  if (kind != FORMULA_LINE_KIND || text.size() > FORMULA_INPUT_CHARS) return -1;
  const int row = RefRow(target, t.iRows);
  const int col = RefCol(target, t.iCols);
  TableCell* cell = row >= 1 && col >= 1 ? TableCellAt(t, row, col) : nullptr;
  if (!cell) return -1;
  int s = CellFormulaSlot(*cell);
  bool isNew = false;
  if (s < 0 || s >= FORMULA_SLOTS || t.formulaSlots[s].iState == FORMULA_FREE ||
      t.formulaSlots[s].iTargetRow != row || t.formulaSlots[s].iTargetCol != col) {
    s = FormulaLowestFreeSlot(t);
    if (s < 0) return -1;
    isNew = true;
  }
  FormulaSlot& slot = t.formulaSlots[s];
  int places = -1;
  if (!ParseDecimals(decimals, &places)) places = -1;
  CopyText(slot.szTarget, target);
  slot.iTargetRow = row;
  slot.iTargetCol = col;
  slot.iState = stateKey == FORMULA_KEY_INACTIVE ? FORMULA_INACTIVE : FORMULA_RUN;
  slot.iDecimals = places;
  CopyText(slot.szFormula, text);
  CopyText(slot.szCondition, QuotedPart(text));
  StoreAlignment(slot);
  LinkNew(t, s, isNew);
  FormulaReadSetsChanged(t);
  // The lowest free slot was taken: a file's lines fill the slots upwards
  // without searching from slot 0 each time.
  if (isNew) FormulaSetFreeSlotHint(t, s + 1);
  return 0;
}

int FormulaPasteLine(WindowHandle hwnd, int srcRow, int srcCol, int newRow, int newCol, std::string_view stateKey,
                     std::string_view decimals, std::string_view text) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  int status = -1;
  // A pasted line comes from outside: its source target, its decimals
  // (-1..8) and its length are checked before anything is stored.
  bool placesOk = false;
  const double placesRead = TextToDoubleChecked(decimals, &placesOk);
  const bool lineOk = srcRow >= 1 && srcCol >= 1 && placesOk && placesRead >= -1 && placesRead <= 8 &&
                      placesRead == static_cast<int>(placesRead) && text.size() <= FORMULA_INPUT_CHARS;
  if (lineOk && TableCellAt(*t.get(), newRow, newCol) && newRow >= 1 && newCol >= 1) {
    const int existing = SlotOfTarget(*t.get(), srcRow, srcCol);
    FormulaSlot source{};
    if (existing >= 0) {
      source = t->formulaSlots[existing];
    } else {
      ClearSlot(source);
      source.iTargetRow = srcRow;
      source.iTargetCol = srcCol;
      source.iState = stateKey == FORMULA_KEY_RUN ? FORMULA_RUN : FORMULA_INACTIVE;
      int places = -1;
      if (!ParseDecimals(decimals, &places)) places = -1;
      source.iDecimals = places;
      CopyText(source.szFormula, text);
      CopyText(source.szCondition, QuotedPart(text));
      StoreAlignment(source);
    }
    // The scratch slot stands for the source while the line is taken in.
    t->formulaSlots[FORMULA_SCRATCH_SLOT] = source;
    status = CopyFormula(*t.get(), t->formulaSlots[FORMULA_SCRATCH_SLOT], newRow, newCol);
    ClearSlot(t->formulaSlots[FORMULA_SCRATCH_SLOT]);
  }
  if (status != 0) TableStoreCellText(*t.get(), newRow, newCol, "Err MathFormula");
  return status;
}

void MarkFormulaRefs(TableDocument& t, std::string_view text, bool on) {
  if (!on) {
    t.bShowRefs = 0;
    return;
  }
  t.bShowRefs = t.bShowRefs ? 0 : 1;
  for (int row = 0; row < t.iRows; ++row)
    for (int col = 0; col < t.iCols; ++col)
      if (TableCell* cell = TableCellAt(t, row, col)) cell->iRefMark = 0;
  const auto mark = [&t](int row, int col) {
    if (TableCell* cell = TableCellAt(t, row, col)) cell->iRefMark = 1;
  };
  ForEachFormulaRef(
      text, t.iRows, t.iCols, std::string_view::npos,
      [&mark](std::string_view ref, int row, int col) {
        if (ref.size() < kLongestMarkToken && row >= 1 && col >= 1) mark(row, col);
      },
      [&mark](const FormulaRange& block) {
        for (int row = block.iRowFrom; row <= block.iRowTo; ++row)
          for (int col = block.iColFrom; col <= block.iColTo; ++col) mark(row, col);
      });
}

void FormulaSetDecimals(WindowHandle hwnd, std::string_view target, int places) {
  bool changed = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    places = std::clamp(places, -1, 8);
    t->iRunDecimals = places;
    const int row = RefRow(target, t->iRows);
    const int col = RefCol(target, t->iCols);
    TableRange range{};
    const bool haveRange =
        TableGetRange(*t.get(), std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1), RANGES_SELECTION, &range) == 0;
    for (int s = 0; s < FORMULA_SLOTS; ++s) {
      FormulaSlot& slot = t->formulaSlots[s];
      if (slot.iState == FORMULA_FREE) continue;
      const bool isTarget = slot.iTargetRow == row && slot.iTargetCol == col;
      const bool inSelection = haveRange && slot.iTargetRow >= range.iRowFrom && slot.iTargetRow <= range.iRowTo &&
                               slot.iTargetCol >= range.iColFrom && slot.iTargetCol <= range.iColTo;
      if (!isTarget && !inSelection) continue;
      slot.iDecimals = places;
      changed = true;
    }
  }
  if (!changed) return;
  RecalcAll(hwnd);
  InvalidateWindow(hwnd);
}

namespace {

// Whether every reference of a text names a cell of a rows x cols table.
bool RefsFitTable(std::string_view text, int rows, int cols) {
  std::size_t from = 0;
  RefToken token{};
  while (FindRefToken(text, from, &token)) {
    from = token.pos + token.len;
    int r = 0;
    int c = 0;
    if (!ReadRefToken(text.substr(token.pos, token.len), &r, &c)) continue;
    if (r >= rows || c >= cols) return false;
  }
  return true;
}

// A target line after the change; 0 when its line was deleted.
int MovedTargetLine(int line, int at, int count) {
  if (count > 0) return line >= at ? line + count : line;
  if (line < at) return line;
  return line >= at - count ? line + count : 0;
}

}  // namespace

void FormulaShiftLines(WindowHandle hwnd, char bar, int at, int count) {
  std::vector<std::pair<int, int>> removed;
  {
    TableLockGuard t(hwnd);
    if (!t || t->iFormulaCount <= 0 || count == 0) return;
    const bool rows = bar == 'R';
    // Unlink every target first: a moved target may land on a cell another
    // target has just left.
    for (int s = 0; s < FORMULA_SLOTS; ++s) {
      const FormulaSlot& slot = t->formulaSlots[s];
      if (slot.iState == FORMULA_FREE) continue;
      if (TableCell* cell = TableCellAt(*t.get(), slot.iTargetRow, slot.iTargetCol)) SetCellFormulaSlot(*cell, -1);
    }
    for (int s = 0; s < FORMULA_SLOTS; ++s) {
      FormulaSlot& slot = t->formulaSlots[s];
      if (slot.iState == FORMULA_FREE) continue;
      int& line = rows ? slot.iTargetRow : slot.iTargetCol;
      line = MovedTargetLine(line, at, count);
      const std::string text = ShiftTextForLines(TextOf(slot.szFormula), bar, at, count);
      CopyText(slot.szFormula, text);
      CopyText(slot.szCondition, QuotedPart(text));
      CopyText(slot.szTarget, CellReference(std::max(slot.iTargetRow, 0), std::max(slot.iTargetCol, 0)));
      StoreAlignment(slot);
      TableCell* cell = line > 0 ? TableCellAt(*t.get(), slot.iTargetRow, slot.iTargetCol) : nullptr;
      // A formula whose target went, that now names its own target, or
      // that reaches beyond the table is removed with its result.
      if (!cell || NamesCell(*t.get(), text, slot.iTargetRow, slot.iTargetCol) ||
          !RefsFitTable(text, t->iRows, t->iCols)) {
        if (cell) removed.emplace_back(slot.iTargetRow, slot.iTargetCol);
        ClearSlot(slot);
        if (t->iFormulaCount > 0) --t->iFormulaCount;
        continue;
      }
      SetCellFormulaSlot(*cell, s);
    }
    FormulaReadSetsChanged(*t.get());
    for (const auto& [row, col] : removed) TableStoreCellText(*t.get(), row, col, "");
  }
  InvalidateWindow(hwnd);
}
