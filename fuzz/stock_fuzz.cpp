// libFuzzer target: random bytes through the stock history pivot on a
// small table, and the wizard's field list of the first line.
//
// The first four bytes choose how; the rest is the file:
//   byte 0  bits 0-1: delimiter (TAB only, ',', ' ', ';'); bit 2: merge
//           runs; bit 3: the difference of two fields
//   byte 1  the chunk size of the second read (1 .. 97 bytes)
//   byte 2  name field (low nibble) and date field (high nibble), 1 .. 16
//   byte 3  data fields (low and high nibble), 1 .. 16
//
// Besides the sanitizers, it stops (trap) when a read in small chunks
// stores anything else than a read in one chunk, or when a value cell
// holds a text longer than a field keeps.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_source.h"
#include "platform/dialogs.h"
#include "sources/stock_import.h"
#include "source_fuzz_support.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TableRecord* a = NewFuzzTable(OPEN_STOCK);
  static TableRecord* b = NewFuzzTable(OPEN_STOCK);
  if (!a || !b || size < 4 || size > 65536) return 0;
  TextSyntax syntax;
  const char delimiters[] = {0, ',', ' ', ';'};
  syntax.cDelimiter = delimiters[data[0] & 3];
  syntax.bMerge = (data[0] & 4) != 0;
  const std::size_t chunk = 1 + data[1] % 97;
  StockOptions options;
  options.iNameField = 1 + (data[2] & 15);
  options.iDateField = 1 + (data[2] >> 4);
  options.iMode = (data[0] & 8) ? STOCK_DIFFERENCE : STOCK_ONE_FIELD;
  options.iDataField = options.iFirstField = 1 + (data[3] & 15);
  options.iSecondField = 1 + (data[3] >> 4);
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  DialogScriptBegin();
  const std::vector<std::string> entries = StockFieldEntries(text.substr(0, text.find_first_of("\r\n")), syntax);
  Check(entries.size() <= text.size());

  TextSource source;
  source.UseMemory(text);
  ResetFuzzTable(*a);
  ResetFuzzTable(*b);
  StockPivot whole;
  StockPivot pieces;
  StockPivotStart(whole, *a, syntax, options);
  StockPivotStart(pieces, *b, syntax, options);
  Check(StockPivotSource(whole, source, 0, 0) == 0);
  Check(StockPivotSource(pieces, source, 0, chunk) == 0);
  for (int row = 0; row < kFuzzRows; ++row) {
    for (int col = 2; col < kFuzzCols; ++col) Check(TableCellDisplayText(*a, row, col).size() <= STOCK_FIELD_CHARS + 2);
  }
  if (LongestLine(text) < chunk) {
    Check(whole.iLeftOut == pieces.iLeftOut && whole.iLongKeys == pieces.iLongKeys);
    CheckSameCells(*a, *b);
  }
  DialogScriptEnd();
  return 0;
}
