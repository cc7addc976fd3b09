#include "table/sort_keys.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// One partition step of values[first..last] around the value in its middle:
// scan from both ends, swap the pairs that lie on the wrong sides. Leaves
// the two scan positions in *i and *j (the left part ends at j, the right
// part starts at i; they may share one entry).
void Partition(double* values, std::int32_t* rows, std::int32_t* cols, int first, int last, bool ascending, int* i,
               int* j) {
  const double pivot = values[first + (last - first) / 2];
  int a = first;
  int b = last;
  do {
    if (ascending) {
      while (values[a] < pivot && a < last) ++a;
      while (values[b] > pivot && b > 0) --b;
    } else {
      while (values[a] > pivot && a < last) ++a;
      while (values[b] < pivot && b > 0) --b;
    }
    if (a <= b) {
      std::swap(values[a], values[b]);
      std::swap(rows[a], rows[b]);
      std::swap(cols[a], cols[b]);
      ++a;
      --b;
    }
  } while (a < b);
  *i = a;
  *j = b;
}

}  // namespace

void QuickSortKeys(double* values, std::int32_t* rows, std::int32_t* cols, int count, int first, int last,
                   int order) {
  first = std::max(first, 0);
  last = std::min(last, count - 1);
  if (first >= last) return;
  const bool ascending = order != SORT_DESCENDING;
  // The parts are sorted left before right, exactly as nested calls would
  // (the order matters: the two parts may share an entry), but from a list
  // of pending parts so that a badly split input cannot exhaust the stack.
  std::vector<std::pair<int, int>> pending;
  pending.emplace_back(first, last);
  while (!pending.empty()) {
    const auto [from, to] = pending.back();
    pending.pop_back();
    int i = 0;
    int j = 0;
    Partition(values, rows, cols, from, to, ascending, &i, &j);
    if (i < to) pending.emplace_back(i, to);
    if (from < j) pending.emplace_back(from, j);
  }
}

void QuickSortKeys(TableDocument& t, int first, int last) {
  QuickSortKeys(t.dSortBuffer.data(), t.sortRow.data(), t.sortCol.data(),
                std::clamp(t.iSortCount, 0, static_cast<int>(t.dSortBuffer.size())), first, last, t.iSortOrder);
}
