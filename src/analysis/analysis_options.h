// The options of "Data count ..." and "Data processing ..." a table keeps
// from one use of the dialogs to the next.
#pragma once

#include <array>

#include "table/table_record.h"

// Conditions of a count.
enum CountCondition : int {
  COND_ABOVE = 111,
  COND_BELOW = 113,
  COND_NOT_EQUAL = 115,
  COND_EQUAL = 117,
  COND_NONE = 119,
  COND_BETWEEN = 121,
};

// The results a count can give, in the order of their flags.
enum CountResult : int {
  COUNT_AN,     // all numbers
  COUNT_CN,     // numbers that meet the condition
  COUNT_SUM,
  COUNT_MAX,
  COUNT_MIN,
  COUNT_AVE,
  COUNT_MED,
  COUNT_RATIO,  // CN / AN in per cent
  COUNT_DD,     // the value distribution
  COUNT_RESULTS
};

inline constexpr int COUNT_TEXT_BYTES = 21;  // 20 characters and the end

struct CountOptions {
  int iCondition = COND_NONE;
  std::array<char, COUNT_TEXT_BYTES> szValue{};  // threshold of the first four conditions
  std::array<char, COUNT_TEXT_BYTES> szLow{};    // the bounds of Between as typed
  std::array<char, COUNT_TEXT_BYTES> szHigh{};
  std::array<char, COUNT_TEXT_BYTES> szStep{};   // bin width of the distribution
  std::array<int, COUNT_RESULTS> flags{1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// Processing methods, in the order of the dialog's list.
enum ProcessMethod : int {
  PROCESS_SCALE = 1,
  PROCESS_NORMALIZE = 2,
  PROCESS_DIFFERENCE = 3,
  PROCESS_ABS_DIFFERENCE = 4,
  PROCESS_DEVIATION = 5,
};

// Dialog control ids of the processing choices, kept as the stored values.
enum ProcessChoice : int {
  PROCESS_TO_REPORT = 4224,     // "At external window"
  PROCESS_REPLACE = 4225,       // "Replace source fields"
  PROCESS_SELECTION = 4226,     // "In selected set"
  PROCESS_ALL_DATA = 4227,      // "All data"
  PROCESS_BY_ROW = 4228,
  PROCESS_BY_COLUMN = 4229,
};

inline constexpr int SCALE_TEXT_BYTES = 11;  // 10 characters and the end

struct ProcessOptions {
  int iSource = PROCESS_ALL_DATA;
  int iDestination = PROCESS_TO_REPORT;
  int iMethod = PROCESS_SCALE;
  int iOrientation = PROCESS_BY_ROW;
  std::array<char, SCALE_TEXT_BYTES> szScale{'1', '.', '0'};
};

struct AnalysisOptions {
  CountOptions count;
  ProcessOptions process;
};

// A table's options, created with their defaults on first use.
AnalysisOptions& AnalysisOptionsOf(TableDocument& t);
