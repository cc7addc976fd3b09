// Lines and fields of the MODAS and stock history files: the file read in
// chunks cut at line ends, lines split at TAB and the wizard's delimiter,
// and the strict number test their filters compare with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_bytes.h"

class TextSource;

// The files are read in chunks of this many bytes.
inline constexpr std::size_t SOURCE_CHUNK_BYTES = 200000;

// Where a chunk is cut: just after its last CR or LF, so that the next
// chunk starts with a whole line. A chunk without any line end (one line
// longer than a chunk) and the last chunk of the file are taken whole.
std::size_t CutAtLastLineEnd(const char* bytes, std::size_t n, bool lastChunk);

// What the chunked reader hands each line to (without its line end; empty
// lines are not handed on). Returning false stops the read.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual bool Line(std::string_view line) = 0;
};

// Hand every line of the source from `start` on to `sink`, reading chunks
// of `chunkBytes` (SOURCE_CHUNK_BYTES when 0). 0, or -1 when reading failed.
int ReadSourceLines(const TextSource& source, std::int64_t start, std::size_t chunkBytes, LineSink& sink);

// Hand every line of bytes[0, n) to `sink`: CR LF, LF and CR each end a
// line. False when the sink stopped.
bool SplitLines(const char* bytes, std::size_t n, LineSink& sink);

// The next field of a line from `pos` on: its raw bytes up to the next
// TAB or delimiter (or the line's end). *next becomes the position after
// the field's end, or npos after the last field. Merging ignores a
// delimiter right after a TAB, another delimiter or the line's start.
std::string_view NextField(std::string_view line, std::size_t pos, const TextSyntax& syntax, std::size_t* next);

// A field's raw text cleaned as typed cell input is (no upper-casing):
// a field starting with a blank loses all blanks, ".5" becomes "0.5",
// trailing blanks go. `scratch` keeps its storage from call to call.
std::string_view NormalizeField(std::string_view raw, std::string& scratch);

// True when the whole text is one decimal number (an optional sign, digits
// with an optional point, an optional exponent), read locale-free into
// *value. "10.0" and "10" read the same; "1.2.3", "12abc", "inf" do not read.
bool ReadWholeNumber(std::string_view text, double* value);
