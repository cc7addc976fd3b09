#include "formula/formula_result.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "formula/formula_recalc.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_reference.h"
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

// Places a double can show in fixed notation without going beyond the 15
// significant digits it holds: 13 below 100, one fewer per further integer
// digit.
int FixedPlacesFor(double magnitude) {
  int places = 13;
  for (double limit = 100.0; magnitude >= limit && places > 0; limit *= 10.0) --places;
  return places;
}

// Exponent form with 15 significant digits and no trailing zeros in the
// mantissa (1.5e+20, 3.33333333333333e-08).
std::size_t FormatFullExponentTo(char* buf, std::size_t cap, double value) {
  char digits[40];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 14);
  if (ec != std::errc()) return TextCopyTo(buf, cap, "0");
  const std::string_view text(digits, static_cast<std::size_t>(end - digits));
  const std::size_t e = text.find('e');
  std::size_t mantissa = e;
  while (mantissa > 0 && text[mantissa - 1] == '0') --mantissa;
  if (mantissa > 0 && text[mantissa - 1] == '.') --mantissa;
  const std::size_t n = TextCopyTo(buf, cap, text.substr(0, mantissa));
  return n + TextCopyTo(buf + n, cap - n, text.substr(e));
}

// Round the number text half away from zero to `places` digits after its
// point (the text has more), working on its digits: one unit of the last
// kept place is added when the first dropped digit is 5 or more, then the
// rest is cut. The buffer has room for one more character (a carry).
std::size_t RoundTextTo(char* buf, std::size_t point, int places) {
  const std::size_t keep = places == 0 ? point : point + 1 + static_cast<std::size_t>(places);
  const bool up = buf[point + 1 + static_cast<std::size_t>(places)] >= '5';
  std::size_t length = keep;
  if (up) {
    bool carry = true;
    std::size_t i = keep;
    while (carry && i > 0) {
      --i;
      if (buf[i] == '.') continue;
      if (buf[i] < '0' || buf[i] > '9') {
        ++i;
        break;
      }
      if (buf[i] == '9') {
        buf[i] = '0';
      } else {
        ++buf[i];
        carry = false;
      }
    }
    if (carry) {
      // 9.96 to one place: every kept digit rolled over, a 1 goes first.
      const std::size_t first = (buf[0] == '-') ? 1 : 0;
      std::memmove(buf + first + 1, buf + first, length - first);
      buf[first] = '1';
      ++length;
    }
  }
  buf[length] = '\0';
  return length;
}

}  // namespace

void FormatResult(double value, int places, bool automatic, FormulaResultText& out, ResultForm form) {
  char buf[80];
  std::size_t length = 0;
  const double magnitude = std::fabs(value);
  const double upper = form == RESULT_SPLICED ? SPLICED_FIXED_LIMIT : 100000.0;
  if (value == 0.0) {
    length = TextCopyTo(buf, sizeof buf, "0.00000000");
  } else if (magnitude >= upper || magnitude < 0.00001) {
    if (form == RESULT_SPLICED) {
      FormatFullExponentTo(buf, sizeof buf, value);
    } else {
      FormatExponentTo(buf, sizeof buf, value);
    }
    out.Assign(buf);
    return;
  } else {
    length = FormatFixedPlacesTo(buf, sizeof buf - 1, value, FixedPlacesFor(magnitude));
  }
  if (automatic) length = StripZeros(buf, length);
  if (places < 0) places = 0;
  const std::size_t point = PointOf(buf, length);
  const std::size_t digits = point < length ? length - point - 1 : 0;
  if (digits > static_cast<std::size_t>(places)) length = RoundTextTo(buf, point, places);
  out.Assign(std::string_view(buf, length));
}

std::string FormatResult(double value, int places, bool automatic) {
  FormulaResultText text;
  FormatResult(value, places, automatic, text);
  return std::string(text.view());
}

FormulaSlot* CurrentFormula(TableDocument& t) {
  const int k = t.iCurrentFormula;
  if (k < 0 || k >= FORMULA_SLOTS) return nullptr;
  FormulaSlot& slot = t.formulaSlots[k];
  // A target lies at row and column 1 or beyond; a slot without one is no
  // formula being evaluated.
  if (slot.iTargetRow < 1 || slot.iTargetCol < 1) return nullptr;
  return &slot;
}

int CurrentDecimals(TableDocument& t) {
  const FormulaSlot* slot = CurrentFormula(t);
  const int places = slot ? slot->iDecimals : t.iRunDecimals;
  return places < 0 ? -1 : places;
}

void FormulaSetCell(TableDocument& t, WindowHandle hwnd, int row, int col, std::string_view text) {
  TableStoreCellText(t, row, col, text);
  if (IsNone(hwnd)) return;
  // Recalculating the dependants evaluates other formulas; the formula
  // being evaluated here stays the current one afterwards.
  const int current = t.iCurrentFormula;
  RecalcDependants(hwnd, row, col);
  t.iCurrentFormula = current;
}

void FormulaErrorToCell(TableDocument& t, WindowHandle hwnd, std::string_view text) {
  FormulaSlot* slot = CurrentFormula(t);
  if (!slot) return;
  // Inactive first, so that the recalculation the store starts never runs
  // this formula again.
  slot->iState = FORMULA_INACTIVE;
  FormulaSetCell(t, hwnd, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaPlaceError(TableDocument& t, WindowHandle hwnd, std::string_view text) {
  const FormulaSlot* slot = CurrentFormula(t);
  if (!slot) {
    ReportNotice(Text(TXT_CAPTION_ERROR), text);
    return;
  }
  FormulaSetCell(t, hwnd, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaPlaceMatrixError(TableDocument& t, WindowHandle, std::string_view text) {
  const FormulaSlot* slot = CurrentFormula(t);
  if (!slot) {
    ReportNotice(Text(TXT_CAPTION_ERROR), text);
    return;
  }
  TableStoreCellText(t, slot->iTargetRow, slot->iTargetCol, text);
}

void FormulaResolveResult(const TableDocument& t, FormulaResultText& text) {
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
