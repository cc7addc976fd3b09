#include "formula/formula_result.h"

#include <cmath>

#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/table_access.h"

inline constexpr int FULL_PRECISION_PLACES_CAP = 12;

int DecimalsOf(std::string_view text) {
  if (CellNumberForm(text) == 1) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const int exponent = TextToInt(text.substr(e + 1));
    int fraction = 0;
    const std::size_t point = mantissa.find('.');
    if (point != std::string_view::npos) {
      std::string_view digits = mantissa.substr(point + 1);
      while (!digits.empty() && digits.back() == '0') digits.remove_suffix(1);
      fraction = static_cast<int>(digits.size());
    }
    const long long places = static_cast<long long>(fraction) - exponent;
    if (places <= 0) return 0;
    return places > FULL_PRECISION_PLACES_CAP ? FULL_PRECISION_PLACES_CAP : static_cast<int>(places);
  }
  const std::size_t point = text.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

namespace {

// Remove trailing zeros after the point, and a point left last.
std::size_t StripZeros(char* text, std::size_t length) {
  bool point = false;
  for (std::size_t i = 0; i < length; ++i) point = point || text[i] == '.';
  if (!point) return length;
  while (length > 0 && text[length - 1] == '0') --length;
  if (length > 0 && text[length - 1] == '.') --length;
  text[length] = '\0';
  return length;
}

std::size_t PointOf(const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] == '.') return i;
  }
  return length;
}

}  // namespace

void FormatResult(double value, int places, bool automatic, FormulaResultText& out) {
  char buf[80];
  std::size_t length = 0;
  const double magnitude = std::fabs(value);
  if (value == 0.0) {
    length = TextCopyTo(buf, sizeof buf, "0.00000000");
  } else if (magnitude >= 100000.0 || magnitude < 0.00001) {
    FormatExponentTo(buf, sizeof buf, value);
    out.Assign(buf);
    return;
  } else {
    length = FormatFixedPlacesTo(buf, sizeof buf, value, 13);
  }
  if (automatic) length = StripZeros(buf, length);
  if (places < 0) places = 0;
  std::size_t point = PointOf(buf, length);
  std::size_t digits = point < length ? length - point - 1 : 0;
  if (digits <= static_cast<std::size_t>(places)) {
    out.Assign(std::string_view(buf, length));
    return;
  }
  if (buf[point + 1 + places] >= '5') {
    const double unit = std::pow(10.0, -places);
    length = FormatFixedPlacesTo(buf, sizeof buf, value + std::copysign(unit, value), 13);
    if (automatic) length = StripZeros(buf, length);
    point = PointOf(buf, length);
    digits = point < length ? length - point - 1 : 0;
  }
  if (digits > static_cast<std::size_t>(places)) length = places == 0 ? point : point + 1 + places;
  out.Assign(std::string_view(buf, length));
}

std::string FormatResult(double value, int places, bool automatic) {
  FormulaResultText text;
  FormatResult(value, places, automatic, text);
  return std::string(text.view());
}

FormulaSlot* CurrentFormula(TableRecord& t) {
  const int k = t.iCurrentFormula;
  if (k < 0 || k >= FORMULA_SLOTS) return nullptr;
  FormulaSlot& slot = t.formulaSlots[k];
  // A target lies at row and column 1 or beyond; a slot without one is no
  // formula being evaluated.
  if (slot.iTargetRow < 1 || slot.iTargetCol < 1) return nullptr;
  return &slot;
}

int CurrentDecimals(TableRecord& t) {
  const FormulaSlot* slot = CurrentFormula(t);
  const int places = slot ? slot->iDecimals : t.iRunDecimals;
  return places < 0 ? -1 : places;
}

void FormulaSetCell(TableRecord& t, WindowHandle hwnd, int row, int col, std::string_view text) {
  TableStoreCellText(t, row, col, text);
  if (IsNone(hwnd)) return;
  // Recalculating the dependants evaluates other formulas; the formula
  // being evaluated here stays the current one afterwards.
  const int current = t.iCurrentFormula;
  RecalcDependants(hwnd, row, col);
  t.iCurrentFormula = current;
}

void FormulaErrorToCell(TableRecord& t, WindowHandle hwnd, std::string_view text) {
  FormulaSlot* slot = CurrentFormula(t);
  if (!slot) return;
  // Inactive first, so that the recalculation the store starts never runs
  // this formula again.
  slot->iState = FORMULA_INACTIVE;
  FormulaSetCell(t, hwnd, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaErrorToCell(WindowHandle hwnd, std::string_view text) {
  TableLockGuard t(hwnd);
  if (t) FormulaErrorToCell(*t.get(), hwnd, text);
}

void FormulaPlaceError(TableRecord& t, WindowHandle hwnd, std::string_view text) {
  const FormulaSlot* slot = CurrentFormula(t);
  if (!slot) {
    ShowMessage(Text(TXT_CAPTION_ERROR), text);
    return;
  }
  FormulaSetCell(t, hwnd, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaPlaceMatrixError(TableRecord& t, WindowHandle, std::string_view text) {
  const FormulaSlot* slot = CurrentFormula(t);
  if (!slot) {
    ShowMessage(Text(TXT_CAPTION_ERROR), text);
    return;
  }
  TableStoreCellText(t, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaResolveResult(const TableRecord& t, FormulaResultText& text) {
  const int row = RefRow(text.view(), t.iRows);
  const int col = RefCol(text.view(), t.iCols);
  if (row < 0 || col < 0) return;
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return;
  std::string_view value = TextOf(cell->szText);
  const int slot = IsLongTextRef(value) == 1 ? LongTextSlotOf(t, value) : -1;
  if (slot >= 0) value = LongTextAt(t, slot);
  FormulaResultText resolved;
  if (text[0] == '-') {
    if (!value.empty() && value[0] == '-') {
      resolved.AppendCut(value.substr(1));
    } else {
      resolved.Append('-');
      resolved.AppendCut(value);
    }
  } else {
    resolved.AppendCut(value);
  }
  text.Assign(resolved.view());
}
