// "Data processing ...": the numbers of each row or column rescaled,
// normalised to the line's first number, or taken as their (absolute)
// difference from the line's mean, with the sample standard deviation
// after each line for the "Standard deviation" method.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_options.h"
#include "table/table_record.h"

// One processed line: a row or a column segment.
struct ProcessLine {
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
  bool bRow;  // a row (its deviation goes to its right), else a column (below)
};

// The lines of the options: rows or columns of each selected range (whole
// columns down to the last used row, whole rows to the last used column),
// or of the used block with "All data".
std::vector<ProcessLine> ProcessLinesOf(TableDocument& t, const ProcessOptions& options);

// The statistics of a line's numbers: its first number, count and mean.
struct ProcessStats {
  bool bHasFirst = false;
  double dFirst = 0;
  int iCount = 0;
  double dMean = 0;
};
ProcessStats ProcessStatsOf(const TableDocument& t, const ProcessLine& line);

// The new text of one number by the method, or nothing when it stays (a
// first number of 0 for Normalize; no numbers for the mean methods).
bool ProcessNumber(const ProcessOptions& options, double factor, const ProcessStats& stats, double x,
                   std::string* text);

// The sample standard deviation of the line's numbers, the square root of
// the sum of (x - mean)^2 over n - 1, for n > 1 (0 below that; constant data
// give 0).
double ProcessDeviation(const TableDocument& t, const ProcessLine& line, const ProcessStats& stats);

// Where the results go: cell, text, whether it is a computed number (changed
// from the source text) and whether it is the line's deviation (blue).
using ProcessSink = std::function<void(int row, int col, std::string_view text, bool computed, bool result)>;

// Process the lines of a table by its processing options and hand every
// cell of every line to the sink (texts resolved, empty cells empty), then
// each line's deviation after its last cell for "Standard deviation".
void DataProcessRun(TableDocument& source, const ProcessSink& sink);

// The scale factor of the options: 1.0 when its text is 0 or no number.
double ProcessFactor(const ProcessOptions& options);

// Into a report document: every cell at its own position, deviations in
// blue, the source's selection ranges copied; marks the report modified.
void DataProcessIntoReport(TableDocument& source, TableDocument& report);
