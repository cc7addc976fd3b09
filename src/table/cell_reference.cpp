#include "table/cell_reference.h"

#include <algorithm>

#include "platform/number_text.h"
#include "platform/text_buffer.h"

namespace {

// Positions of the R and the C of a reference, or false when the text does
// not have the form of one.
bool ReferenceShape(std::string_view text, std::size_t* r, std::size_t* c) {
  if (text.size() < 2) return false;
  int rCount = 0;
  int cCount = 0;
  int others = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == 'R') {
      ++rCount;
      *r = i;
    } else if (ch == 'C') {
      ++cCount;
      *c = i;
    } else if (ch < '0' || ch > '9') {
      ++others;
    }
  }
  // The row is read between the R and the C, so an R after the C names no
  // row at all.
  return rCount == 1 && cCount == 1 && others <= 1 && *r < *c;
}

// Decimal value of the leading digits; saturates far above any table size.
int LeadingNumber(std::string_view digits) {
  int value = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') break;
    if (value < 100000000) value = value * 10 + (ch - '0');
  }
  return value;
}

}  // namespace

int RefRow(std::string_view text, int rows) {
  std::size_t r = 0;
  std::size_t c = 0;
  if (!ReferenceShape(text, &r, &c)) return -1;
  const int row = LeadingNumber(text.substr(r + 1, c - r - 1));
  return row > rows - 1 ? -1 : row;
}

int RefCol(std::string_view text, int cols) {
  std::size_t r = 0;
  std::size_t c = 0;
  if (!ReferenceShape(text, &r, &c)) return -1;
  const int col = LeadingNumber(text.substr(c + 1));
  return col > cols - 1 ? -1 : col;
}

bool IsReferenceForm(std::string_view text) {
  std::size_t r = 0;
  std::size_t c = 0;
  return ReferenceShape(text, &r, &c) && c > r + 1 && c + 1 < text.size();
}

std::string CellReference(int row, int col) { return JoinText("R", FormatInt(row), "C", FormatInt(col)); }

int ReadRange(std::string_view text, int rows, int cols, FormulaRange* range) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return -1;
  const std::string_view first = text.substr(0, colon);
  const std::string_view second = text.substr(colon + 1);
  const int r1 = RefRow(first, rows);
  const int c1 = RefCol(first, cols);
  const int r2 = RefRow(second, rows);
  const int c2 = RefCol(second, cols);
  if (r1 < 1 || c1 < 1 || r2 < 1 || c2 < 1) return -1;
  range->iRowFrom = std::min(r1, r2);
  range->iRowTo = std::max(r1, r2);
  range->iColFrom = std::min(c1, c2);
  range->iColTo = std::max(c1, c2);
  return 0;
}
