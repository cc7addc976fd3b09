// Dates of time variables: "<unit> since <date>" units and the text a
// date is shown as.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct NetcdfTimeBase {
  bool bValid = false;       // units of the form "<unit> since <date>"
  bool bStandardCalendar = true;
  double dUnitSeconds = 1.0;  // seconds per unit
  double dBaseSeconds = 0.0;  // the base date in seconds since 1970-01-01 00:00:00 UTC
};

// Parse "<unit> since <date>" (days, hours, minutes, seconds; the date as
// y-m-d with an optional time "h:m:s", separated by ' ' or 'T', an optional
// trailing 'Z'). A base with bValid false when the text is not of that form.
NetcdfTimeBase NetcdfParseTimeUnits(std::string_view units);

// True for a calendar attribute the date arithmetic holds for (none,
// "standard", "gregorian", "proleptic_gregorian").
bool NetcdfCalendarIsStandard(std::string_view calendar);

// Seconds since 1970-01-01 00:00:00 UTC of a civil date and time; false
// when the fields do not form a valid date and time.
bool NetcdfCivilSeconds(std::int64_t year, int month, int day, int hour, int minute, double second, double* seconds);

// "y-m-d h:m:s " without leading zeros, for seconds since 1970 (whole
// seconds, negative ones before 1970).
std::string NetcdfDateText(double seconds);
// "y-m-d+h:m:s#" for the Time option boxes.
std::string NetcdfDateBoxText(double seconds);
// Parse a "yyyy-mm-dd+hh:mm:ss#" box text; false when it is not a valid
// date and time.
bool NetcdfParseDateBox(std::string_view text, double* seconds);
