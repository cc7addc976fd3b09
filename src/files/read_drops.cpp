#include "files/read_drops.h"

#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

bool bCollecting = false;
ReadDrops collected;

}  // namespace

bool ReadDrops::Any() const {
  for (const std::int64_t count : iCount) {
    if (count > 0) return true;
  }
  return false;
}

void DropsBegin() {
  collected = ReadDrops{};
  bCollecting = true;
}

void NoteDrop(DropKind kind, std::int64_t count) {
  if (!bCollecting || kind < 0 || kind >= DROP_KINDS || count <= 0) return;
  collected.iCount[static_cast<std::size_t>(kind)] += count;
}

ReadDrops DropsTake() {
  bCollecting = false;
  const ReadDrops drops = collected;
  collected = ReadDrops{};
  return drops;
}

std::string DropLine(DropKind kind, std::int64_t count) {
  // What each kind of drop is, after its count; in the order of DropKind.
  static constexpr const char* kWhat[DROP_KINDS] = {
      " cells beyond the table's last row or column were not read",
      " formula, colour or style lines of cells beyond the table were not read",
      " cell texts longer than 999 bytes were cut to 999 bytes",
      " formulas beyond the 3000 a table holds were not read",
      " formulas longer than 999 characters were not read",
      " cells of the private file could not be decoded and were left empty",
      " bytes at the end of the file, beyond what a table file can hold, were not read",
  };
  if (kind < 0 || kind >= DROP_KINDS) return {};
  return JoinText(FormatInt(count), kWhat[kind]);
}

void ReportReadDrops(const ReadDrops& drops) {
  const auto count = [&](DropKind kind) { return drops.iCount[static_cast<std::size_t>(kind)]; };
  // A message of two texts around the count, when there is a count.
  const auto showCounted = [&](DropKind kind, TextId before, TextId after) {
    if (count(kind) > 0) ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(Text(before), FormatInt(count(kind)), Text(after)));
  };
  if (count(DROP_CELLS_BEYOND_TABLE) > 0 || count(DROP_ENTRIES_BEYOND_TABLE) > 0 || count(DROP_FILE_CUT) > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_FILE_CELLS_CUT));
  }
  showCounted(DROP_FIELDS_UNDECODABLE, TXT_FIELDS_UNDECODABLE_1, TXT_FIELDS_UNDECODABLE_2);
  if (count(DROP_FORMULAS_FULL) > 0) ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_REGISTRY_FULL));
  showCounted(DROP_FORMULAS_TOO_LONG, TXT_FORMULAS_TOO_LONG_1, TXT_FORMULAS_TOO_LONG_2);
  showCounted(DROP_TEXTS_CUT, TXT_TEXTS_CUT_1, TXT_TEXTS_CUT_2);
}
