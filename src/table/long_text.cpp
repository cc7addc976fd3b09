#include "table/long_text.h"

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/table_access.h"

int IsLongTextRef(std::string_view text) {
  if (text.size() < 5 || text.substr(0, 4) != "CHAR") return -1;
  return (text[4] >= '0' && text[4] <= '9') ? 1 : -1;
}

int LongTextSlotOf(std::string_view text) {
  if (text.substr(0, 4) != "CHAR") return -1;
  const int slot = TextToInt(text.substr(4));
  return (slot < 0 || slot >= LONG_TEXT_SLOTS) ? -1 : slot;
}

int LongTextResolve(const TableDocument& t, std::string& text) {
  const int slot = LongTextSlotOf(text);
  if (slot < 0) return -1;
  text.assign(TextOf(t.szLongText[slot]));
  return 0;
}

int LongTextResolve(WindowHandle hwnd, std::string& text) {
  TableLockGuard t(hwnd);
  return t ? LongTextResolve(*t.get(), text) : -1;
}

int LongTextRelease(TableDocument& t, std::string_view text) {
  const int slot = LongTextSlotOf(text);
  if (slot < 0) return -1;
  t.szLongText[slot].fill('\0');
  if (slot < t.iLongTextFreeHint) t.iLongTextFreeHint = slot;
  return 0;
}

int LongTextRelease(WindowHandle hwnd, std::string_view text) {
  TableLockGuard t(hwnd);
  return t ? LongTextRelease(*t.get(), text) : -1;
}

int LongTextStore(TableDocument& t, std::string_view text) {
  int slot = t.iLongTextFreeHint < 0 ? 0 : t.iLongTextFreeHint;
  while (slot < LONG_TEXT_SLOTS && !TextIsEmpty(t.szLongText[slot])) ++slot;
  if (slot >= LONG_TEXT_SLOTS) {
    t.iLongTextFreeHint = LONG_TEXT_SLOTS;
    return -1;
  }
  CopyText(t.szLongText[slot], text);
  t.iLongTextFreeHint = slot + 1;
  return slot;
}
