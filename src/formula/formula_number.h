// Numbers in formula texts and cells, read the way the cell rules read them
// (CellIsText, TextToDouble) but with a fast path for the plain decimals
// that nearly every cell and intermediate result holds.
#pragma once

#include <string_view>

#include "platform/number_text.h"
#include "table/cell_text.h"

// True when the text counts as a number (CellIsText false). A text of only
// digits, points and minus signs always does.
inline bool IsNumberText(std::string_view text) {
  for (char c : text) {
    if ((c < '0' || c > '9') && c != '.' && c != '-') return CellIsText(text) == 0;
  }
  return true;
}

// Read a plain decimal of at most 15 digits: an optional leading '-',
// digits, at most one point. `digits` gets its digits as an integer (with
// the sign), `places` the digits after its point. False for any other text.
inline bool ReadPlainDecimal(std::string_view text, long long* digits, int* places) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  long long value = 0;
  int count = 0;
  int after = -1;  // digits after the point, -1 before it
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (++count > 15) return false;
      value = value * 10 + (c - '0');
      if (after >= 0) ++after;
    } else if (c == '.' && after < 0) {
      after = 0;
    } else {
      return false;
    }
  }
  if (count == 0) return false;
  *digits = negative ? -value : value;
  *places = after < 0 ? 0 : after;
  return true;
}

// 10 to the power n for n from 0 to 15: exact doubles.
inline double ExactPowerOfTen(int n) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  return kPowers[n];
}

// The value of a number text, equal to TextToDouble's. A plain decimal is
// its digits as an integer divided by a power of ten: both are exact
// doubles (at most 15 digits), so the one division rounds correctly, as the
// full conversion does.
inline double NumberValue(std::string_view text) {
  long long digits = 0;
  int places = 0;
  if (!ReadPlainDecimal(text, &digits, &places)) return TextToDouble(text);
  // -0 keeps its sign, as the full conversion gives it.
  if (digits == 0) return text[0] == '-' ? -0.0 : 0.0;
  return static_cast<double>(digits) / ExactPowerOfTen(places);
}
