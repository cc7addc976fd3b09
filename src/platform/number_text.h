// Locale-free conversion between numbers and their texts. Cells and files
// hold numbers as texts; these never depend on the user's locale, so "1.5"
// reads and writes the same under any LC_NUMERIC.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Value of the longest leading part of `text` that forms a decimal number
// (blanks skipped, an optional sign); 0.0 when there is none. "1.2.3" reads
// 1.2, "-" reads 0.
double TextToDouble(std::string_view text);

// Like TextToDouble, but reports through `ok` whether any number was read.
double TextToDoubleChecked(std::string_view text, bool* ok);

// Integer value of the leading decimal digits (with an optional sign);
// 0 when there are none; saturates at the int range.
int TextToInt(std::string_view text);

// printf "%e": one digit, '.', six digits, 'e', sign, at least two digits.
std::string FormatExponent(double value);

// printf "%f": six digits after the point.
std::string FormatFixed(double value);

// printf "%.<places>f".
std::string FormatFixedPlaces(double value, int places);

// Decimal text of an integer.
std::string FormatInt(long long value);

// The same texts written into a caller's buffer of `cap` bytes, always
// terminated; they return the length written (0 when the buffer is too
// small). For hot paths that must not allocate.
std::size_t FormatExponentTo(char* out, std::size_t cap, double value);
std::size_t FormatFixedPlacesTo(char* out, std::size_t cap, double value, int places);
