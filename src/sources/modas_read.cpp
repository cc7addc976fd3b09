#include <algorithm>
#include <cmath>

#include "files/text_source.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/modas_import.h"
#include "table/cell_store.h"
#include "table/number_format.h"

namespace {

constexpr std::size_t kFieldChars = MODAS_TEXT_BYTES - 1;

// Whether a line counts: its first field begins with a digit, or with a
// sign and a digit (western longitudes and southern latitudes of a station).
bool StartsWithNumber(std::string_view field) {
  if (!field.empty() && (field[0] == '-' || field[0] == '+')) field.remove_prefix(1);
  return !field.empty() && field[0] >= '0' && field[0] <= '9';
}

// Whether the last three fields of a line were kept whole (a trailer can
// only be fixed from, and compared with, whole fields).
bool TrailerWhole(const ModasLine& line) {
  if (line.nFields < 3) return false;
  const std::uint32_t last3 = 7u << (line.nFields - 3);
  return (line.iLongMask & last3) == 0;
}

// Whether a station at (lon, lat) passes the position filter.
bool PositionPasses(const ModasReader& r, std::string_view lonText, std::string_view latText) {
  double lon = 0.0;
  double lat = 0.0;
  if (!ReadWholeNumber(lonText, &lon) || !ReadWholeNumber(latText, &lat)) return false;
  const bool whole = lon == std::trunc(lon) && lat == std::trunc(lat);
  const bool inside = lon >= r.dLonLow && lon <= r.dLonHigh && lat >= r.dLatLow && lat <= r.dLatHigh;
  switch (r.options.iPositionMode) {
    case MODAS_POSITION_INTEGER: return whole;
    case MODAS_POSITION_AREA: return inside;
    default: return whole && inside;
  }
}

// Whether a depth passes the depth filter.
bool DepthPasses(const ModasReader& r, double depth) {
  const auto first = r.dDepths.begin();
  const auto last = first + r.nDepthNumbers;
  switch (r.options.iDepthMode) {
    case MODAS_DEPTH_ALL: return true;
    case MODAS_DEPTH_RANGE:
      return r.nDepthNumbers == 2 && depth >= std::min(first[0], first[1]) && depth <= std::max(first[0], first[1]);
    default: return std::find(first, last, depth) != last;  // one depth, or one of a set
  }
}

// The header row: sequence number, position, depth, the chosen items and
// the trailer; with one depth a title cell first.
void WriteHeader(ModasReader& r) {
  TableDocument& t = *r.pTable;
  const ModasOptions& o = r.options;
  if (o.iDepthMode == MODAS_DEPTH_ONE) {
    const std::string_view first = o.nItems > 0 ? ModasItemName(o.items[0]) : std::string_view();
    TableStoreCellText(t, 1, 1,
                       JoinText(first, "(", Text(TXT_MODAS_HEAD_AT_DEPTH), TextOf(o.szDepths[0]), ")"));
  }
  int col = r.iFirstCol;
  for (const TextId head : {TXT_MODAS_HEAD_NUMBER, TXT_MODAS_HEAD_LONGITUDE, TXT_MODAS_HEAD_LATITUDE, TXT_MODAS_HEAD_DEPTH}) {
    TableStoreCellText(t, 1, col++, Text(head));
  }
  for (int i = 0; i < o.nItems; ++i) TableStoreCellText(t, 1, col++, ModasItemName(o.items[static_cast<std::size_t>(i)]));
  TableStoreCellText(t, 1, col,
                     JoinText("(", TextOf(r.szTrailer[0]), "-", TextOf(r.szTrailer[1]), "-", TextOf(r.szTrailer[2]), ")"));
  r.bHeader = true;
}

// A depth line of a passing station: written when its depth passes, all
// chosen items are there and none is the missing-value mark.
void ReadDepthLine(ModasReader& r) {
  const ModasLine& line = r.line;
  double depth = 0.0;
  if (!ReadWholeNumber(line.Field(0), &depth) || !DepthPasses(r, depth)) return;
  for (int i = 0; i < r.options.nItems; ++i) {
    const int item = r.options.items[static_cast<std::size_t>(i)];
    double value = 0.0;
    if (item >= line.nFields) return;
    if (ReadWholeNumber(line.Field(item), &value) && value == MODAS_MISSING) return;
  }
  TableDocument& t = *r.pTable;
  if (r.iNextRow >= t.iRows) {
    ++r.iLeftOut;
    return;
  }
  const int row = r.iNextRow++;
  int col = r.iFirstCol;
  TableStoreCellText(t, row, col++, FormatInt(++r.iWritten));
  TableStoreCellText(t, row, col++, TextOf(r.szLongitude));
  TableStoreCellText(t, row, col++, TextOf(r.szLatitude));
  TableStoreCellText(t, row, col++, FormatNumber(depth == 0.0 ? 0.0 : -depth));
  for (int i = 0; i < r.options.nItems; ++i) {
    TableStoreCellText(t, row, col++, line.Field(r.options.items[static_cast<std::size_t>(i)]));
  }
}

// Whether a byte ends a field.
bool IsSeparator(char c, const TextSyntax& syntax) {
  return c == '\t' || (syntax.cDelimiter != 0 && c == syntax.cDelimiter);
}

// How many bytes of a line end a field. Written as a plain sum over the
// bytes, with the delimiter in a local, so that it runs many bytes a step.
std::size_t CountSeparators(std::string_view text, const TextSyntax& syntax) {
  const char delimiter = syntax.cDelimiter != 0 ? syntax.cDelimiter : '\t';
  std::size_t count = 0;
  for (const char c : text) count += static_cast<std::size_t>((c == '\t') | (c == delimiter));
  return count;
}

// The first and the last non-empty field of a line, cleaned; `scratch`
// holds a cleaned text.
std::string_view FirstField(std::string_view text, const TextSyntax& syntax, std::string& scratch) {
  std::size_t pos = 0;
  while (pos != std::string_view::npos) {
    std::size_t next = 0;
    const std::string_view field = NormalizeField(NextField(text, pos, syntax, &next), scratch);
    if (!field.empty()) return field;
    pos = next;
  }
  return {};
}

std::string_view LastField(std::string_view text, const TextSyntax& syntax, std::string& scratch) {
  std::size_t end = text.size();
  while (end > 0) {
    std::size_t begin = end;
    while (begin > 0 && !IsSeparator(text[begin - 1], syntax)) --begin;
    const std::string_view field = NormalizeField(text.substr(begin, end - begin), scratch);
    if (!field.empty()) return field;
    end = begin > 0 ? begin - 1 : 0;
  }
  return {};
}

// Whether a line can be passed over without splitting it: once the trailer
// is known, a line whose last field differs from the trailer's is a depth
// line, and one of no station, of a station the position filter drops, or
// at a depth the depth filter drops is not read. The last field read
// backwards is the last one kept only for a line of at most
// MODAS_LINE_FIELDS fields, which its separators show; anything in doubt
// takes the full split.
bool CanPassOver(ModasReader& r, std::string_view text) {
  if (!r.bTrailer) return false;
  if (CountSeparators(text, r.syntax) >= MODAS_LINE_FIELDS) return false;
  if (LastField(text, r.syntax, r.scratch) == TextOf(r.szTrailer[2])) return false;  // may be a station
  if (!r.bStation || !r.bStationPasses) return true;
  const std::string_view first = FirstField(text, r.syntax, r.scratch);
  double depth = 0.0;
  return first.size() <= kFieldChars && StartsWithNumber(first) && ReadWholeNumber(first, &depth) &&
         !DepthPasses(r, depth);
}

}  // namespace

void SplitModasLine(std::string_view text, const TextSyntax& syntax, ModasLine* out, std::string& scratch) {
  out->nFields = 0;
  out->iLongMask = 0;
  std::size_t pos = 0;
  while (pos != std::string_view::npos && out->nFields < MODAS_LINE_FIELDS) {
    std::size_t next = 0;
    const std::string_view field = NormalizeField(NextField(text, pos, syntax, &next), scratch);
    pos = next;
    if (field.empty()) continue;
    const std::size_t i = static_cast<std::size_t>(out->nFields++);
    const std::size_t kept = std::min(field.size(), kFieldChars);
    std::copy_n(field.data(), kept, out->szFields[i].data());
    out->szFields[i][kept] = '\0';
    out->iLengths[i] = static_cast<std::uint8_t>(kept);
    if (field.size() > kFieldChars) out->iLongMask |= 1u << i;
  }
}

void ModasReaderStart(ModasReader& r, TableDocument& t, const TextSyntax& syntax, const ModasOptions& options) {
  r = ModasReader{};
  r.pTable = &t;
  r.syntax = syntax;
  r.options = options;
  std::array<double, 4> area{};
  for (std::size_t i = 0; i < 4; ++i) ReadWholeNumber(TextOf(options.szArea[i]), &area[i]);
  // The first pair is meant as the north-west corner; either order reads.
  r.dLonLow = std::min(area[0], area[2]);
  r.dLonHigh = std::max(area[0], area[2]);
  r.dLatLow = std::min(area[1], area[3]);
  r.dLatHigh = std::max(area[1], area[3]);
  for (int i = 0; i < options.nDepths; ++i) {
    double depth = 0.0;
    if (ReadWholeNumber(TextOf(options.szDepths[static_cast<std::size_t>(i)]), &depth)) {
      r.dDepths[static_cast<std::size_t>(r.nDepthNumbers++)] = depth;
    }
  }
  r.iFirstCol = options.iDepthMode == MODAS_DEPTH_ONE ? 2 : 1;
}

bool ModasReader::Line(std::string_view text) {
  if (CanPassOver(*this, text)) return true;
  SplitModasLine(text, syntax, &line, scratch);
  if (line.nFields == 0 || !StartsWithNumber(line.Field(0))) return true;
  const bool trailerWhole = TrailerWhole(line);
  if (!bTrailer) {
    if (!trailerWhole) {
      if (line.TooLong()) ++iLongLines;
      return true;
    }
    for (int i = 0; i < 3; ++i) szTrailer[static_cast<std::size_t>(i)] = line.szFields[static_cast<std::size_t>(line.nFields - 3 + i)];
    bTrailer = true;
  }
  bool station = trailerWhole;
  for (int i = 0; i < 3 && station; ++i) {
    station = line.Field(line.nFields - 3 + i) == TextOf(szTrailer[static_cast<std::size_t>(i)]);
  }
  if (station) {
    if (line.TooLong()) {
      // A value cut to nine characters would read as another number; the
      // depth lines that follow belong to no known station.
      ++iLongLines;
      bStation = false;
      return true;
    }
    bStation = true;
    szLongitude = line.szFields[0];
    szLatitude = line.szFields[1];
    bStationPasses = PositionPasses(*this, line.Field(0), line.Field(1));
    if (!bHeader) WriteHeader(*this);
    return true;
  }
  if (!bStation || !bStationPasses) return true;  // a depth line nobody reads
  double depth = 0.0;
  if ((line.iLongMask & 1u) == 0 && ReadWholeNumber(line.Field(0), &depth) && !DepthPasses(*this, depth)) return true;
  if (line.TooLong()) {
    ++iLongLines;
    return true;
  }
  ReadDepthLine(*this);
  return true;
}

int ModasReadSource(ModasReader& reader, const TextSource& source, std::int64_t start, std::size_t chunkBytes) {
  const int status = ReadSourceLines(source, start, chunkBytes, reader);
  reader.pTable->bModified = 1;
  return status;
}

void ModasReportLeftOut(const ModasReader& reader) {
  if (reader.iLongLines > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(FormatInt(reader.iLongLines), Text(TXT_MODAS_LONG_VALUES)));
  }
  if (reader.iLeftOut > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(FormatInt(reader.iLeftOut), Text(TXT_SOURCE_TABLE_FULL)));
  }
}
