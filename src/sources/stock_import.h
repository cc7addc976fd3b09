// The stock history pivot: one record per line (a stock's name, a date and
// a value), one table row per stock and one column per date.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <functional>
#include <unordered_map>
#include <vector>

#include "files/text_bytes.h"
#include "sources/source_lines.h"
#include "sources/stock_options.h"
#include "table/table_record.h"

class TextSource;

inline constexpr int STOCK_FIELDS = 255;      // fields of a line beyond these are not read
inline constexpr int STOCK_FIELD_CHARS = 19;  // a longer field reads as missing
inline constexpr const char* STOCK_MISSING = "Missing";

// Hashes a name or date given as any kind of text, so that lookups need
// no string of their own.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// The fields of one line, empty ones included, up to the last one the
// options use.
struct StockLine {
  int nFields = 0;
  std::array<std::array<char, STOCK_FIELD_CHARS + 1>, STOCK_FIELDS> szFields{};
  std::array<std::uint8_t, STOCK_FIELDS> iLengths{};
  std::bitset<STOCK_FIELDS> bLong;  // longer than STOCK_FIELD_CHARS (kept cut)
  // Field `number` (from 1), empty when the line has fewer.
  std::string_view Field(int number) const;
  bool Long(int number) const { return number >= 1 && number <= nFields && bLong[static_cast<std::size_t>(number - 1)]; }
};

// Split a line into its first `wanted` fields.
void SplitStockLine(std::string_view line, const TextSyntax& syntax, int wanted, StockLine* out, std::string& scratch);

// The state of one pivot.
struct StockPivot final : LineSink {
  TableDocument* pTable = nullptr;
  TextSyntax syntax;
  StockOptions options;
  int iWanted = 0;                            // the last field number the options use
  std::unordered_map<std::string, int, TextHash, std::equal_to<>> rows;  // stock name -> its row
  std::unordered_map<std::string, int, TextHash, std::equal_to<>> cols;  // date -> its column
  std::vector<std::string> dates;             // column -> its date
  int iLastCol = 0;                           // the column of the previous record
  std::string szLastName;                     // the stock of the previous record and its row
  int iLastRow = 0;
  int iNextRow = 2;
  int iNextCol = 2;
  int iPreparedRows = 0;                      // rows below this one are readied for writing
  std::int64_t iLines = 0;       // lines seen
  std::int64_t iLeftOut = 0;     // records that found the table full
  std::int64_t iLongKeys = 0;    // records whose name or date is too long
  bool bFirstHeld = false;       // the first line waits for the second to tell whether it is a heading
  StockLine first;
  StockLine line;
  std::string scratch;

  bool Line(std::string_view text) override;
};

// Prepare a pivot for a table, a syntax and options.
void StockPivotStart(StockPivot& pivot, TableDocument& t, const TextSyntax& syntax, const StockOptions& options);

// Pivot the whole source from `start` in chunks of `chunkBytes` (the usual
// size when 0). 0, or -1 when the file could not be read.
int StockPivotSource(StockPivot& pivot, const TextSource& source, std::int64_t start, std::size_t chunkBytes = 0);

// The window title's prefix for the options: "Field(3) from " or
// "Difference=Field(3, 4) from ".
std::string StockTitlePrefix(const StockOptions& options);

// Report what the pivot left out.
void StockReportLeftOut(const StockPivot& pivot);

// Let the table's file opening read stock history files (at start-up).
void StockInstallReader();
