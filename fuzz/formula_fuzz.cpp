// libFuzzer target: random formula texts through the check and the
// evaluation on a table with some cells filled.
//
// The first byte chooses what happens to the rest of the input:
//   '?'         check, then evaluate the checked text as the registry would
//   '=' or '-'  evaluate with full precision
//   '0'..'8'    evaluate with that many fixed places
//   other       its low bit chooses check or evaluate
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formula/formula_eval.h"
#include "formula/formula_parse.h"
#include "formula/formula_result.h"
#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr int kTargetRow = 30;
constexpr int kTargetCol = 30;

TableRecord* NewTable() {
  TableRecord* t = TableAllocRecord();
  if (!t) return nullptr;
  TableInitRecord(*t, OPEN_NEW, "New Table", "");
  // Numbers, texts, an error and a long text in the first columns; a
  // 4 x 4 block for the matrix functions.
  const char* texts[] = {"1", "2.5", "-3", "abc", "", "1e-3", "Err sqrt(x<0)", "0", "12345678", "-"};
  for (int row = 1; row <= 20; ++row) {
    for (int col = 1; col <= 3; ++col) TableStoreCellText(*t, row, col, texts[(row * 3 + col) % 10]);
  }
  for (int row = 1; row <= 4; ++row) {
    for (int col = 5; col <= 8; ++col) {
      TableStoreCellText(*t, row, col, std::to_string(row == col - 4 ? 5 + row : (row * 7 + col) % 4));
    }
  }
  TableStoreCellText(*t, 21, 1, std::string(519, 'x'));
  TableStoreCellText(*t, 22, 1, ">2");
  return t;
}

void UseSlot(TableRecord& t, int decimals) {
  FormulaSlot& slot = t.formulaSlots[0];
  slot.iTargetRow = kTargetRow;
  slot.iTargetCol = kTargetCol;
  slot.iDecimals = decimals;
  slot.iState = FORMULA_RUN;
  ClearText(slot.szCondition);
  t.iCurrentFormula = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TableRecord* table = NewTable();
  if (!table || size == 0 || size > 4096) return 0;
  TableRecord& t = *table;
  // Messages are answered at once; a new script each run keeps no history.
  DialogScriptBegin();
  const char mode = static_cast<char>(data[0]);
  const std::string_view formula(reinterpret_cast<const char*>(data + 1), size - 1);
  FormulaResultText result;
  if (mode == '?' || (!(mode == '=' || mode == '-' || (mode >= '0' && mode <= '8')) && (mode & 1))) {
    UseSlot(t, -1);
    std::string text(formula);
    if (FormulaCheck(t, WindowHandle::None, text) == 0) {
      CopyText(t.formulaSlots[0].szCondition, TextOf(t.szQuotedText));
      FormulaEvaluate(t, WindowHandle::None, text, result);
    }
  } else {
    UseSlot(t, mode >= '0' && mode <= '8' ? mode - '0' : -1);
    // Half of the evaluations run outside any formula.
    if (mode == '-') t.iCurrentFormula = -1;
    FormulaEvaluate(t, WindowHandle::None, formula, result);
  }
  TableStoreCellText(t, kTargetRow, kTargetCol, "");
  DialogScriptEnd();
  return 0;
}
