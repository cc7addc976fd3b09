// Command-line conversion: open a file as "Open ..." would, re-run its
// formulas and write it as a table file, without a display.
//
//   cartovel --convert IN OUT [--delimiter C] [--merge-delimiters]
//   cartovel --convert FILE.nc OUT --variables NAME[,NAME...]
//
// Messages that would be message boxes go to standard error.
#pragma once

#include <string>

struct ConvertRequest {
  std::string szIn;
  std::string szOut;
  char cDelimiter = '\t';  // for a text without TABs
  bool bMerge = false;     // runs of that delimiter count as one
  std::string szVariables;  // NetCDF input: the variables to read, "a,b,c"
  std::string szSql;        // database file input: the statement to run
};

// Read the arguments after "--convert" (argv[first] is IN). 0, or -1 with
// the reason in *error.
int ParseConvertArguments(int argc, const char* const* argv, int first, ConvertRequest* request,
                          std::string* error);

// The delimiter named by an option value: one character, or "tab",
// "comma", "semicolon", "space". 0 for none.
char DelimiterNamed(const std::string& value);

// Exit statuses of a conversion (2 is for bad arguments).
enum ConvertStatus : int {
  CONVERT_OK = 0,            // IN read whole (or sampled, as its note says), OUT written
  CONVERT_FAILED = 1,        // IN could not be opened or OUT not written
  CONVERT_DATA_DROPPED = 3,  // OUT written, but data of IN had to be left out
};

// Carry out the conversion in the current folder (its CVLib/ system name
// file chooses the language, and with it the legacy code page). Each kind
// of data left out prints one line on standard error. Returns the process
// exit status.
int RunConversion(const ConvertRequest& request);
