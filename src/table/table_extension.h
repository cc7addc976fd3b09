// State that a higher subsystem keeps per table (the formula registry's read
// sets, later charts and analysis) lives in the table's own extension slots,
// not in maps keyed by record addresses. The table owns the slot and frees
// it with the record; the subsystem owns the type behind it.
#pragma once

struct TableDocument;

// One slot per subsystem that keeps per-table state.
enum class TableExtensionId : int {
  Formula = 0,
  TrendColour,
  UndoBackup,
  DataAnalysis,  // count and processing options
  Database,  // the connection and data source of a query result
  Plots,         // coordinate help, the chart kind and drawing mode asked for
  Plot3D,        // the table's 3D plot: block, performance choice
  Count,
};

// A slot is trivially zero: null state, no release.
struct TableExtensionSlot {
  void* state;
  void (*release)(void* state);
};

// The state in a slot, or null when the subsystem has none for this table.
void* TableExtensionGet(const TableDocument& t, TableExtensionId id);

// Put state into a slot, releasing what was there before.
void TableExtensionSet(TableDocument& t, TableExtensionId id, void* state, void (*release)(void*));

// Release every slot of a table (when the record is freed or reused).
void TableExtensionsRelease(TableDocument& t);

// The subsystem's state of type T for this table, created value-initialised
// on first use.
template <class T>
T& TableExtensionOf(TableDocument& t, TableExtensionId id) {
  if (void* state = TableExtensionGet(t, id)) return *static_cast<T*>(state);
  T* created = new T{};
  TableExtensionSet(t, id, created, [](void* p) { delete static_cast<T*>(p); });
  return *created;
}
