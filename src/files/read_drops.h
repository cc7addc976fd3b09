// What opening a file had to leave out. The readers note each drop here
// instead of telling the user themselves; whoever opened the file collects
// them afterwards and shows them: the table window as message boxes, the
// command-line conversion as lines on standard error and its exit status.
// Sampling a large text is not a drop (its note says so when it happens).
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum DropKind : int {
  DROP_CELLS_BEYOND_TABLE,    // cells with data beyond the table's last row or column
  DROP_ENTRIES_BEYOND_TABLE,  // formula, colour and style lines of cells beyond the table
  DROP_TEXTS_CUT,             // cell texts cut to the 999 bytes a cell keeps
  DROP_FORMULAS_FULL,         // formulas beyond the 3,000 a table holds
  DROP_FORMULAS_TOO_LONG,     // formulas of more than 999 characters
  DROP_FIELDS_UNDECODABLE,    // private cells whose text was not Base64 (left empty)
  DROP_FILE_CUT,              // bytes of a table file beyond what any table file can be
  DROP_KINDS,
};

// The drops of one file, by kind.
struct ReadDrops {
  std::array<std::int64_t, DROP_KINDS> iCount{};
  bool Any() const;
};

// Start collecting the drops of one opening (forgetting earlier ones).
void DropsBegin();
// A reader left something out; ignored while nobody collects.
void NoteDrop(DropKind kind, std::int64_t count = 1);
// What was noted since DropsBegin; collecting stops.
ReadDrops DropsTake();

// One line in English saying what was dropped and how much, for standard
// error ("12 cells beyond the table's last row or column were not read").
std::string DropLine(DropKind kind, std::int64_t count);

// Report to the user as notices: one for everything cut to the table,
// one for each other kind.
void ReportReadDrops(const ReadDrops& drops);
