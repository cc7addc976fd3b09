// The size scan of a text to import: its lines and fields are counted and
// the table is resized to hold it, or set up to hold a regular sample.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/text_bytes.h"
#include "files/text_source.h"
#include "platform/window.h"
#include "table/table_record.h"

// Buffer of a chunked read, and the bytes one chunk of the scan takes.
inline constexpr std::size_t IMPORT_BUFFER_BYTES = 2000000;
inline constexpr std::size_t IMPORT_CHUNK_BYTES = 1999900;

// The chunk size of file reads (tests make it small, so that fields are cut
// by chunk boundaries); 0 restores IMPORT_CHUNK_BYTES.
std::size_t TextImportChunkBytes();
void TextImportSetChunkBytes(std::size_t bytes);
// The buffer a chunked read of the source from `start` needs: a chunk, or
// less for a shorter source.
std::size_t ImportBufferBytes(const TextSource& source, std::int64_t start, std::size_t chunk);

// Count the lines and fields of the source from `start` on. 0, or -1 when
// the source could not be read (-2 when no buffer could be had).
int CountTextSource(const TextSource& source, std::int64_t start, const TextSyntax& syntax, TextCount* count);

// The table size and sampling for a file needing fileRows x fileCols cells
// (lines and fields, each plus one): resize the table or set up block 0
// for a sample. 1 when it sampled or resized, 0 when the file is read
// whole as the table stands, -1 when block 0 could not be had.
int DecideImportSize(TableDocument& t, std::int64_t fileRows, std::int64_t fileCols);

// The size scan of a table's import: count, decide, remember how the file
// is split and whether it is UTF-8, and tell the user when the file is
// sampled. 1 when it sampled or resized, 0 otherwise, -1 on failure (after
// a message).
int ScanTextSize(WindowHandle hwnd, const TextSource& source, std::int64_t start, const TextSyntax& syntax);
