// Reading a MODAS ocean-profile text into a table: station lines (position
// and a trailer of three fields shared by all of them) followed by depth
// lines (depth, then the data items), filtered by position, depth and the
// missing-value mark 9999, one row per station and depth.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_bytes.h"
#include "sources/modas_options.h"
#include "sources/source_lines.h"
#include "table/table_record.h"

class TextSource;

inline constexpr int MODAS_LINE_FIELDS = 20;  // further fields of a line are dropped
inline constexpr double MODAS_MISSING = 9999.0;

// The fields of one line: empty fields are not counted, at most
// MODAS_LINE_FIELDS are kept, each of at most nine characters.
struct ModasLine {
  int nFields = 0;
  std::uint32_t iLongMask = 0;  // bit i: field i was longer than nine characters
  std::array<ModasText, MODAS_LINE_FIELDS> szFields{};
  std::array<std::uint8_t, MODAS_LINE_FIELDS> iLengths{};
  bool TooLong() const { return iLongMask != 0; }
  std::string_view Field(int i) const {
    return std::string_view(szFields[static_cast<std::size_t>(i)].data(), iLengths[static_cast<std::size_t>(i)]);
  }
};

// Split a line into its fields.
void SplitModasLine(std::string_view line, const TextSyntax& syntax, ModasLine* out, std::string& scratch);

// The state of one MODAS read.
struct ModasReader final : LineSink {
  TableDocument* pTable = nullptr;
  TextSyntax syntax;
  ModasOptions options;
  // Filters as numbers: the area (corners in either order), the depths.
  double dLonLow = 0.0, dLonHigh = 0.0, dLatLow = 0.0, dLatHigh = 0.0;
  std::array<double, MODAS_DEPTHS> dDepths{};
  int nDepthNumbers = 0;
  // Reading.
  bool bTrailer = false;                 // the reference trailer is fixed
  std::array<ModasText, 3> szTrailer{};
  bool bHeader = false;                  // the header row is written
  bool bStation = false;                 // a station is current
  bool bStationPasses = false;           // it passes the position filter
  ModasText szLongitude{};
  ModasText szLatitude{};
  int iFirstCol = 1;                     // column of the sequence number
  int iNextRow = 2;                      // row of the next data line
  std::int64_t iWritten = 0;             // data rows written
  std::int64_t iLongLines = 0;           // lines refused for a field over nine characters
  std::int64_t iLeftOut = 0;             // data lines that found the table full
  ModasLine line;
  std::string scratch;

  bool Line(std::string_view text) override;
};

// Prepare a reader for a table, a syntax and options (the filters as numbers).
void ModasReaderStart(ModasReader& reader, TableDocument& t, const TextSyntax& syntax, const ModasOptions& options);

// Read the whole source from `start` in chunks of `chunkBytes` (the usual
// size when 0). 0, or -1 when the file could not be read.
int ModasReadSource(ModasReader& reader, const TextSource& source, std::int64_t start, std::size_t chunkBytes = 0);

// Report what the read left out: lines refused for long values, lines that
// found the table full.
void ModasReportLeftOut(const ModasReader& reader);

// Let the table's file opening read MODAS files (at start-up).
void ModasInstallReader();
