// The byte rules of a delimited text and fast searches over them: 64 bytes
// at a time are classified into bit masks (TAB and delimiter, line end,
// non-ASCII), so that counting lines and fields, skipping whole lines and
// finding the end of a field never walk the bytes one by one.
//
// The rules, shared by the size scan and the reader:
//   - TAB ends a field; so does the extra delimiter when one is given;
//   - CR or LF ends the field and the line; one CR or LF right after a
//     line end is skipped (CR LF, LF CR and a doubled line end end one line);
//   - with merging, the extra delimiter right after TAB, a delimiter, CR or
//     LF is ignored: runs count as one and one at a line start is ignored;
//   - bytes after the last line end form one more line;
//   - when the delimiter is neither TAB nor '"', a field whose first byte is
//     '"' is quoted: it runs to its closing quote, over TABs, delimiters and
//     line ends, a doubled quote inside standing for one quote; bytes after
//     the closing quote up to the next field end still belong to the field.
//     A quote later in a field is an ordinary byte. Blocks that hold no
//     quote take the fast paths; the others are walked byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct TextSyntax {
  char cDelimiter = 0;  // the delimiter besides TAB (0: TAB only)
  bool bMerge = false;  // runs of cDelimiter count as one
};

// Whether fields of this syntax may be quoted: the delimiter is neither TAB
// nor the quote itself.
bool TextHasQuotes(const TextSyntax& syntax);

// Where a walk stands towards quotes.
enum TextQuote : unsigned char {
  QUOTE_NONE = 0,     // outside quotes
  QUOTE_OPEN = 1,     // inside a quoted field
  QUOTE_CLOSING = 2,  // a quote inside a quoted field: closing, unless another follows
};

// Where the walk stands between two bytes.
struct TextCursor {
  bool bAfterSeparator = true;  // the last byte was TAB, a delimiter, CR or LF (or none yet)
  bool bAfterLineEnd = false;   // the last byte ended a line: a CR or LF now is skipped
  bool bLineOpen = false;       // the current line has bytes
  TextQuote iQuote = QUOTE_NONE;
};

// Incremental UTF-8 validation (shortest forms, no surrogates, at most
// U+10FFFF); a sequence may span calls.
struct Utf8Check {
  int iNeed = 0;              // continuation bytes still expected
  unsigned char uLow = 0x80;  // range of the next continuation byte
  unsigned char uHigh = 0xBF;
  bool bValid = true;
};

void Utf8CheckBytes(Utf8Check& check, const char* bytes, std::size_t n);
// True when everything checked so far was valid and complete.
bool Utf8CheckDone(const Utf8Check& check);

// Line and field counts of a text, fed in pieces.
struct TextCount {
  TextCursor cursor;
  std::int64_t iLines = 0;
  std::int64_t iMaxFields = 0;   // the most fields in one line
  std::int64_t iLineFields = 0;  // fields ended so far in the current line
  Utf8Check utf8;
};

// Count the lines and fields of the next `n` bytes.
void CountTextBytes(TextCount& count, const char* bytes, std::size_t n, const TextSyntax& syntax);
// The end of the text: an open last line counts.
void CountTextEnd(TextCount& count);

// Position of the first TAB, delimiter, CR or LF in bytes[0, n), or n.
std::size_t FindFieldEnd(const char* bytes, std::size_t n, const TextSyntax& syntax);

// The same for a syntax with quotes: the first field end outside quotes.
// bytes[0] starts a field when cursor.bAfterSeparator is set (a quote
// there opens it); cursor.iQuote carries a quoted field cut at n into the
// next call and is QUOTE_NONE when a field end was found.
std::size_t FindQuotedFieldEnd(TextCursor& cursor, const char* bytes, std::size_t n, const TextSyntax& syntax);

// The text of a quoted field (its raw bytes from the opening quote): the
// quotes removed, a doubled quote made one, each run of line ends inside
// made one blank (cells hold no line ends). Appends to *out.
void UnquoteField(std::string_view raw, std::string* out);

// Skip up to `lines` line ends from the start of bytes[0, n) (the cursor
// tells whether a CR or LF at the start is the skipped one). Returns the
// position just after the last line end passed and sets *passed to their
// number; when fewer were found, returns n.
std::size_t SkipTextLines(TextCursor& cursor, const char* bytes, std::size_t n, std::int64_t lines,
                          const TextSyntax& syntax, std::int64_t* passed);
