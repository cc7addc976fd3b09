// libFuzzer target: random bytes through the MODAS reader on a small table.
//
// The first four bytes choose how; the rest is the file:
//   byte 0  bits 0-1: delimiter (TAB only, ' ', ',', ';'); bit 2: merge runs;
//           bits 3-4: position mode; bits 5-6: how many depths
//   byte 1  the chunk size of the second read (1 .. 97 bytes)
//   byte 2  the first chosen depth list entry; also the area
//   byte 3  bits 0-6: chosen items
//
// Besides the sanitizers, it stops (trap) when a read in small chunks
// stores anything else, or counts other lines, than a read in one chunk.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_source.h"
#include "platform/dialogs.h"
#include "sources/modas_import.h"
#include "source_fuzz_support.h"

namespace {

// The options the control bytes stand for.
ModasOptions OptionsOf(const std::uint8_t* data) {
  ModasDialogModel model;
  model.iPositionMode = 1 + (data[0] >> 3) % 3;
  const int depths = 1 + ((data[0] >> 5) & 3);
  model.depths.clear();
  for (int i = 0; i < depths; ++i) model.depths.push_back((data[2] + i * 7) % MODAS_DEPTHS);
  const char* corners[] = {"0", "90", "-30.5", "120", "1e2", "45"};
  for (std::size_t i = 0; i < 4; ++i) model.szArea[i] = corners[(data[2] + i) % 6];
  for (int item = 1; item <= MODAS_ITEMS; ++item) {
    if (data[3] & (1 << (item - 1))) model.items.push_back(item);
  }
  return ModasOptionsFromModel(model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TableRecord* a = NewFuzzTable(OPEN_MODAS);
  static TableRecord* b = NewFuzzTable(OPEN_MODAS);
  if (!a || !b || size < 4 || size > 65536) return 0;
  TextSyntax syntax;
  const char delimiters[] = {0, ' ', ',', ';'};
  syntax.cDelimiter = delimiters[data[0] & 3];
  syntax.bMerge = (data[0] & 4) != 0;
  const std::size_t chunk = 1 + data[1] % 97;
  const ModasOptions options = OptionsOf(data);
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  TextSource source;
  source.UseMemory(text);
  DialogScriptBegin();

  ResetFuzzTable(*a);
  ResetFuzzTable(*b);
  ModasReader whole;
  ModasReader pieces;
  ModasReaderStart(whole, *a, syntax, options);
  ModasReaderStart(pieces, *b, syntax, options);
  Check(ModasReadSource(whole, source, 0, 0) == 0);
  Check(ModasReadSource(pieces, source, 0, chunk) == 0);
  // A chunk cut inside a line without any line end splits that line, so
  // the reads agree only when no line is longer than a chunk.
  if (LongestLine(text) < chunk) {
    Check(whole.iWritten == pieces.iWritten && whole.iLongLines == pieces.iLongLines &&
          whole.iLeftOut == pieces.iLeftOut);
    CheckSameCells(*a, *b);
  }
  Check(whole.iWritten <= kFuzzRows - 2);
  DialogScriptEnd();
  return 0;
}
