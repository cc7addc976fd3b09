#include "files/read_drops.h"

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "platform/message_box.h"

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
  const std::string n = FormatInt(count);
  switch (kind) {
    case DROP_CELLS_BEYOND_TABLE:
      return JoinText(n, " cells beyond the table's last row or column were not read");
    case DROP_ENTRIES_BEYOND_TABLE:
      return JoinText(n, " formula, colour or style lines of cells beyond the table were not read");
    case DROP_TEXTS_CUT:
      return JoinText(n, " cell texts longer than 999 bytes were cut to 999 bytes");
    case DROP_FORMULAS_FULL:
      return JoinText(n, " formulas beyond the 3000 a table holds were not read");
    case DROP_FORMULAS_TOO_LONG:
      return JoinText(n, " formulas longer than 999 characters were not read");
    case DROP_FIELDS_UNDECODABLE:
      return JoinText(n, " cells of the private file could not be decoded and were left empty");
    case DROP_FILE_CUT:
      return JoinText(n, " bytes at the end of the file, beyond what a table file can hold, were not read");
    default:
      return {};
  }
}

void ShowReadDrops(const ReadDrops& drops) {
  const auto count = [&](DropKind kind) { return drops.iCount[static_cast<std::size_t>(kind)]; };
  if (count(DROP_CELLS_BEYOND_TABLE) > 0 || count(DROP_ENTRIES_BEYOND_TABLE) > 0 || count(DROP_FILE_CUT) > 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_FILE_CELLS_CUT));
  }
  if (count(DROP_FIELDS_UNDECODABLE) > 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_FIELDS_UNDECODABLE_1),
                                                    FormatInt(count(DROP_FIELDS_UNDECODABLE)),
                                                    Text(TXT_FIELDS_UNDECODABLE_2)));
  }
  if (count(DROP_FORMULAS_FULL) > 0) ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_REGISTRY_FULL));
  if (count(DROP_FORMULAS_TOO_LONG) > 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_FORMULAS_TOO_LONG_1),
                                                    FormatInt(count(DROP_FORMULAS_TOO_LONG)),
                                                    Text(TXT_FORMULAS_TOO_LONG_2)));
  }
  if (count(DROP_TEXTS_CUT) > 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE),
                JoinText(Text(TXT_TEXTS_CUT_1), FormatInt(count(DROP_TEXTS_CUT)), Text(TXT_TEXTS_CUT_2)));
  }
}
