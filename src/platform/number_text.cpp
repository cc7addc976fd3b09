#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace {

// Power of ten of the first non-zero digit of an unsigned number text as
// from_chars matched it, exponent included: "123.4" 2, "0.05" -2, "5e-3" -3.
long long DecimalOrder(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  long long order = 0;
  bool found = false;
  for (std::size_t k = 0; k < mantissa.size() && !found; ++k) {
    if (mantissa[k] < '1' || mantissa[k] > '9') continue;
    found = true;
    order = k < point ? static_cast<long long>(point - k) - 1 : -static_cast<long long>(k - point);
  }
  if (e == std::string_view::npos) return order;
  std::size_t i = e + 1;
  const bool negative = i < number.size() && number[i] == '-';
  if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
  long long exponent = 0;
  for (; i < number.size() && exponent < 1000000000LL; ++i) exponent = exponent * 10 + (number[i] - '0');
  return order + (negative ? -exponent : exponent);
}

}  // namespace

double TextToDoubleChecked(std::string_view text, bool* ok) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  // from_chars takes no sign of its own here (the sign was consumed above),
  // so "--5" does not read as a number.
  if (first < last && (*first == '-' || *first == '+')) {
    if (ok) *ok = false;
    return 0.0;
  }
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Keep strtod's answer for out-of-range texts: a value below 1 in
    // magnitude underflows to 0, anything else overflows to HUGE_VAL.
    const std::string_view number(first, static_cast<std::size_t>(ptr - first));
    value = DecimalOrder(number) < 0 ? 0.0 : HUGE_VAL;
    if (ok) *ok = true;
    return negative ? -value : value;
  }
  if (ec != std::errc() || ptr == first) {
    if (ok) *ok = false;
    return 0.0;
  }
  if (ok) *ok = true;
  return negative ? -value : value;
}

double TextToDouble(std::string_view text) {
  return TextToDoubleChecked(text, nullptr);
}

int TextToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {
      return negative ? INT_MIN : INT_MAX;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

namespace {

std::string FormatChars(double value, std::chars_format form, int precision) {
  char buf[400];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, form, precision);
  if (ec != std::errc()) {
    return "0";
  }
  return std::string(buf, ptr);
}

}  // namespace

std::string FormatExponent(double value) {
  return FormatChars(value, std::chars_format::scientific, 6);
}

std::string FormatFixed(double value) {
  return FormatChars(value, std::chars_format::fixed, 6);
}

std::string FormatFixedPlaces(double value, int places) {
  if (places < 0) places = 0;
  if (places > 30) places = 30;
  return FormatChars(value, std::chars_format::fixed, places);
}

namespace {

std::size_t FormatCharsTo(char* out, std::size_t cap, double value, std::chars_format form, int precision) {
  if (cap == 0) return 0;
  auto [ptr, ec] = std::to_chars(out, out + cap - 1, value, form, precision);
  if (ec != std::errc()) {
    out[0] = '\0';
    return 0;
  }
  *ptr = '\0';
  return static_cast<std::size_t>(ptr - out);
}

}  // namespace

std::size_t FormatExponentTo(char* out, std::size_t cap, double value) {
  return FormatCharsTo(out, cap, value, std::chars_format::scientific, 6);
}

std::size_t FormatFixedPlacesTo(char* out, std::size_t cap, double value, int places) {
  if (places < 0) places = 0;
  if (places > 30) places = 30;
  return FormatCharsTo(out, cap, value, std::chars_format::fixed, places);
}

std::string FormatInt(long long value) {
  char buf[32];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, ec == std::errc() ? ptr : buf);
}
