#include "formula/formula_recalc.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formula/formula_matrix.h"
#include "formula/formula_names.h"
#include "formula/formula_parse.h"
#include "table/cell_reference.h"
#include "formula/formula_result.h"
#include "formula/formula_tokens.h"
#include "platform/cursor.h"
#include "platform/text_buffer.h"
#include "table/table_access.h"
#include "table/table_extension.h"

namespace {

// Tokens longer than this are not read as references by the scan.
constexpr std::size_t kLongestReadToken = 500;

struct RangeRead {
  int slot;
  FormulaRange block;
};

// What the slots of one table read: single cells (and range corners) by
// cell, and range blocks in slot order.
struct ReadSets {
  bool valid = false;
  int rows = 0;
  int cols = 0;
  std::unordered_map<std::int64_t, std::vector<int>> cells;
  std::vector<RangeRead> ranges;
  std::vector<char> matrix;  // per slot: the text is a matrix function call
};

std::int64_t CellKey(int row, int col) { return (static_cast<std::int64_t>(row) << 32) | static_cast<std::uint32_t>(col); }

bool IsMatrixText(std::string_view text) {
  const std::size_t open = text.find('(');
  return open != std::string_view::npos && IsMatrixFunction(text.substr(0, open));
}

void AddCell(ReadSets& sets, int row, int col, int slot) {
  std::vector<int>& readers = sets.cells[CellKey(row, col)];
  if (readers.empty() || readers.back() != slot) readers.push_back(slot);
}

void Build(const TableRecord& t, ReadSets& sets) {
  sets.cells.clear();
  sets.ranges.clear();
  sets.matrix.assign(FORMULA_SLOTS, 0);
  sets.rows = t.iRows;
  sets.cols = t.iCols;
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t.formulaSlots[s];
    if (slot.iState == FORMULA_FREE) continue;
    const std::string_view text = TextOf(slot.szFormula);
    sets.matrix[s] = IsMatrixText(text) ? 1 : 0;
    ForEachFormulaRef(
        text, t.iRows, t.iCols, kLongestReadToken,
        [&sets, s](std::string_view, int row, int col) {
          if (row >= 0 && col >= 0) AddCell(sets, row, col, s);
        },
        [&sets, s](const FormulaRange& block) { sets.ranges.push_back({s, block}); });
  }
  sets.valid = true;
}

ReadSets& SetsOf(const TableRecord& t) {
  // The read sets are a cache kept in the table's formula slot.
  ReadSets& sets = TableExtensionOf<ReadSets>(const_cast<TableRecord&>(t), TableExtensionId::Formula);
  if (!sets.valid || sets.rows != t.iRows || sets.cols != t.iCols) Build(t, sets);
  return sets;
}

void ReadersOf(const TableRecord& t, int row, int col, bool skipMatrix, std::vector<int>& out) {
  out.clear();
  if (t.iFormulaCount <= 0) return;
  const ReadSets& sets = SetsOf(t);
  const auto it = sets.cells.find(CellKey(row, col));
  if (it != sets.cells.end()) out = it->second;
  bool merged = false;
  for (const RangeRead& range : sets.ranges) {
    const FormulaRange& b = range.block;
    if (row < b.iRowFrom || row > b.iRowTo || col < b.iColFrom || col > b.iColTo) continue;
    if (!out.empty() && out.back() == range.slot) continue;
    out.push_back(range.slot);
    merged = true;
  }
  if (merged) {
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }
  std::size_t kept = 0;
  for (int s : out) {
    if (t.formulaSlots[s].iState != FORMULA_RUN) continue;
    if (skipMatrix && sets.matrix[s]) continue;
    out[kept++] = s;
  }
  out.resize(kept);
}

// One changed cell whose readers are being run.
struct Frame {
  std::vector<int> readers;
  std::size_t next = 0;
  int owner = -1;  // the slot whose result store changed the cell, -1 none
  bool ended = false;
};

// A recalculation in progress on one table. Stores made while a formula
// of the walk is evaluated add frames instead of recursing.
struct Walk {
  WindowHandle hwnd;
  TableRecord* t;
  std::vector<Frame> frames;
  std::vector<int> onPath;
  std::vector<char> evaluated;  // per slot, when a full recalculation tracks it
  int evaluating = -1;
};

std::vector<Walk*>& Walks() {
  static std::vector<Walk*> walks;
  return walks;
}

Walk* WalkOf(const TableRecord* t) {
  auto& walks = Walks();
  for (auto it = walks.rbegin(); it != walks.rend(); ++it)
    if ((*it)->t == t) return *it;
  return nullptr;
}

void PushFrame(Walk& walk, int row, int col, bool skipMatrix) {
  Frame frame;
  frame.owner = walk.evaluating;
  ReadersOf(*walk.t, row, col, skipMatrix, frame.readers);
  if (frame.owner >= 0) ++walk.onPath[frame.owner];
  walk.frames.push_back(std::move(frame));
}

RecalcObserver gObserver = nullptr;
void* gObserverContext = nullptr;

// Evaluate one slot inside the walk; the frames its stores add are put in
// store order (the first store's readers run first).
int EvaluateInWalk(Walk& walk, int slot) {
  const std::size_t base = walk.frames.size();
  if (gObserver) gObserver(gObserverContext, slot);
  if (!walk.evaluated.empty()) walk.evaluated[static_cast<std::size_t>(slot)] = 1;
  walk.evaluating = slot;
  ++walk.onPath[slot];
  const int status = FormulaRunSlot(*walk.t, walk.hwnd, slot, false);
  --walk.onPath[slot];
  walk.evaluating = -1;
  std::reverse(walk.frames.begin() + static_cast<std::ptrdiff_t>(base), walk.frames.end());
  return status;
}

void Drain(Walk& walk) {
  while (!walk.frames.empty()) {
    const std::size_t index = walk.frames.size() - 1;
    Frame& top = walk.frames[index];
    if (top.ended || top.next >= top.readers.size()) {
      if (top.owner >= 0) --walk.onPath[top.owner];
      walk.frames.pop_back();
      continue;
    }
    const int slot = top.readers[top.next++];
    // A formula on the current path is not run again: that ends cycles.
    if (walk.onPath[slot] > 0 || walk.t->formulaSlots[slot].iState != FORMULA_RUN) continue;
    if (EvaluateInWalk(walk, slot) != 0) walk.frames[index].ended = true;
  }
}

class WalkScope {
 public:
  WalkScope(WindowHandle hwnd, TableRecord* t) {
    walk_.hwnd = hwnd;
    walk_.t = t;
    walk_.onPath.assign(FORMULA_SLOTS + 1, 0);
    current_ = t->iCurrentFormula;
    Walks().push_back(&walk_);
  }
  ~WalkScope() {
    Walks().pop_back();
    walk_.t->iCurrentFormula = current_;
  }
  Walk& walk() { return walk_; }

 private:
  Walk walk_;
  int current_ = -1;
};

void Recalc(WindowHandle hwnd, int row, int col, bool skipMatrix) {
  TableLockGuard t(hwnd);
  if (!t || t->iFormulaCount <= 0) return;
  if (Walk* walk = WalkOf(t.get())) {
    PushFrame(*walk, row, col, skipMatrix);
    return;
  }
  WalkScope scope(hwnd, t.get());
  PushFrame(scope.walk(), row, col, skipMatrix);
  if (scope.walk().frames.back().readers.empty()) return;
  Drain(scope.walk());
}

}  // namespace

void SetRecalcObserver(RecalcObserver observer, void* context) {
  gObserver = observer;
  gObserverContext = context;
}

void FormulaReadSetsChanged(const TableRecord& t) {
  if (void* sets = TableExtensionGet(t, TableExtensionId::Formula)) static_cast<ReadSets*>(sets)->valid = false;
}

void FormulaReadersOf(const TableRecord& t, int row, int col, bool skipMatrix, std::vector<int>& out) {
  ReadersOf(t, row, col, skipMatrix, out);
}

int FormulaRunSlot(TableRecord& t, WindowHandle hwnd, int slot, bool newFormula) {
  if (slot < 0 || slot > FORMULA_SLOTS) return -1;
  FormulaSlot& s = t.formulaSlots[slot];
  t.iCurrentFormula = slot;
  FormulaResultText result;
  if (FormulaEvaluate(t, hwnd, TextOf(s.szFormula), result) != 0) return -1;
  const int entry = MatrixMarkerEntry(result.view());
  if (entry >= 0) return PlaceMatrixResult(hwnd, entry, s.iTargetRow, s.iTargetCol, newFormula);
  FormulaSetCell(t, hwnd, s.iTargetRow, s.iTargetCol, result.view());
  return 0;
}

void RecalcDependants(WindowHandle hwnd, int row, int col) { Recalc(hwnd, row, col, false); }

void RecalcDependantsSkippingMatrix(WindowHandle hwnd, int row, int col) { Recalc(hwnd, row, col, true); }

int RecalcRunFormula(WindowHandle hwnd, TableRecord& t, int slot, bool newFormula) {
  if (slot < 0 || slot > FORMULA_SLOTS) return -1;
  WalkScope scope(hwnd, &t);
  Walk& walk = scope.walk();
  const std::size_t base = walk.frames.size();
  walk.evaluating = slot;
  ++walk.onPath[slot];
  const int status = FormulaRunSlot(t, hwnd, slot, newFormula);
  --walk.onPath[slot];
  walk.evaluating = -1;
  std::reverse(walk.frames.begin() + static_cast<std::ptrdiff_t>(base), walk.frames.end());
  Drain(walk);
  return status;
}

void RecalcAll(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t || t->iFormulaCount <= 0) return;
  const int cursor = CurrentCursorSlot();
  SetCursorSlot(CURSOR_WAIT);
  {
    WalkScope scope(hwnd, t.get());
    Walk& walk = scope.walk();
    // A slot already run as a reader of an earlier slot is not run again
    // from the top: whenever its inputs change later in this pass, its
    // readers' walk runs it once more. A chain of 3000 formulas so costs
    // 3000 evaluations, not 3000 x 3000.
    walk.evaluated.assign(FORMULA_SLOTS + 1, 0);
    for (int slot = 0; slot < FORMULA_SLOTS; ++slot) {
      if (t->formulaSlots[slot].iState != FORMULA_RUN || walk.evaluated[static_cast<std::size_t>(slot)]) continue;
      EvaluateInWalk(walk, slot);
      Drain(walk);
    }
  }
  SetCursorSlot(cursor);
}
