#include "table/table_extension.h"

#include "table/table_record.h"

namespace {

TableExtensionSlot& SlotOf(TableDocument& t, TableExtensionId id) { return t.extensions[static_cast<int>(id)]; }

}  // namespace

void* TableExtensionGet(const TableDocument& t, TableExtensionId id) { return t.extensions[static_cast<int>(id)].state; }

void TableExtensionSet(TableDocument& t, TableExtensionId id, void* state, void (*release)(void*)) {
  TableExtensionSlot& slot = SlotOf(t, id);
  if (slot.state && slot.release) slot.release(slot.state);
  slot.state = state;
  slot.release = release;
}

void TableExtensionsRelease(TableDocument& t) {
  for (int i = 0; i < static_cast<int>(TableExtensionId::Count); ++i) {
    TableExtensionSet(t, static_cast<TableExtensionId>(i), nullptr, nullptr);
  }
}
