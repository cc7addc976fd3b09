// R-tokens of a formula text: an 'R' and the run of digits and 'C's after
// it. The registry reads what a formula names through them.
#pragma once

#include <cstddef>
#include <string_view>

#include "table/cell_reference.h"

struct RefToken {
  std::size_t pos;
  std::size_t len;
};

// The first token at or after `from`; false when there is none.
inline bool FindRefToken(std::string_view text, std::size_t from, RefToken* token) {
  const std::size_t r = text.find('R', from);
  if (r == std::string_view::npos) return false;
  std::size_t end = r + 1;
  while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == 'C')) ++end;
  *token = RefToken{r, end - r};
  return true;
}

// Row and column of a token "R<digits>C<digits>" read without a table
// bound; false for any other shape or a number that does not fit.
inline bool ReadRefToken(std::string_view token, int* row, int* col) {
  if (token.size() < 4 || token[0] != 'R') return false;
  const std::size_t c = token.find('C', 1);
  if (c == std::string_view::npos || c == 1 || c + 1 == token.size()) return false;
  long long values[2] = {0, 0};
  const std::string_view parts[2] = {token.substr(1, c - 1), token.substr(c + 1)};
  for (int i = 0; i < 2; ++i) {
    if (parts[i].size() > 9) return false;
    for (char ch : parts[i]) {
      if (ch < '0' || ch > '9') return false;
      values[i] = values[i] * 10 + (ch - '0');
    }
  }
  *row = static_cast<int>(values[0]);
  *col = static_cast<int>(values[1]);
  return true;
}

// Visit what a formula text names: every R-token of at most `longest` bytes
// as onCell(token, row, col) with the row and column RefRow and RefCol read
// (-1 when not a cell of the table), and every "token:token" pair that
// reads as a range as onRange(block). A longer token is skipped and breaks
// a range.
template <typename OnCell, typename OnRange>
void ForEachFormulaRef(std::string_view text, int rows, int cols, std::size_t longest, OnCell onCell,
                       OnRange onRange) {
  std::size_t from = 0;
  RefToken token{};
  RefToken previous{0, 0};
  bool havePrevious = false;
  while (FindRefToken(text, from, &token)) {
    from = token.pos + token.len;
    if (token.len > longest) {
      havePrevious = false;
      continue;
    }
    const std::string_view ref = text.substr(token.pos, token.len);
    onCell(ref, RefRow(ref, rows), RefCol(ref, cols));
    if (havePrevious && previous.pos + previous.len + 1 == token.pos && text[token.pos - 1] == ':') {
      FormulaRange block{};
      if (ReadRange(text.substr(previous.pos, token.pos + token.len - previous.pos), rows, cols, &block) == 0) {
        onRange(block);
      }
    }
    previous = token;
    havePrevious = true;
  }
}
