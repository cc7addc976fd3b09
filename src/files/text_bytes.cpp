#include "files/text_bytes.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

constexpr char kTab = '\t';

// Bit i of each mask stands for byte i of a 64-byte block.
struct RawMasks {
  std::uint64_t uTab;    // TAB
  std::uint64_t uDelim;  // the delimiter (TAB again when there is none)
  std::uint64_t uEol;    // CR or LF
  std::uint64_t uHigh;   // 0x80 and above
};

// The masks a syntax needs from a block.
struct BlockMasks {
  std::uint64_t uSep;     // TAB, delimiter, CR, LF: the bytes a merged delimiter may follow
  std::uint64_t uAlways;  // bytes that always end a field
  std::uint64_t uMerge;   // bytes that end a field unless right after a separator
  std::uint64_t uEol;
  std::uint64_t uHigh;
};

// The loops below are written once and compiled for each instruction set
// (the processor's is chosen at run time); their helpers must be inlined
// into them.
#define CARTOVEL_INLINE inline __attribute__((always_inline))

// The extra delimiter of a syntax, TAB when there is none.
char DelimiterOf(const TextSyntax& syntax) { return syntax.cDelimiter ? syntax.cDelimiter : kTab; }

// The masks of a syntax from the raw byte classes.
CARTOVEL_INLINE void DeriveMasks(RawMasks raw, const TextSyntax& syntax, BlockMasks* out) {
  raw.uDelim &= ~raw.uEol;  // a line end is a line end, whatever the delimiter
  out->uEol = raw.uEol;
  out->uHigh = raw.uHigh;
  out->uSep = raw.uTab | raw.uDelim | raw.uEol;
  if (!syntax.bMerge) {
    out->uAlways = raw.uTab | raw.uDelim;
    out->uMerge = 0;
  } else if (DelimiterOf(syntax) == kTab) {
    out->uAlways = 0;
    out->uMerge = raw.uTab;
  } else {
    out->uAlways = raw.uTab;
    out->uMerge = raw.uDelim;
  }
}

// Bits [from, to) of a mask, 0 <= from <= to <= 64.
CARTOVEL_INLINE std::uint64_t Bits(std::uint64_t mask, unsigned from, unsigned to) {
  const std::uint64_t below = to >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
  const std::uint64_t above = from >= 64 ? 0 : ~((std::uint64_t{1} << from) - 1);
  return mask & below & above;
}

// The bytes that end a field in a block: every always-byte and each merge
// byte that does not follow a separator.
CARTOVEL_INLINE std::uint64_t FieldEnds(const BlockMasks& m, const TextCursor& cursor) {
  const std::uint64_t prevSep = (m.uSep << 1) | (cursor.bAfterSeparator ? 1u : 0u);
  return m.uAlways | (m.uMerge & ~prevSep);
}

// The cursor after the last byte of a block of `len` bytes whose last
// counted line end sits at `lastEnd` (-1: none in this block).
CARTOVEL_INLINE void CursorAfter(TextCursor& cursor, const BlockMasks& m, std::size_t len, int lastEnd,
                                 unsigned lineStart) {
  cursor.bAfterSeparator = (m.uSep >> (len - 1)) & 1u;
  cursor.bAfterLineEnd = lastEnd == static_cast<int>(len) - 1;
  if (lineStart < len) cursor.bLineOpen = true;
}

#if defined(__x86_64__) || defined(__i386__)
// Sixteen bytes per step; SSE2 is part of every x86-64 processor.
struct Sse2Bytes {
  static CARTOVEL_INLINE void Raw(const char* p, char delim, RawMasks* m) {
    const __m128i tab = _mm_set1_epi8(kTab);
    const __m128i del = _mm_set1_epi8(delim);
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    *m = RawMasks{};
    for (int k = 0; k < 4; ++k) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      const int shift = 16 * k;
      auto bits = [](__m128i v) { return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(v))); };
      m->uTab |= bits(_mm_cmpeq_epi8(x, tab)) << shift;
      m->uDelim |= bits(_mm_cmpeq_epi8(x, del)) << shift;
      m->uEol |= bits(_mm_or_si128(_mm_cmpeq_epi8(x, cr), _mm_cmpeq_epi8(x, lf))) << shift;
      m->uHigh |= bits(x) << shift;
    }
  }
  // Only the line ends of 64 bytes.
  static CARTOVEL_INLINE std::uint64_t Eols(const char* p) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    std::uint64_t eols = 0;
    for (int k = 0; k < 4; ++k) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      const __m128i eol = _mm_or_si128(_mm_cmpeq_epi8(x, cr), _mm_cmpeq_epi8(x, lf));
      eols |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(eol))) << (16 * k);
    }
    return eols;
  }
  // Bits set, without the POPCNT instruction.
  static CARTOVEL_INLINE int Count(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
  }
};

// Thirty-two bytes per step where the processor has AVX2.
struct Avx2Bytes {
  __attribute__((target("avx2"))) static inline std::uint64_t Join(__m256i low, __m256i high) {
    return static_cast<std::uint64_t>(static_cast<unsigned>(_mm256_movemask_epi8(low))) |
           static_cast<std::uint64_t>(static_cast<unsigned>(_mm256_movemask_epi8(high))) << 32;
  }
  __attribute__((target("avx2"))) static inline void Raw(const char* p, char delim, RawMasks* m) {
    const __m256i tab = _mm256_set1_epi8(kTab);
    const __m256i del = _mm256_set1_epi8(delim);
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    m->uTab = Join(_mm256_cmpeq_epi8(lo, tab), _mm256_cmpeq_epi8(hi, tab));
    m->uDelim = delim == kTab ? m->uTab : Join(_mm256_cmpeq_epi8(lo, del), _mm256_cmpeq_epi8(hi, del));
    m->uEol = Join(_mm256_or_si256(_mm256_cmpeq_epi8(lo, cr), _mm256_cmpeq_epi8(lo, lf)),
                   _mm256_or_si256(_mm256_cmpeq_epi8(hi, cr), _mm256_cmpeq_epi8(hi, lf)));
    m->uHigh = Join(lo, hi);
  }
  __attribute__((target("avx2"))) static inline std::uint64_t Eols(const char* p) {
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    return Join(_mm256_or_si256(_mm256_cmpeq_epi8(lo, cr), _mm256_cmpeq_epi8(lo, lf)),
                _mm256_or_si256(_mm256_cmpeq_epi8(hi, cr), _mm256_cmpeq_epi8(hi, lf)));
  }
  __attribute__((target("popcnt"))) static inline int Count(std::uint64_t x) {
    return __builtin_popcountll(x);
  }
};
#define CARTOVEL_TARGET_FAST __attribute__((target("avx2,popcnt,bmi")))
#else
// Byte by byte, off x86.
struct PlainBytes {
  static CARTOVEL_INLINE void Raw(const char* p, char delim, RawMasks* m) {
    *m = RawMasks{};
    for (int i = 0; i < 64; ++i) {
      const char c = p[i];
      const std::uint64_t bit = std::uint64_t{1} << i;
      if (c == kTab) m->uTab |= bit;
      if (c == delim) m->uDelim |= bit;
      if (c == '\r' || c == '\n') m->uEol |= bit;
      if (static_cast<unsigned char>(c) >= 0x80) m->uHigh |= bit;
    }
  }
  static CARTOVEL_INLINE std::uint64_t Eols(const char* p) {
    std::uint64_t eols = 0;
    for (int i = 0; i < 64; ++i) {
      if (p[i] == '\r' || p[i] == '\n') eols |= std::uint64_t{1} << i;
    }
    return eols;
  }
  static CARTOVEL_INLINE int Count(std::uint64_t x) { return std::popcount(x); }
};
#endif

// Classify 64 bytes; `len` < 64 reads only that many (the rest counts as
// ordinary bytes).
template <class B>
CARTOVEL_INLINE void Classify(const char* p, std::size_t len, const TextSyntax& syntax, BlockMasks* out) {
  RawMasks raw{};
  if (len >= 64) {
    B::Raw(p, DelimiterOf(syntax), &raw);
  } else {
    char padded[64] = {};
    std::memcpy(padded, p, len);
    B::Raw(padded, DelimiterOf(syntax), &raw);
  }
  DeriveMasks(raw, syntax, out);
}

// The line ends of 64 bytes (fewer at the end).
template <class B>
CARTOVEL_INLINE std::uint64_t LineEnds(const char* p, std::size_t len) {
  if (len >= 64) return B::Eols(p);
  char padded[64] = {};
  std::memcpy(padded, p, len);
  return B::Eols(padded);
}

// What one byte did in a byte-by-byte walk.
enum ByteStep { STEP_NONE, STEP_FIELD, STEP_LINE };

// The byte rules one byte at a time, quotes included (`quotes`: the syntax
// has them); the fast paths below give the same results for blocks
// without quotes.
ByteStep StepByte(TextCursor& cursor, char c, const TextSyntax& syntax, bool quotes) {
  if (cursor.iQuote == QUOTE_CLOSING) {
    cursor.iQuote = c == '"' ? QUOTE_OPEN : QUOTE_NONE;
    if (c == '"') return STEP_NONE;
  } else if (cursor.iQuote == QUOTE_OPEN) {
    if (c == '"') cursor.iQuote = QUOTE_CLOSING;
    return STEP_NONE;
  }
  if (c == '\r' || c == '\n') {
    if (cursor.bAfterLineEnd) {  // the second byte of a line end pair
      cursor.bAfterLineEnd = false;
      return STEP_NONE;
    }
    cursor.bAfterSeparator = true;
    cursor.bAfterLineEnd = true;
    cursor.bLineOpen = false;
    return STEP_LINE;
  }
  const bool afterSeparator = cursor.bAfterSeparator;
  cursor.bAfterLineEnd = false;
  cursor.bLineOpen = true;
  const char delimiter = DelimiterOf(syntax);
  if (c == kTab || c == delimiter) {
    cursor.bAfterSeparator = true;
    const bool merged = syntax.bMerge && c == delimiter && afterSeparator;
    return merged ? STEP_NONE : STEP_FIELD;
  }
  cursor.bAfterSeparator = false;
  if (quotes && c == '"' && afterSeparator) cursor.iQuote = QUOTE_OPEN;
  return STEP_NONE;
}

// Whether a block must be walked byte by byte: the syntax has quotes and
// the walk is inside one or the block holds one.
bool NeedsByteWalk(const TextCursor& cursor, const char* bytes, std::size_t len, bool quotes) {
  return quotes && (cursor.iQuote != QUOTE_NONE || std::memchr(bytes, '"', len) != nullptr);
}

// CountTextBytes for one block, byte by byte.
void CountBytesOneByOne(TextCount& count, const char* bytes, std::size_t len, const TextSyntax& syntax) {
  for (std::size_t i = 0; i < len; ++i) {
    const ByteStep step = StepByte(count.cursor, bytes[i], syntax, true);
    if (step == STEP_FIELD) {
      ++count.iLineFields;
    } else if (step == STEP_LINE) {
      if (count.iLineFields + 1 > count.iMaxFields) count.iMaxFields = count.iLineFields + 1;
      ++count.iLines;
      count.iLineFields = 0;
    }
  }
}

// SkipTextLines for one block, byte by byte: the position after the line
// end that made *passed reach `lines`, or len.
std::size_t SkipBytesOneByOne(TextCursor& cursor, const char* bytes, std::size_t len, std::int64_t lines,
                              const TextSyntax& syntax, std::int64_t* passed) {
  for (std::size_t i = 0; i < len; ++i) {
    if (StepByte(cursor, bytes[i], syntax, true) == STEP_LINE && ++*passed == lines) return i + 1;
  }
  return len;
}

// CountTextBytes, for one instruction set.
template <class B>
CARTOVEL_INLINE void CountBody(TextCount& count, const char* bytes, std::size_t n, const TextSyntax& syntax) {
  const bool quotes = TextHasQuotes(syntax);
  for (std::size_t at = 0; at < n; at += 64) {
    const std::size_t len = n - at < 64 ? n - at : 64;
    BlockMasks m{};
    Classify<B>(bytes + at, len, syntax, &m);
    if (count.utf8.bValid && (m.uHigh || count.utf8.iNeed)) Utf8CheckBytes(count.utf8, bytes + at, len);
    if (NeedsByteWalk(count.cursor, bytes + at, len, quotes)) {
      CountBytesOneByOne(count, bytes + at, len, syntax);
      continue;
    }
    const std::uint64_t ends = FieldEnds(m, count.cursor);
    unsigned lineStart = 0;  // first byte of the current line in this block
    int lastEnd = -1;        // the last counted line end in this block
    for (std::uint64_t eols = m.uEol; eols; eols &= eols - 1) {
      const unsigned i = static_cast<unsigned>(std::countr_zero(eols));
      const bool skipped = i == 0 ? count.cursor.bAfterLineEnd : lastEnd == static_cast<int>(i) - 1;
      if (skipped) {
        lastEnd = -1;
        lineStart = i + 1;
        continue;
      }
      const std::int64_t fields = count.iLineFields + B::Count(Bits(ends, lineStart, i)) + 1;
      if (fields > count.iMaxFields) count.iMaxFields = fields;
      ++count.iLines;
      count.iLineFields = 0;
      count.cursor.bLineOpen = false;
      lastEnd = static_cast<int>(i);
      lineStart = i + 1;
    }
    count.iLineFields += B::Count(Bits(ends, lineStart, static_cast<unsigned>(len)));
    CursorAfter(count.cursor, m, len, lastEnd, lineStart);
  }
}

// FindFieldEnd, for one instruction set.
template <class B>
CARTOVEL_INLINE std::size_t FindBody(const char* bytes, std::size_t n, const TextSyntax& syntax) {
  for (std::size_t at = 0; at < n; at += 64) {
    const std::size_t len = n - at < 64 ? n - at : 64;
    BlockMasks m{};
    Classify<B>(bytes + at, len, syntax, &m);
    const std::uint64_t sep = Bits(m.uSep, 0, static_cast<unsigned>(len));
    if (sep) return at + static_cast<std::size_t>(std::countr_zero(sep));
  }
  return n;
}

// SkipTextLines, for one instruction set.
template <class B>
CARTOVEL_INLINE std::size_t SkipBody(TextCursor& cursor, const char* bytes, std::size_t n, std::int64_t lines,
                                     const TextSyntax& syntax, std::int64_t* passed) {
  *passed = 0;
  if (lines <= 0) return 0;
  const bool quotes = TextHasQuotes(syntax);
  for (std::size_t at = 0; at < n; at += 64) {
    const std::size_t len = n - at < 64 ? n - at : 64;
    if (NeedsByteWalk(cursor, bytes + at, len, quotes)) {
      const std::size_t end = SkipBytesOneByOne(cursor, bytes + at, len, lines, syntax, passed);
      if (*passed == lines) return at + end;
      continue;
    }
    unsigned lineStart = 0;
    int lastEnd = -1;
    for (std::uint64_t eols = LineEnds<B>(bytes + at, len); eols; eols &= eols - 1) {
      const unsigned i = static_cast<unsigned>(std::countr_zero(eols));
      const bool skipped = i == 0 ? cursor.bAfterLineEnd : lastEnd == static_cast<int>(i) - 1;
      lineStart = i + 1;
      if (skipped) {
        lastEnd = -1;
        continue;
      }
      lastEnd = static_cast<int>(i);
      cursor.bLineOpen = false;
      if (++*passed == lines) {
        cursor.bAfterSeparator = true;
        cursor.bAfterLineEnd = true;
        return at + i + 1;
      }
    }
    // Only the last byte of the block matters to the cursor here.
    const char last = bytes[at + len - 1];
    const char delim = DelimiterOf(syntax);
    cursor.bAfterSeparator = last == '\t' || last == delim || last == '\r' || last == '\n';
    cursor.bAfterLineEnd = lastEnd == static_cast<int>(len) - 1;
    if (lineStart < len) cursor.bLineOpen = true;
  }
  return n;
}

#ifdef CARTOVEL_TARGET_FAST
using BaseBytes = Sse2Bytes;

// The three scans compiled for AVX2, POPCNT and BMI.

void CountFast(TextCount& count, const char* bytes, std::size_t n, const TextSyntax& syntax) CARTOVEL_TARGET_FAST;
void CountFast(TextCount& count, const char* bytes, std::size_t n, const TextSyntax& syntax) {
  CountBody<Avx2Bytes>(count, bytes, n, syntax);
}
std::size_t FindFast(const char* bytes, std::size_t n, const TextSyntax& syntax) CARTOVEL_TARGET_FAST;
std::size_t FindFast(const char* bytes, std::size_t n, const TextSyntax& syntax) {
  return FindBody<Avx2Bytes>(bytes, n, syntax);
}
std::size_t SkipFast(TextCursor& cursor, const char* bytes, std::size_t n, std::int64_t lines,
                     const TextSyntax& syntax, std::int64_t* passed) CARTOVEL_TARGET_FAST;
std::size_t SkipFast(TextCursor& cursor, const char* bytes, std::size_t n, std::int64_t lines,
                     const TextSyntax& syntax, std::int64_t* passed) {
  return SkipBody<Avx2Bytes>(cursor, bytes, n, lines, syntax, passed);
}

// Whether this processor runs the AVX2 forms.
bool Fast() {
  static const bool fast = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi");
  }();
  return fast;
}
#else
using BaseBytes = PlainBytes;
#endif

}  // namespace

void Utf8CheckBytes(Utf8Check& check, const char* bytes, std::size_t n) {
  for (std::size_t i = 0; i < n && check.bValid; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (check.iNeed > 0) {
      if (c < check.uLow || c > check.uHigh) {
        check.bValid = false;
        break;
      }
      --check.iNeed;
      check.uLow = 0x80;
      check.uHigh = 0xBF;
      continue;
    }
    if (c < 0x80) continue;
    if (c >= 0xC2 && c <= 0xDF) {
      check.iNeed = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      check.iNeed = 2;
      if (c == 0xE0) check.uLow = 0xA0;   // no overlong forms
      if (c == 0xED) check.uHigh = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      check.iNeed = 3;
      if (c == 0xF0) check.uLow = 0x90;
      if (c == 0xF4) check.uHigh = 0x8F;  // nothing above U+10FFFF
    } else {
      check.bValid = false;
    }
  }
}

bool Utf8CheckDone(const Utf8Check& check) { return check.bValid && check.iNeed == 0; }

void CountTextBytes(TextCount& count, const char* bytes, std::size_t n, const TextSyntax& syntax) {
#ifdef CARTOVEL_TARGET_FAST
  if (Fast()) return CountFast(count, bytes, n, syntax);
#endif
  CountBody<BaseBytes>(count, bytes, n, syntax);
}

void CountTextEnd(TextCount& count) {
  if (!count.cursor.bLineOpen) return;
  const std::int64_t fields = count.iLineFields + 1;
  if (fields > count.iMaxFields) count.iMaxFields = fields;
  ++count.iLines;
  count.iLineFields = 0;
  count.cursor.bLineOpen = false;
}

std::size_t FindFieldEnd(const char* bytes, std::size_t n, const TextSyntax& syntax) {
#ifdef CARTOVEL_TARGET_FAST
  if (Fast()) return FindFast(bytes, n, syntax);
#endif
  return FindBody<BaseBytes>(bytes, n, syntax);
}

std::size_t SkipTextLines(TextCursor& cursor, const char* bytes, std::size_t n, std::int64_t lines,
                          const TextSyntax& syntax, std::int64_t* passed) {
#ifdef CARTOVEL_TARGET_FAST
  if (Fast()) return SkipFast(cursor, bytes, n, lines, syntax, passed);
#endif
  return SkipBody<BaseBytes>(cursor, bytes, n, lines, syntax, passed);
}

bool TextHasQuotes(const TextSyntax& syntax) {
  return syntax.cDelimiter != 0 && syntax.cDelimiter != kTab && syntax.cDelimiter != '"';
}

std::size_t FindQuotedFieldEnd(TextCursor& cursor, const char* bytes, std::size_t n, const TextSyntax& syntax) {
  std::size_t at = 0;
  if (cursor.iQuote == QUOTE_NONE && cursor.bAfterSeparator && n > 0 && bytes[0] == '"') {
    cursor.iQuote = QUOTE_OPEN;
    at = 1;
  }
  while (cursor.iQuote != QUOTE_NONE) {
    if (at == n) return n;
    if (cursor.iQuote == QUOTE_CLOSING) {
      cursor.iQuote = bytes[at] == '"' ? QUOTE_OPEN : QUOTE_NONE;
      if (cursor.iQuote == QUOTE_OPEN) ++at;
      continue;
    }
    const void* quote = std::memchr(bytes + at, '"', n - at);
    if (!quote) return n;
    at = static_cast<std::size_t>(static_cast<const char*>(quote) - bytes) + 1;
    cursor.iQuote = QUOTE_CLOSING;
  }
  return at + FindFieldEnd(bytes + at, n - at, syntax);
}

void UnquoteField(std::string_view raw, std::string* out) {
  std::size_t i = raw.empty() || raw[0] != '"' ? 0 : 1;
  bool quoted = i == 1;
  bool lineEnd = false;  // the last byte was a line end inside the quotes
  for (; i < raw.size(); ++i) {
    const char c = raw[i];
    if (quoted && c == '"') {
      if (i + 1 < raw.size() && raw[i + 1] == '"') {
        out->push_back('"');
        ++i;
      } else {
        quoted = false;
      }
      lineEnd = false;
      continue;
    }
    if (c == '\r' || c == '\n') {
      if (!lineEnd) out->push_back(' ');
      lineEnd = true;
      continue;
    }
    lineEnd = false;
    out->push_back(c);
  }
}
