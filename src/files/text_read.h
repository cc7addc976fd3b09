// Reading a delimited text into a table: the whole text from R1C1, or a
// sample of it into a sampling block, chunk by chunk.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "files/text_bytes.h"
#include "files/text_source.h"
#include "platform/window.h"
#include "table/table_record.h"

// A field keeps at most this many bytes; the rest is dropped.
inline constexpr std::size_t IMPORT_FIELD_BYTES = 999;

// Where a read stands between two chunks.
struct TextReadState {
  TextSyntax syntax;
  bool bLegacy = false;       // texts are converted from the legacy code page
  bool bChinese = false;      // which one: GB18030, else Windows-1252
  WindowHandle hwnd = WindowHandle::None;  // for removing formulas of overwritten cells
  TextCursor cursor;
  std::int64_t iBase = 0;     // file offset of the chunk's first byte
  // A field longer than a chunk, carried into the next one.
  bool bLongField = false;
  std::string longField;
  std::int64_t iLongOffset = 0;
  bool bSkipRest = false;     // the rest of the current line is not read
  // Where values go.
  int iBlock = -1;            // the sampling block, -1 for a read without sampling
  int iRow = 1;
  int iCol = 1;
  int iFirstCol = 1;
  int iLimitRow = 0;          // last row and column values may go to
  int iLimitCol = 0;
  int iRowStep = 1;
  int iColStep = 1;
  int iSkipFields = 0;        // fields passed at the start of each line but the first
  int iFieldsToPass = 0;      // still to pass in the current line
  int iLastRow = 0;           // last row and column that received a value
  int iLastCol = 0;
  std::int64_t iLines = 0;    // lines ended so far
  std::string scratch;
  bool bQuotes = false;       // fields may be quoted (set from the syntax)
  std::string unquoted;       // the text of the last quoted field
};

// Parse the `n` bytes of one chunk (`atEnd`: the text ends with them) into
// the table. *consumed is where the next chunk must start: at the first
// byte of the last field the chunk cut, which is then read again whole.
// Returns -1 when the block is full or the text is done, else 0.
int ParseTextChunk(TableDocument& t, TextReadState& state, const char* bytes, std::size_t n, bool atEnd,
                   std::size_t* consumed);

// Prepare a read from `offset` into block `block` of a sampled table (or
// the whole text from R1C1 when the table is not sampled): the position,
// the steps, the sampling counters and the info cells.
void BeginTextRead(TableDocument& t, TextReadState& state, int block, std::int64_t offset);

// The end of a read: the block's last row and column that received data.
void EndTextRead(TableDocument& t, const TextReadState& state);

// Read the source from `offset` into block `block` (see BeginTextRead) in
// chunks. 0, -1 when the source could not be read, -2 without a buffer.
int ReadTextSource(TableDocument& t, TextReadState& state, const TextSource& source, std::int64_t offset, int block);

// The same for a table window and its file: messages on failure, the
// table marked modified. 0 or -1.
int ReadTextIntoTable(WindowHandle hwnd, const TextSource& source, std::int64_t offset, int block);
