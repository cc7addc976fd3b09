#include "formula/formula_recalc.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <queue>
#include <string_view>
#include <unordered_map>
#include <utility>
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

// Slots the walk knows: the usable ones and the scratch slot.
constexpr int kSlotCount = FORMULA_SLOTS + 1;

// Ranges are found through a grid of buckets of this many rows and
// columns; a range that covers more buckets than kWideRange is kept in a
// list that every lookup scans.
constexpr int kBucketRows = 32;
constexpr int kBucketCols = 8;
constexpr int kWideRange = 64;

struct RangeRead {
  int slot;
  FormulaRange block;
};

// The ranges of all slots, found by the cell they contain.
struct RangeIndex {
  int bucketCols = 0;
  std::vector<RangeRead> ranges;
  std::vector<std::vector<int>> buckets;  // indices into `ranges`
  std::vector<int> wide;

  void Build(int rows, int cols) {
    bucketCols = (cols + kBucketCols - 1) / kBucketCols;
    const int bucketRows = (rows + kBucketRows - 1) / kBucketRows;
    buckets.assign(static_cast<std::size_t>(bucketRows) * bucketCols, {});
    wide.clear();
    for (std::size_t k = 0; k < ranges.size(); ++k) {
      const FormulaRange& b = ranges[k].block;
      const int r0 = b.iRowFrom / kBucketRows;
      const int r1 = b.iRowTo / kBucketRows;
      const int c0 = b.iColFrom / kBucketCols;
      const int c1 = b.iColTo / kBucketCols;
      if ((r1 - r0 + 1) * (c1 - c0 + 1) > kWideRange) {
        wide.push_back(static_cast<int>(k));
        continue;
      }
      for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) buckets[static_cast<std::size_t>(r) * bucketCols + c].push_back(static_cast<int>(k));
      }
    }
  }

  // Add the slots of the ranges holding (row, col) to `out` (unsorted).
  void Find(int row, int col, std::vector<int>& out) const {
    auto test = [&](int k) {
      const FormulaRange& b = ranges[static_cast<std::size_t>(k)].block;
      if (row >= b.iRowFrom && row <= b.iRowTo && col >= b.iColFrom && col <= b.iColTo) {
        out.push_back(ranges[static_cast<std::size_t>(k)].slot);
      }
    };
    const std::size_t bucket = static_cast<std::size_t>(row / kBucketRows) * bucketCols + col / kBucketCols;
    if (bucket < buckets.size()) {
      for (int k : buckets[bucket]) test(k);
    }
    for (int k : wide) test(k);
  }
};

// A recalculation in progress: what has run, and what waits, ordered by
// the slots' places in the dependency order.
struct Pass {
  bool active = false;
  WindowHandle hwnd = WindowHandle::None;
  int evaluating = -1;
  std::vector<char> done;    // per slot: evaluated in this pass
  std::vector<char> queued;  // per slot: waiting in `heap`
  std::vector<char> cycleQueued;  // per first place of a cycle: all of it queued
  std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> heap;
};

// The formula registry's state of one table, kept in the table's
// extension slot: what each slot reads, the order the slots run in, and
// the recalculation in progress.
struct FormulaTableState {
  bool valid = false;
  int rows = 0;
  int cols = 0;
  std::unordered_map<std::int64_t, std::vector<int>> cells;  // single cells and range corners
  RangeIndex ranges;
  std::vector<char> matrix;  // per slot: the text is a matrix function call
  // Dependency order, built on demand from the read sets: the readers of
  // each slot's result cells, and each slot's place in the order.
  bool ordered = false;
  std::vector<int> readerStart;  // per slot, into `readers`; one more entry
  std::vector<int> readers;
  std::vector<int> place;       // per slot
  std::vector<int> slotAt;      // per place
  std::vector<int> cycleFirst;  // per slot: the first place of its cycle (its own place when in none)
  std::vector<int> cycleSize;   // per slot: the slots of its cycle (1 when in none)
  Pass pass;
  std::vector<int> found;  // scratch for the readers of one cell
  int freeSlotHint = 0;
};

// The key of cell (row, col) in the map of single cells.
std::int64_t CellKey(int row, int col) { return (static_cast<std::int64_t>(row) << 32) | static_cast<std::uint32_t>(col); }

// Whether a formula text is a matrix function call.
bool IsMatrixText(std::string_view text) {
  const std::size_t open = text.find('(');
  return open != std::string_view::npos && IsMatrixFunction(text.substr(0, open));
}

// Record that `slot` reads cell (row, col), once.
void AddCell(FormulaTableState& state, int row, int col, int slot) {
  std::vector<int>& readers = state.cells[CellKey(row, col)];
  if (readers.empty() || readers.back() != slot) readers.push_back(slot);
}

// Read what every registered slot reads out of its text.
void Build(const TableDocument& t, FormulaTableState& state) {
  state.cells.clear();
  state.ranges.ranges.clear();
  state.matrix.assign(kSlotCount, 0);
  state.rows = t.iRows;
  state.cols = t.iCols;
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t.formulaSlots[s];
    if (slot.iState == FORMULA_FREE) continue;
    const std::string_view text = TextOf(slot.szFormula);
    state.matrix[s] = IsMatrixText(text) ? 1 : 0;
    ForEachFormulaRef(
        text, t.iRows, t.iCols, kLongestReadToken,
        [&state, s](std::string_view, int row, int col) {
          if (row >= 0 && col >= 0) AddCell(state, row, col, s);
        },
        [&state, s](const FormulaRange& block) { state.ranges.ranges.push_back({s, block}); });
  }
  state.ranges.Build(t.iRows, t.iCols);
  state.valid = true;
  state.ordered = false;
}

// The registry state kept in the table's formula extension slot.
FormulaTableState& StateOf(const TableDocument& t) {
  return TableExtensionOf<FormulaTableState>(const_cast<TableDocument&>(t), TableExtensionId::Formula);
}

// The state with read sets that match the texts and the table's size.
FormulaTableState& ReadSetsOf(const TableDocument& t) {
  FormulaTableState& state = StateOf(t);
  if (!state.valid || state.rows != t.iRows || state.cols != t.iCols) Build(t, state);
  return state;
}

// Every registered slot reading cell (row, col), sorted, whatever its state.
void AllReadersOf(const FormulaTableState& state, int row, int col, std::vector<int>& out) {
  out.clear();
  const auto it = state.cells.find(CellKey(row, col));
  if (it != state.cells.end()) out = it->second;
  const std::size_t direct = out.size();
  state.ranges.Find(row, col, out);
  if (out.size() != direct) {
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }
}

// Keep the running slots (and, when asked, pass over matrix formulas).
void KeepRunning(const TableDocument& t, const FormulaTableState& state, bool skipMatrix, std::vector<int>& slots) {
  std::size_t kept = 0;
  for (int s : slots) {
    if (t.formulaSlots[s].iState != FORMULA_RUN) continue;
    if (skipMatrix && state.matrix[s]) continue;
    slots[kept++] = s;
  }
  slots.resize(kept);
}

// The running readers of cell (row, col), sorted.
void ReadersOf(const TableDocument& t, int row, int col, bool skipMatrix, std::vector<int>& out) {
  out.clear();
  if (t.iFormulaCount <= 0) return;
  const FormulaTableState& state = ReadSetsOf(t);
  AllReadersOf(state, row, col, out);
  KeepRunning(t, state, skipMatrix, out);
}

// ---- The dependency order ---------------------------------------------------

// Strongly connected components of the reader graph (Tarjan, iterative):
// `component` gets each slot's component number, in an order where a
// component comes after every component it reaches (reverse topological).
int Components(const FormulaTableState& state, std::vector<int>& component) {
  const int n = kSlotCount;
  std::vector<int> index(n, -1);
  std::vector<int> low(n, 0);
  std::vector<char> onStack(n, 0);
  std::vector<int> stack;
  std::vector<std::pair<int, int>> calls;  // (slot, next edge)
  component.assign(n, -1);
  int counter = 0;
  int components = 0;
  for (int root = 0; root < n; ++root) {
    if (index[root] >= 0) continue;
    calls.emplace_back(root, state.readerStart[root]);
    index[root] = low[root] = counter++;
    stack.push_back(root);
    onStack[root] = 1;
    while (!calls.empty()) {
      auto& [v, edge] = calls.back();
      if (edge < state.readerStart[v + 1]) {
        const int w = state.readers[edge++];
        if (index[w] < 0) {
          index[w] = low[w] = counter++;
          stack.push_back(w);
          onStack[w] = 1;
          calls.emplace_back(w, state.readerStart[w]);
        } else if (onStack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      if (low[v] == index[v]) {
        int w = -1;
        do {
          w = stack.back();
          stack.pop_back();
          onStack[w] = 0;
          component[w] = components;
        } while (w != v);
        ++components;
      }
      const int done = v;
      calls.pop_back();
      if (!calls.empty()) {
        const int parent = calls.back().first;
        low[parent] = std::min(low[parent], low[done]);
      }
    }
  }
  return components;
}

// Rows and columns of the block a matrix formula places (its own target
// counted), read from the ranges in its text; 1 x 1 when the text does not
// tell.
void BlockOf(const TableDocument& t, std::string_view text, int* rows, int* cols) {
  *rows = 1;
  *cols = 1;
  int r = 0;
  int c = 0;
  if (MatrixResultShape(text, t.iRows, t.iCols, &r, &c) && r > 0 && c > 0) {
    *rows = r;
    *cols = c;
  }
}

// The readers of every slot's result cells, then the places: components in
// an order where every slot comes after the slots whose results it reads,
// the component holding the lowest slot first among those free to go, and
// the slots of one component in slot order.
void Order(const TableDocument& t, FormulaTableState& state) {
  state.readerStart.assign(kSlotCount + 1, 0);
  state.readers.clear();
  std::vector<int> found;
  std::vector<int> block;
  for (int s = 0; s < kSlotCount; ++s) {
    state.readerStart[s] = static_cast<int>(state.readers.size());
    const FormulaSlot& slot = t.formulaSlots[s];
    if (s >= FORMULA_SLOTS || slot.iState == FORMULA_FREE || slot.iTargetRow < 1 || slot.iTargetCol < 1) continue;
    int rows = 1;
    int cols = 1;
    if (state.matrix[s]) BlockOf(t, TextOf(slot.szFormula), &rows, &cols);
    block.clear();
    for (int i = 0; i < rows && slot.iTargetRow + i < t.iRows; ++i) {
      for (int j = 0; j < cols && slot.iTargetCol + j < t.iCols; ++j) {
        AllReadersOf(state, slot.iTargetRow + i, slot.iTargetCol + j, found);
        block.insert(block.end(), found.begin(), found.end());
      }
    }
    std::sort(block.begin(), block.end());
    block.erase(std::unique(block.begin(), block.end()), block.end());
    state.readers.insert(state.readers.end(), block.begin(), block.end());
  }
  state.readerStart[kSlotCount] = static_cast<int>(state.readers.size());

  std::vector<int> component;
  const int components = Components(state, component);
  std::vector<int> lowest(components, kSlotCount);
  std::vector<std::vector<int>> members(components);
  for (int s = 0; s < kSlotCount; ++s) {
    lowest[component[s]] = std::min(lowest[component[s]], s);
    members[component[s]].push_back(s);
  }
  std::vector<int> waiting(components, 0);  // edges from other components still to come
  for (int s = 0; s < kSlotCount; ++s) {
    for (int e = state.readerStart[s]; e < state.readerStart[s + 1]; ++e) {
      if (component[state.readers[e]] != component[s]) ++waiting[component[state.readers[e]]];
    }
  }
  std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> free;
  for (int k = 0; k < components; ++k) {
    if (waiting[k] == 0) free.emplace(lowest[k], k);
  }
  state.place.assign(kSlotCount, 0);
  state.slotAt.assign(kSlotCount, 0);
  state.cycleFirst.assign(kSlotCount, 0);
  state.cycleSize.assign(kSlotCount, 1);
  int next = 0;
  while (!free.empty()) {
    const int k = free.top().second;
    free.pop();
    const int first = next;
    for (int s : members[k]) {
      state.cycleFirst[s] = first;
      state.cycleSize[s] = static_cast<int>(members[k].size());
      state.slotAt[next] = s;
      state.place[s] = next++;
    }
    for (int s : members[k]) {
      for (int e = state.readerStart[s]; e < state.readerStart[s + 1]; ++e) {
        const int other = component[state.readers[e]];
        if (other != k && --waiting[other] == 0) free.emplace(lowest[other], other);
      }
    }
  }
  state.ordered = true;
}

// The state with read sets and the dependency order built.
FormulaTableState& OrderedStateOf(const TableDocument& t) {
  FormulaTableState& state = ReadSetsOf(t);
  if (!state.ordered) Order(t, state);
  return state;
}

// ---- Passes -------------------------------------------------------------------

RecalcObserver gObserver = nullptr;
void* gObserverContext = nullptr;

// Queue one slot; a slot in a cycle brings the whole cycle, so that its
// formulas run once each in slot order whichever of them the change reached.
void Queue(FormulaTableState& state, int slot) {
  Pass& pass = state.pass;
  const int first = state.cycleFirst[slot];
  const int size = state.cycleSize[slot];
  if (size > 1) {
    if (pass.cycleQueued[first]) return;
    pass.cycleQueued[first] = 1;
  }
  for (int p = first; p < first + size; ++p) {
    const int s = size == 1 ? slot : state.slotAt[p];
    if (pass.done[s] || pass.queued[s]) continue;
    pass.queued[s] = 1;
    pass.heap.emplace(state.place[s], s);
  }
}

// Queue the running readers of cell (row, col).
void QueueReaders(const TableDocument& t, FormulaTableState& state, int row, int col, bool skipMatrix) {
  std::vector<int>& readers = state.found;
  AllReadersOf(state, row, col, readers);
  KeepRunning(t, state, skipMatrix, readers);
  for (int s : readers) Queue(state, s);
}

// One pass over a table: begun by the first change, ended when every
// formula it queued has run.
class PassScope {
 public:
  PassScope(WindowHandle hwnd, TableDocument& t) : t_(t), state_(OrderedStateOf(t)) {
    Pass& pass = state_.pass;
    pass.active = true;
    pass.hwnd = hwnd;
    pass.evaluating = -1;
    pass.done.assign(kSlotCount, 0);
    pass.queued.assign(kSlotCount, 0);
    pass.cycleQueued.assign(kSlotCount, 0);
    current_ = t.iCurrentFormula;
  }
  ~PassScope() {
    Pass& pass = state_.pass;
    pass.active = false;
    while (!pass.heap.empty()) pass.heap.pop();
    t_.iCurrentFormula = current_;
  }
  PassScope(const PassScope&) = delete;
  PassScope& operator=(const PassScope&) = delete;

  FormulaTableState& state() { return state_; }

  // Evaluate one slot in the pass. 0, or -1 when its evaluation failed.
  int Run(int slot, bool newFormula) {
    Pass& pass = state_.pass;
    pass.done[slot] = 1;
    if (gObserver) gObserver(gObserverContext, slot);
    pass.evaluating = slot;
    const int status = FormulaRunSlot(t_, pass.hwnd, slot, newFormula);
    pass.evaluating = -1;
    return status;
  }

  // Run what waits, lowest place first; a failure does not stop the pass.
  void Drain() {
    Pass& pass = state_.pass;
    while (!pass.heap.empty()) {
      const int slot = pass.heap.top().second;
      pass.heap.pop();
      pass.queued[slot] = 0;
      if (pass.done[slot] || t_.formulaSlots[slot].iState != FORMULA_RUN) continue;
      Run(slot, false);
    }
  }

 private:
  TableDocument& t_;
  FormulaTableState& state_;
  int current_ = -1;
};

// A change of cell (row, col): queued into the pass in progress, or the
// start of a pass of its own.
void Recalc(WindowHandle hwnd, int row, int col, bool skipMatrix) {
  TableLockGuard guard(hwnd);
  if (!guard || guard->iFormulaCount <= 0) return;
  TableDocument& t = *guard.get();
  FormulaTableState& state = ReadSetsOf(t);
  if (state.pass.active) {
    const int slot = state.pass.evaluating;
    const FormulaSlot* s = slot >= 0 && slot < FORMULA_SLOTS ? &t.formulaSlots[slot] : nullptr;
    if (s && state.ordered && !state.matrix[slot] && s->iTargetRow == row && s->iTargetCol == col) {
      // The evaluated formula stored its result: its readers are known
      // from the dependency order.
      for (int e = state.readerStart[slot]; e < state.readerStart[slot + 1]; ++e) {
        const int reader = state.readers[e];
        if (t.formulaSlots[reader].iState == FORMULA_RUN && !(skipMatrix && state.matrix[reader])) Queue(state, reader);
      }
      return;
    }
    QueueReaders(t, state, row, col, skipMatrix);
    return;
  }
  std::vector<int> readers;
  AllReadersOf(state, row, col, readers);
  KeepRunning(t, state, skipMatrix, readers);
  if (readers.empty()) return;
  PassScope scope(hwnd, t);
  for (int s : readers) Queue(scope.state(), s);
  scope.Drain();
}

}  // namespace

void SetRecalcObserver(RecalcObserver observer, void* context) {
  gObserver = observer;
  gObserverContext = context;
}

void FormulaReadSetsChanged(const TableDocument& t) {
  if (void* state = TableExtensionGet(t, TableExtensionId::Formula)) {
    static_cast<FormulaTableState*>(state)->valid = false;
    static_cast<FormulaTableState*>(state)->ordered = false;
    static_cast<FormulaTableState*>(state)->freeSlotHint = 0;
  }
}

int FormulaFreeSlotHint(const TableDocument& t) {
  const void* state = TableExtensionGet(t, TableExtensionId::Formula);
  return state ? static_cast<const FormulaTableState*>(state)->freeSlotHint : 0;
}

void FormulaSetFreeSlotHint(const TableDocument& t, int hint) {
  StateOf(t).freeSlotHint = std::clamp(hint, 0, FORMULA_SLOTS);
}

int FormulaLowestFreeSlot(const TableDocument& t) {
  for (int s = FormulaFreeSlotHint(t); s < FORMULA_SLOTS; ++s) {
    if (t.formulaSlots[s].iState == FORMULA_FREE) return s;
  }
  return -1;
}

void FormulaReadersOf(const TableDocument& t, int row, int col, bool skipMatrix, std::vector<int>& out) {
  ReadersOf(t, row, col, skipMatrix, out);
}

int FormulaRunSlot(TableDocument& t, WindowHandle hwnd, int slot, bool newFormula) {
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

int RecalcRunFormula(WindowHandle hwnd, TableDocument& t, int slot, bool newFormula) {
  if (slot < 0 || slot > FORMULA_SLOTS) return -1;
  FormulaTableState& state = OrderedStateOf(t);
  if (state.pass.active) {
    // Inside a pass the formula waits for its turn like any other.
    Queue(state, slot);
    return 0;
  }
  PassScope scope(hwnd, t);
  const int status = scope.Run(slot, newFormula);
  scope.Drain();
  return status;
}

void RecalcAll(WindowHandle hwnd) {
  TableLockGuard guard(hwnd);
  if (!guard || guard->iFormulaCount <= 0) return;
  TableDocument& t = *guard.get();
  FormulaTableState& state = OrderedStateOf(t);
  if (state.pass.active) {
    for (int slot = 0; slot < FORMULA_SLOTS; ++slot) {
      if (t.formulaSlots[slot].iState == FORMULA_RUN) Queue(state, slot);
    }
    return;
  }
  const int cursor = CurrentCursorSlot();
  SetCursorSlot(CURSOR_WAIT);
  {
    PassScope scope(hwnd, t);
    for (int slot = 0; slot < FORMULA_SLOTS; ++slot) {
      if (t.formulaSlots[slot].iState == FORMULA_RUN) Queue(scope.state(), slot);
    }
    scope.Drain();
  }
  SetCursorSlot(cursor);
}
