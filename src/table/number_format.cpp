#include "table/number_format.h"

#include <charconv>
#include <cmath>

#include "platform/number_text.h"

std::size_t FormatNumberTo(char* out, std::size_t cap, double value) {
  if (cap == 0) return 0;
  const auto fail = [out] {
    out[0] = '\0';
    return std::size_t{0};
  };
  if (value == 0.0) {
    if (cap < 4) return fail();
    out[0] = '0';
    out[1] = '.';
    out[2] = '0';
    out[3] = '\0';
    return 3;
  }
  const double magnitude = std::fabs(value);
  if (magnitude >= 100000.0 || magnitude < 0.00001) return FormatExponentTo(out, cap, value);
  // A whole number needs no fixed-point formatting (the same text, faster).
  if (value == std::trunc(value)) {
    const auto [end, ec] = std::to_chars(out, out + cap - 1, static_cast<long long>(value));
    if (ec != std::errc()) return fail();
    *end = '\0';
    return static_cast<std::size_t>(end - out);
  }
  // Six places always give a point, so the trailing zeros can go.
  std::size_t length = FormatFixedPlacesTo(out, cap, value, 6);
  while (length > 0 && out[length - 1] == '0') {
    --length;
    if (length > 0 && out[length - 1] == '.') {
      --length;
      break;
    }
  }
  out[length] = '\0';
  return length;
}

std::string FormatNumber(double value) {
  char buf[NUMBER_TEXT_CAPACITY];
  const std::size_t length = FormatNumberTo(buf, sizeof buf, value);
  return std::string(buf, length);
}
