#include "table/number_format.h"

#include <cmath>

#include "platform/number_text.h"

std::string FormatNumber(double value) {
  if (value == 0.0) return "0.0";
  const double magnitude = std::fabs(value);
  if (magnitude >= 100000.0 || magnitude < 0.00001) return FormatExponent(value);
  // A whole number needs no fixed-point formatting (the same text, faster).
  if (value == std::trunc(value)) return FormatInt(static_cast<long long>(value));
  std::string text = FormatFixed(value);
  if (text.find('.') == std::string::npos) return text;
  while (!text.empty() && text.back() == '0') {
    text.pop_back();
    if (!text.empty() && text.back() == '.') {
      text.pop_back();
      break;
    }
  }
  return text;
}
