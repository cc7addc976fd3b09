// libFuzzer target: random clipboard text pasted into a small table, then
// undone.
//
// Byte 0 chooses the selection the paste starts from: bits 0-1 the kind
// (block, whole rows, whole columns), bits 2-7 with byte 1 the first row
// and column (1 .. 50). The rest is the clipboard's text.
//
// Besides the sanitizers, it stops (trap) when
//   - the paste writes outside the table or moves its extent beyond it;
//   - the selection after the paste reaches beyond the table;
//   - Undo does not give back the empty table, formulas included.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <sanitizer/lsan_interface.h>

#include "files/undo_backup.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "shell/frame_window.h"
#include "shell/window_classes.h"
#include "table/cell_store.h"
#include "table/range_commands.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

constexpr int kSide = 51;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

WindowHandle Table() {
  static const WindowHandle table = [] {
    // The window lives as long as the process: its allocations are no leak.
    __lsan::ScopedDisabler keep;
    if (SetupWindowClasses(PlainWindowClassProcs()) != 0) return WindowHandle::None;
    const WindowHandle t = CreateTableWindow();
    if (IsNone(t) || SetImportTableSize(t, kSide, kSide) != 0) return WindowHandle::None;
    RelabelHeaders(t);
    return t;
  }();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const WindowHandle table = Table();
  if (IsNone(table)) return 0;
  DialogScriptBegin();  // messages are answered, never waited for
  const int kinds[] = {SELECT_BLOCK, SELECT_ROWS, SELECT_COLUMNS, SELECT_BLOCK};
  {
    TableLockGuard t(table);
    ResetSelection(*t.get());
    t->selRowFrom[0] = t->selRowTo[0] = 1 + (data[0] >> 2) % (kSide - 1);
    t->selColFrom[0] = t->selColTo[0] = 1 + data[1] % (kSide - 1);
    t->selKind[0] = kinds[data[0] & 3];
  }
  ClipboardSetText(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));
  const bool pasted = PasteText(table) == 0;
  {
    TableLockGuard t(table);
    Check(t->iRows == kSide && t->iCols == kSide);
    Check(t->iUsedRows <= kSide && t->iUsedCols <= kSide);
    Check(t->selRowTo[0] < kSide && t->selColTo[0] < kSide);
  }
  if (pasted) UndoRestore(table);
  {
    TableLockGuard t(table);
    Check(t->iFormulaCount == 0);
    for (int row = 1; row < kSide; ++row) {
      for (int col = 1; col < kSide; ++col) Check(TableCellAt(*t.get(), row, col)->szText[0] == '\0');
    }
  }
  DialogScriptEnd();
  return 0;
}
