#include "files/text_read.h"

#include <algorithm>
#include <memory>
#include <new>

#include "files/read_drops.h"
#include "table/cell_reference.h"
#include "files/sampling_blocks.h"
#include "files/text_size.h"
#include "formula/formula_registry.h"
#include "platform/codepage.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"

namespace {

// A field cut by a chunk boundary keeps one byte more than a cell takes, so
// that a text cut to the cell can be told.
constexpr std::size_t kHeldFieldBytes = IMPORT_FIELD_BYTES + 1;

// CR or LF.
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// A byte that the merging rule may ignore.
bool IsMergeByte(const TextSyntax& syntax, char c) {
  return syntax.bMerge && c == (syntax.cDelimiter ? syntax.cDelimiter : '\t');
}

// Bytes outside ASCII, which a legacy code page reads differently.
bool HasHighBytes(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Store one field's text into (row, col): a formula targeting the cell
// goes, the style becomes automatic, the text is stored and its file
// offset remembered.
void StoreField(TableDocument& t, TextReadState& state, std::string_view text, std::int64_t offset) {
  TableCell* cell = TableCellAt(t, state.iRow, state.iCol);
  if (!cell) return;
  if (state.bLegacy && HasHighBytes(text)) {
    ConvertToUtf8(text, state.bChinese ? "GB18030" : "WINDOWS-1252", &state.scratch);
    text = state.scratch;
  }
  if (CellFormulaSlot(*cell) >= 0 && !IsNone(state.hwnd)) {
    FormulaDelete(state.hwnd, CellReference(state.iRow, state.iCol));
  }
  SetCellStyle(*cell, STYLE_AUTOMATIC);
  TableStoreCellText(t, state.iRow, state.iCol, text);
  if (state.iBlock >= 0) {
    if (std::int64_t* slot = SamplingCellOffset(t.blocks[state.iBlock], state.iRow, state.iCol)) *slot = offset + 1;
  }
  state.iLastRow = std::max(state.iLastRow, state.iRow);
  state.iLastCol = std::max(state.iLastCol, state.iCol);
}

// The text a field stands for: a quoted field without its quotes, any
// other as it is.
std::string_view FieldText(TextReadState& state, std::string_view raw) {
  if (!state.bQuotes || raw.empty() || raw[0] != '"') return raw;
  state.unquoted.clear();
  UnquoteField(raw, &state.unquoted);
  return state.unquoted;
}

// A field ended: stored when both sampling counters stand at their step.
void OnField(TableDocument& t, TextReadState& state, std::string_view text, std::int64_t offset) {
  if (state.iFieldsToPass > 0) {
    --state.iFieldsToPass;
    return;
  }
  if (t.iRowPhase == state.iRowStep && t.iColPhase == state.iColStep) {
    if (state.iCol <= state.iLimitCol) {
      if (text.size() > IMPORT_FIELD_BYTES) NoteDrop(DROP_TEXTS_CUT);
      StoreField(t, state, text.substr(0, IMPORT_FIELD_BYTES), offset);
    }
    ++state.iCol;
    // Past the last column the rest of the line is dropped unread.
    if (state.iCol > state.iLimitCol) state.bSkipRest = true;
  }
  if (--t.iColPhase < 1) t.iColPhase = state.iColStep;
}

// A line ended. -1 when the block is full.
int OnLineEnd(TableDocument& t, TextReadState& state) {
  ++state.iLines;
  const bool stored = t.iRowPhase == state.iRowStep;
  t.iColPhase = state.iColStep;
  if (--t.iRowPhase < 1) t.iRowPhase = state.iRowStep;
  state.iFieldsToPass = state.iSkipFields;
  state.bSkipRest = false;
  if (!stored) return 0;
  ++state.iRow;
  state.iCol = state.iFirstCol;
  return state.iRow > state.iLimitRow ? -1 : 0;
}

// The text ended inside a line: its last field and the line end. -1.
int EndOpenLine(TableDocument& t, TextReadState& state, std::string_view text, std::int64_t offset) {
  if (!state.bSkipRest) OnField(t, state, text, offset);
  OnLineEnd(t, state);
  return -1;
}

// Pass whole lines that are not read (the row counter is not at its step)
// or the rest of a line. Returns 1 when done with them, 0 when the chunk
// ended first (*p = n), -1 when the text or the block ended.
int SkipLines(TableDocument& t, TextReadState& state, const char* bytes, std::size_t n, bool atEnd, std::size_t* p) {
  const bool rest = state.bSkipRest;
  const std::int64_t wanted = rest ? 1 : t.iRowPhase;
  std::int64_t passed = 0;
  const std::size_t used = SkipTextLines(state.cursor, bytes + *p, n - *p, wanted, state.syntax, &passed);
  *p += used;
  if (rest) {
    if (passed == 1) return OnLineEnd(t, state) < 0 ? -1 : 1;
  } else {
    state.iLines += passed;
    t.iRowPhase -= static_cast<int>(passed);
    if (t.iRowPhase < 1) t.iRowPhase = state.iRowStep;
    if (passed == wanted) return 1;
  }
  if (!atEnd) return 0;
  if (state.cursor.bLineOpen) {
    state.cursor.bLineOpen = false;
    if (rest) {
      OnLineEnd(t, state);
    } else {
      ++state.iLines;
    }
  }
  return -1;
}

}  // namespace

int ParseTextChunk(TableDocument& t, TextReadState& state, const char* bytes, std::size_t n, bool atEnd,
                   std::size_t* consumed) {
  std::size_t p = 0;
  *consumed = 0;
  while (true) {
    if (state.bSkipRest || t.iRowPhase != state.iRowStep) {
      const int skipped = SkipLines(t, state, bytes, n, atEnd, &p);
      *consumed = p;
      if (skipped <= 0) return skipped;
      continue;
    }
    const std::size_t start = p;
    const TextCursor before = state.cursor;
    const std::size_t q = p + (state.bQuotes ? FindQuotedFieldEnd(state.cursor, bytes + p, n - p, state.syntax)
                                             : FindFieldEnd(bytes + p, n - p, state.syntax));
    std::string_view text(bytes + p, q - p);
    std::int64_t offset = state.iBase + static_cast<std::int64_t>(p);
    if (state.bLongField) {
      // The bytes continue a field that began in an earlier chunk.
      if (state.longField.size() < kHeldFieldBytes) {
        state.longField.append(text.substr(0, kHeldFieldBytes - state.longField.size()));
      }
      text = state.longField;
      offset = state.iLongOffset;
    }
    if (q == n) {
      if (atEnd) {
        *consumed = n;
        if (q > p || state.bLongField || state.cursor.bLineOpen) {
          state.bLongField = false;
          return EndOpenLine(t, state, FieldText(state, text), offset);
        }
        return -1;
      }
      if (start > 0 && !state.bLongField) {
        // The chunk cut this field: the next chunk starts with it.
        state.cursor = before;
        *consumed = start;
        return 0;
      }
      // A field longer than the chunk: keep its head and go on.
      if (!state.bLongField) {
        state.bLongField = true;
        state.longField.assign(text.substr(0, kHeldFieldBytes));
        state.iLongOffset = offset;
      }
      if (q > p) {
        state.cursor.bAfterSeparator = false;
        state.cursor.bAfterLineEnd = false;
        state.cursor.bLineOpen = true;
      }
      *consumed = n;
      return 0;
    }
    const char c = bytes[q];
    const bool lineEnd = IsLineEnd(c);
    if (q == p && !state.bLongField) {
      if (lineEnd && state.cursor.bAfterLineEnd) {  // the second byte of a line end pair
        state.cursor.bAfterLineEnd = false;
        state.cursor.bAfterSeparator = true;
        p = q + 1;
        continue;
      }
      if (!lineEnd && IsMergeByte(state.syntax, c) && state.cursor.bAfterSeparator) {  // merged away
        state.cursor.bAfterLineEnd = false;
        state.cursor.bLineOpen = true;
        p = q + 1;
        continue;
      }
    }
    state.bLongField = false;
    OnField(t, state, FieldText(state, text), offset);
    p = q + 1;
    state.cursor.bAfterSeparator = true;
    state.cursor.bAfterLineEnd = lineEnd;
    state.cursor.bLineOpen = !lineEnd;
    if (lineEnd && OnLineEnd(t, state) < 0) {
      *consumed = p;
      return -1;
    }
  }
}

void BeginTextRead(TableDocument& t, TextReadState& state, int block, std::int64_t offset) {
  state.cursor = TextCursor{};
  state.bQuotes = TextHasQuotes(state.syntax);
  state.iBase = offset;
  state.bLongField = false;
  state.longField.clear();
  state.bSkipRest = false;
  state.iLastRow = state.iLastCol = 0;
  state.iLines = 0;
  const bool sampled = t.iSampleMode != SAMPLE_NONE && block >= 0 && block < SAMPLING_BLOCKS &&
                       t.blocks[block].bInUse;
  if (!sampled) {
    state.iBlock = -1;
    state.iRow = state.iFirstCol = state.iCol = 1;
    state.iLimitRow = t.iRows - 1;
    state.iLimitCol = t.iCols - 1;
    state.iRowStep = state.iColStep = 1;
    state.iSkipFields = state.iFieldsToPass = 0;
  } else {
    SamplingBlock& b = t.blocks[block];
    state.iBlock = block;
    state.iRow = b.iStartRow;
    state.iFirstCol = state.iCol = b.iStartCol;
    state.iLimitRow = std::min(b.iLimitRow, t.iRows - 1);
    state.iLimitCol = std::min(b.iLimitCol, t.iCols - 1);
    state.iRowStep = std::max(b.iRowStep, 1);
    state.iColStep = std::max(b.iColStep, 1);
    // A block that begins at a later field of the line passes the fields
    // before it on every line after the first (the first starts there).
    state.iSkipFields = b.iFileStartCol > 1 ? b.iFileStartCol - 1 : 0;
    state.iFieldsToPass = 0;
    TableStoreCellText(t, b.iStartRow - 1, b.iStartCol, TextOf(b.szInfo1));
    TableStoreCellText(t, b.iStartRow - 1, b.iStartCol + 1, TextOf(b.szInfo2));
  }
  t.iRowPhase = state.iRowStep;
  t.iColPhase = state.iColStep;
}

void EndTextRead(TableDocument& t, const TextReadState& state) {
  if (state.iBlock < 0) return;
  SamplingBlock& b = t.blocks[state.iBlock];
  b.iEndRow = state.iLastRow >= b.iStartRow ? state.iLastRow : b.iStartRow - 1;
  b.iEndCol = state.iLastCol >= b.iStartCol ? state.iLastCol : b.iStartCol - 1;
}

int ReadTextSource(TableDocument& t, TextReadState& state, const TextSource& source, std::int64_t offset, int block) {
  BeginTextRead(t, state, block, offset);
  const std::size_t chunk = TextImportChunkBytes();
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[ImportBufferBytes(source, offset, chunk)]);
  if (!buffer) return -2;
  int status = 0;
  std::int64_t at = std::max<std::int64_t>(offset, 0);
  while (true) {
    const char* bytes = nullptr;
    const std::int64_t got = source.Read(at, buffer.get(), chunk, &bytes);
    if (got < 0) {
      status = -1;
      break;
    }
    const bool atEnd = at + got >= source.Size() || got == 0;
    state.iBase = at;
    std::size_t consumed = 0;
    if (ParseTextChunk(t, state, bytes, static_cast<std::size_t>(got), atEnd, &consumed) < 0 || atEnd) break;
    at += static_cast<std::int64_t>(consumed);
  }
  EndTextRead(t, state);
  return status;
}

int ReadTextIntoTable(WindowHandle hwnd, const TextSource& source, std::int64_t offset, int block) {
  int status = 0;
  std::string path;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    path = std::string(TextOf(t->szFileName));
    TextReadState state;
    state.syntax.cDelimiter = t->cFileDelimiter;
    state.syntax.bMerge = t->bFileMerge != 0;
    state.bLegacy = t->bFileLegacy != 0;
    state.bChinese = LanguageIsChinese();
    state.hwnd = hwnd;
    status = ReadTextSource(*t.get(), state, source, offset, block);
    t->bModified = 1;
  }
  if (status == -2) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_BUFFER_FAILED));
    return -1;
  }
  if (status != 0) {
    ReportNotice(path, Text(TXT_READ_FILE_DATA_FAILED));
    return -1;
  }
  return 0;
}
