#include "formula/formula_line_shift.h"

#include <algorithm>

#include "formula/formula_tokens.h"
#include "platform/number_text.h"

namespace {

// A reference as read, and whether it reads at all.
struct Ref {
  int row = 0;
  int col = 0;
  bool ok = false;
};

Ref ReadRef(std::string_view token) {
  Ref ref;
  ref.ok = ReadRefToken(token, &ref.row, &ref.col);
  return ref;
}

// Where line `line` goes; 0 when it was deleted.
int MovedLine(int line, int at, int count) {
  if (count > 0) return line >= at ? line + count : line;
  const int last = at - count - 1;
  if (line < at) return line;
  if (line > last) return line + count;
  return 0;
}

std::string RefText(int row, int col) {
  std::string out("R");
  out.append(row > 0 ? FormatInt(row) : std::string("?REF?"));
  out.append("C");
  out.append(col > 0 ? FormatInt(col) : std::string("?REF?"));
  return out;
}

// A single reference after the change.
std::string ShiftedRef(const Ref& ref, bool rows, int at, int count) {
  const int row = rows ? MovedLine(ref.row, at, count) : ref.row;
  const int col = rows ? ref.col : MovedLine(ref.col, at, count);
  return RefText(row, col);
}

// A range "a:b" after the change; empty when it lies wholly in a deleted
// span.
std::string ShiftedRange(Ref a, Ref b, bool rows, int at, int count) {
  int& la = rows ? a.row : a.col;
  int& lb = rows ? b.row : b.col;
  if (count < 0) {
    const int last = at - count - 1;
    const int lo = std::min(la, lb);
    const int hi = std::max(la, lb);
    if (lo >= at && hi <= last) return {};
    // A corner inside the span moves to the nearest line of the range
    // that survives: the low corner after the span, the high one before.
    for (int* line : {&la, &lb}) {
      if (*line < at || *line > last) continue;
      *line = *line == lo ? last + 1 : at - 1;
    }
  }
  la = MovedLine(la, at, count);
  lb = MovedLine(lb, at, count);
  return RefText(a.row, a.col) + ":" + RefText(b.row, b.col);
}

}  // namespace

std::string ShiftTextForLines(std::string_view text, char bar, int at, int count) {
  if (count == 0 || text.find('R') == std::string_view::npos) return std::string(text);
  const bool rows = bar == 'R';
  std::string out;
  std::size_t from = 0;
  RefToken token{};
  while (FindRefToken(text, from, &token)) {
    out.append(text.substr(from, token.pos - from));
    from = token.pos + token.len;
    const std::string_view first = text.substr(token.pos, token.len);
    const Ref a = ReadRef(first);
    if (!a.ok) {
      out.append(first);
      continue;
    }
    // "token:token" is a range.
    RefToken second{};
    if (from < text.size() && text[from] == ':' && FindRefToken(text, from + 1, &second) && second.pos == from + 1) {
      const Ref b = ReadRef(text.substr(second.pos, second.len));
      if (b.ok) {
        const std::string range = ShiftedRange(a, b, rows, at, count);
        out.append(range.empty() ? std::string("?REF?") : range);
        from = second.pos + second.len;
        continue;
      }
    }
    out.append(ShiftedRef(a, rows, at, count));
  }
  out.append(text.substr(from));
  return out;
}
