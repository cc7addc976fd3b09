// libFuzzer target: random bytes read as a table file into a table window
// (cells, password line, formula, colour and style lines, layout lines),
// the formulas run again afterwards.
//
// The table is 51 x 51, so every input can reach its edges; after each run
// the parts of the record the reader writes are put back. Inputs of odd
// length are read in Chinese mode (legacy GB18030), even ones in English
// (Windows-1252). The password dialog, when a file asks for it, is
// answered "A". The file is read in chunks of 1 to 251 bytes (chosen by
// the input's length), so fields, line ends and keys are cut by chunk
// boundaries; inputs of 64 KiB and more use the usual chunk size.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include <sanitizer/lsan_interface.h>

#include "files/private_file_dialog.h"
#include "files/read_drops.h"
#include "files/table_file_fields.h"
#include "files/table_file_read.h"
#include "formula/formula_recalc.h"
#include "platform/dialogs.h"
#include "resources/language.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

namespace {

constexpr int kSide = 51;

// What the reader can change, as it was before the first run.
struct Snapshot {
  std::vector<TableCell> cells;
  FormulaSlot freeSlot;
  std::array<std::int32_t, kSide> rowHeight;
  std::array<std::int32_t, kSide> colWidth;
  std::array<std::int32_t, SELECTION_RANGES> selRowFrom, selRowTo, selColFrom, selColTo, selKind;
  std::int32_t iSelCurrent, iTopRow, iLeftCol, iUsedRows, iUsedCols;
  double dMaxValue, dMinValue;
};

WindowHandle NewTable(Snapshot* snap) {
  if (SetupWindowClasses(PlainWindowClassProcs()) != 0) return WindowHandle::None;
  const WindowHandle table = CreateTableWindow();
  if (IsNone(table) || SetImportTableSize(table, kSide, kSide) != 0) return WindowHandle::None;
  RelabelHeaders(table);
  TableLockGuard t(table);
  snap->cells.assign(t->cells.begin(), t->cells.begin() + kSide * kSide);
  snap->freeSlot = t->formulaSlots[0];
  std::copy_n(t->rowHeight.begin(), kSide, snap->rowHeight.begin());
  std::copy_n(t->colWidth.begin(), kSide, snap->colWidth.begin());
  snap->selRowFrom = t->selRowFrom;
  snap->selRowTo = t->selRowTo;
  snap->selColFrom = t->selColFrom;
  snap->selColTo = t->selColTo;
  snap->selKind = t->selKind;
  snap->iSelCurrent = t->iSelCurrent;
  snap->iTopRow = t->iTopRow;
  snap->iLeftCol = t->iLeftCol;
  snap->iUsedRows = t->iUsedRows;
  snap->iUsedCols = t->iUsedCols;
  snap->dMaxValue = t->dMaxValue;
  snap->dMinValue = t->dMinValue;
  return table;
}

void Restore(TableRecord& t, const Snapshot& snap) {
  std::copy(snap.cells.begin(), snap.cells.end(), t.cells.begin());
  for (FormulaSlot& slot : t.formulaSlots) {
    if (slot.iState != FORMULA_FREE) slot = snap.freeSlot;
  }
  t.iFormulaCount = 0;
  FormulaReadSetsChanged(t);
  LongTextClearAll(t);
  std::copy(snap.rowHeight.begin(), snap.rowHeight.end(), t.rowHeight.begin());
  std::copy(snap.colWidth.begin(), snap.colWidth.end(), t.colWidth.begin());
  t.selRowFrom = snap.selRowFrom;
  t.selRowTo = snap.selRowTo;
  t.selColFrom = snap.selColFrom;
  t.selColTo = snap.selColTo;
  t.selKind = snap.selKind;
  t.iSelCurrent = snap.iSelCurrent;
  t.iTopRow = snap.iTopRow;
  t.iLeftCol = snap.iLeftCol;
  t.iUsedRows = snap.iUsedRows;
  t.iUsedCols = snap.iUsedCols;
  t.dMaxValue = snap.dMaxValue;
  t.dMinValue = snap.dMinValue;
  t.szPassword.fill('\0');
  t.bModified = 0;
}

Snapshot snap;
WindowHandle table = WindowHandle::None;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The table lives for the whole run and is never destroyed: what it
  // holds is no leak.
  __lsan::ScopedDisabler keep;
  table = NewTable(&snap);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (IsNone(table) || size > (16u << 20)) return 0;
  // Every dialog is answered at once; a new script each run keeps no
  // history.
  DialogScriptBegin();
  DialogScriptPush(AnswerDialog(PRIVATE_FILE_DIALOG, [](DialogRequest& request) {
    if (auto* model = dynamic_cast<PrivateFileModel*>(request.pModel)) model->szPassword = "A";
    return static_cast<int>(BUTTON_OK);
  }));
  LanguageSetChinese((size & 1) != 0);
  TableFileSetChunkBytes(size < (1u << 16) ? 1 + size % 251 : 0);
  DropsBegin();
  TableFileReadBuffer(table, std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
  DropsTake();
  {
    TableLockGuard t(table);
    if (t) Restore(*t.get(), snap);
  }
  DialogScriptEnd();
  return 0;
}
