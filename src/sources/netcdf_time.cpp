#include "sources/netcdf_time.h"

#include <cmath>
#include <cstdlib>

#include "platform/number_text.h"
#include "platform/text_buffer.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Dates are shown for years 1 .. 9999 only; outside, the number stays.
constexpr double kFirstShown = -62135596800.0;  // 0001-01-01
constexpr double kLastShown = 253402300799.0;   // 9999-12-31 23:59:59

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The date of a day count since 1970-01-01.
void CivilFromDays(std::int64_t z, std::int64_t* year, int* month, int* day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = yoe + era * 400 + (*month <= 2 ? 1 : 0);
}

bool IsLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(std::int64_t y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// A lower-case copy.
std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Read an unsigned decimal number of at most `maxDigits` digits at `pos`;
// false when there is none.
bool ReadDigits(std::string_view text, std::size_t* pos, int maxDigits, std::int64_t* value) {
  std::size_t i = *pos;
  std::int64_t v = 0;
  int digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
    v = v * 10 + (text[i] - '0');
    ++i;
    ++digits;
  }
  if (digits == 0) return false;
  *pos = i;
  *value = v;
  return true;
}

// Seconds per unit for a unit word; 0 for an unknown word.
double UnitSeconds(std::string_view word) {
  struct Unit {
    const char* szName;
    double dSeconds;
  };
  static const Unit kUnits[] = {
      {"days", kSecondsPerDay}, {"day", kSecondsPerDay}, {"d", kSecondsPerDay},
      {"hours", 3600.0},        {"hour", 3600.0},        {"hr", 3600.0},   {"hrs", 3600.0}, {"h", 3600.0},
      {"minutes", 60.0},        {"minute", 60.0},        {"min", 60.0},    {"mins", 60.0},
      {"seconds", 1.0},         {"second", 1.0},         {"sec", 1.0},     {"secs", 1.0},   {"s", 1.0},
  };
  for (const Unit& unit : kUnits) {
    if (word == unit.szName) return unit.dSeconds;
  }
  return 0.0;
}

// The offset of a time zone after a date and time (" -9:00", " +05",
// " 0:00"); 0 for none, "Z" or "UTC".
double ZoneOffsetSeconds(std::string_view rest) {
  std::size_t pos = 0;
  while (pos < rest.size() && rest[pos] == ' ') ++pos;
  double sign = 1.0;
  if (pos < rest.size() && (rest[pos] == '+' || rest[pos] == '-')) {
    sign = rest[pos] == '-' ? -1.0 : 1.0;
    ++pos;
  }
  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  if (!ReadDigits(rest, &pos, 2, &hours)) return 0.0;
  if (pos < rest.size() && rest[pos] == ':') {
    ++pos;
    ReadDigits(rest, &pos, 2, &minutes);
  }
  return sign * static_cast<double>(hours * 3600 + minutes * 60);
}

// Parse "y-m-d[( |T)h[:m[:s[.f]]]][Z]" at the start of `text`.
bool ParseDateTime(std::string_view text, double* seconds) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  std::int64_t year = 0;
  std::int64_t month = 1;
  std::int64_t day = 1;
  std::int64_t hour = 0;
  std::int64_t minute = 0;
  double second = 0.0;
  if (!ReadDigits(text, &pos, 6, &year)) return false;
  if (negative) year = -year;
  if (pos < text.size() && text[pos] == '-') {
    ++pos;
    if (!ReadDigits(text, &pos, 2, &month)) return false;
    if (pos < text.size() && text[pos] == '-') {
      ++pos;
      if (!ReadDigits(text, &pos, 2, &day)) return false;
    }
  }
  if (pos < text.size() && (text[pos] == ' ' || text[pos] == 'T' || text[pos] == 't')) {
    std::size_t timePos = pos + 1;
    while (timePos < text.size() && text[timePos] == ' ') ++timePos;
    std::int64_t h = 0;
    if (ReadDigits(text, &timePos, 2, &h)) {
      hour = h;
      pos = timePos;
      if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!ReadDigits(text, &pos, 2, &minute)) return false;
        if (pos < text.size() && text[pos] == ':') {
          ++pos;
          std::int64_t whole = 0;
          if (!ReadDigits(text, &pos, 2, &whole)) return false;
          second = static_cast<double>(whole);
          if (pos < text.size() && text[pos] == '.') {
            ++pos;
            double scale = 0.1;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
              second += (text[pos] - '0') * scale;
              scale /= 10.0;
              ++pos;
            }
          }
        }
      }
    }
  }
  if (!NetcdfCivilSeconds(year, static_cast<int>(month), static_cast<int>(day), static_cast<int>(hour),
                          static_cast<int>(minute), second, seconds)) {
    return false;
  }
  *seconds -= ZoneOffsetSeconds(text.substr(pos));
  return true;
}

// Split seconds since 1970 into the fields of a date; false outside the
// years shown as dates.
bool DateFields(double seconds, std::int64_t* year, int* month, int* day, int* hour, int* minute, int* second) {
  if (!std::isfinite(seconds) || seconds < kFirstShown || seconds > kLastShown) return false;
  // Whole seconds, after rounding away the error of the unit arithmetic.
  const auto whole = static_cast<std::int64_t>(std::floor(std::round(seconds * 1000.0) / 1000.0));
  std::int64_t days = whole / 86400;
  std::int64_t rest = whole % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  CivilFromDays(days, year, month, day);
  *hour = static_cast<int>(rest / 3600);
  *minute = static_cast<int>(rest / 60 % 60);
  *second = static_cast<int>(rest % 60);
  return true;
}

}  // namespace

bool NetcdfCivilSeconds(std::int64_t year, int month, int day, int hour, int minute, double second,
                        double* seconds) {
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0.0 || second >= 61.0) return false;
  *seconds = static_cast<double>(DaysFromCivil(year, month, day)) * kSecondsPerDay + hour * 3600.0 +
             minute * 60.0 + second;
  return true;
}

NetcdfTimeBase NetcdfParseTimeUnits(std::string_view units) {
  NetcdfTimeBase base;
  const std::string lower = Lower(units);
  const std::size_t since = lower.find(" since ");
  if (since == std::string::npos) return base;
  std::string_view unit(lower.data(), since);
  while (!unit.empty() && unit.front() == ' ') unit.remove_prefix(1);
  while (!unit.empty() && unit.back() == ' ') unit.remove_suffix(1);
  const double unitSeconds = UnitSeconds(unit);
  if (unitSeconds <= 0.0) return base;
  std::string_view date(lower);
  date.remove_prefix(since + 7);
  while (!date.empty() && date.front() == ' ') date.remove_prefix(1);
  double baseSeconds = 0.0;
  if (!ParseDateTime(date, &baseSeconds)) return base;
  base.bValid = true;
  base.dUnitSeconds = unitSeconds;
  base.dBaseSeconds = baseSeconds;
  return base;
}

bool NetcdfCalendarIsStandard(std::string_view calendar) {
  const std::string lower = Lower(calendar);
  return lower.empty() || lower == "standard" || lower == "gregorian" || lower == "proleptic_gregorian";
}

std::string NetcdfDateText(double seconds) {
  std::int64_t year = 0;
  int month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!DateFields(seconds, &year, &month, &day, &hour, &minute, &second)) return {};
  return JoinText(FormatInt(year), "-", FormatInt(month), "-", FormatInt(day), " ", FormatInt(hour), ":",
                  FormatInt(minute), ":", FormatInt(second), " ");
}

std::string NetcdfDateBoxText(double seconds) {
  std::int64_t year = 0;
  int month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!DateFields(seconds, &year, &month, &day, &hour, &minute, &second)) return {};
  return JoinText(FormatInt(year), "-", FormatInt(month), "-", FormatInt(day), "+", FormatInt(hour), ":",
                  FormatInt(minute), ":", FormatInt(second), "#");
}

bool NetcdfParseDateBox(std::string_view text, double* seconds) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  std::int64_t fields[6] = {};
  const char separators[6] = {'-', '-', '+', ':', ':', '#'};
  for (int i = 0; i < 6; ++i) {
    if (!ReadDigits(text, &pos, i == 0 ? 4 : 2, &fields[i])) return false;
    if (pos >= text.size() || text[pos] != separators[i]) return false;
    ++pos;
  }
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos != text.size()) return false;
  return NetcdfCivilSeconds(fields[0], static_cast<int>(fields[1]), static_cast<int>(fields[2]),
                            static_cast<int>(fields[3]), static_cast<int>(fields[4]),
                            static_cast<double>(fields[5]), seconds);
}
