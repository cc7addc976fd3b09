#include "table/long_text.h"

#include <algorithm>
#include <cstring>

#include "platform/memory.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/table_access.h"

namespace {

using LongTextSlot = std::array<char, LONG_TEXT_BYTES>;

// The slot's storage, or null outside the pool.
const LongTextSlot* SlotAt(const TableDocument& t, int slot) {
  if (slot < 0) return nullptr;
  if (slot < LONG_TEXT_SLOTS) return &t.szLongText[static_cast<std::size_t>(slot)];
  const int grown = slot - LONG_TEXT_SLOTS;
  return grown < t.iGrownLongTextSlots ? &t.grownLongText[grown] : nullptr;
}

LongTextSlot* SlotAt(TableDocument& t, int slot) {
  return const_cast<LongTextSlot*>(SlotAt(static_cast<const TableDocument&>(t), slot));
}

// Give the pool more slots: the grown part doubles (at least LONG_TEXT_SLOTS
// more), up to one slot per cell. The slots keep their numbers and texts.
// -1 when there is no memory or no more room.
int GrowPool(TableDocument& t) {
  const int old = t.iGrownLongTextSlots;
  const int room = LONG_TEXT_SLOT_LIMIT - LONG_TEXT_SLOTS - old;
  if (room <= 0) return -1;
  const int more = std::min(std::max(old, LONG_TEXT_SLOTS), room);
  auto* grown = static_cast<LongTextSlot*>(
      MemoryAllocZeroed(static_cast<std::size_t>(old + more) * sizeof(LongTextSlot)));
  if (!grown) return -1;
  if (old > 0) std::memcpy(grown, t.grownLongText, static_cast<std::size_t>(old) * sizeof(LongTextSlot));
  MemoryFree(t.grownLongText);
  t.grownLongText = grown;
  t.iGrownLongTextSlots = old + more;
  return 0;
}

}  // namespace

int IsLongTextRef(std::string_view text) {
  if (text.size() < 5 || text.substr(0, 4) != "CHAR") return -1;
  return (text[4] >= '0' && text[4] <= '9') ? 1 : -1;
}

int LongTextSlotCount(const TableDocument& t) { return LONG_TEXT_SLOTS + t.iGrownLongTextSlots; }

int LongTextSlotOf(const TableDocument& t, std::string_view text) {
  if (text.substr(0, 4) != "CHAR") return -1;
  const int slot = TextToInt(text.substr(4));
  return (slot < 0 || slot >= LongTextSlotCount(t)) ? -1 : slot;
}

std::string_view LongTextAt(const TableDocument& t, int slot) {
  const LongTextSlot* text = SlotAt(t, slot);
  return text ? TextOf(*text) : std::string_view();
}

int LongTextResolve(const TableDocument& t, std::string& text) {
  const int slot = LongTextSlotOf(t, text);
  if (slot < 0) return -1;
  text.assign(LongTextAt(t, slot));
  return 0;
}

int LongTextResolve(WindowHandle hwnd, std::string& text) {
  TableLockGuard t(hwnd);
  return t ? LongTextResolve(*t.get(), text) : -1;
}

int LongTextRelease(TableDocument& t, std::string_view text) {
  const int slot = LongTextSlotOf(t, text);
  if (slot < 0) return -1;
  SlotAt(t, slot)->fill('\0');
  if (slot < t.iLongTextFreeHint) t.iLongTextFreeHint = slot;
  return 0;
}

int LongTextRelease(WindowHandle hwnd, std::string_view text) {
  TableLockGuard t(hwnd);
  return t ? LongTextRelease(*t.get(), text) : -1;
}

int LongTextStore(TableDocument& t, std::string_view text) {
  int slot = t.iLongTextFreeHint < 0 ? 0 : t.iLongTextFreeHint;
  while (slot < LongTextSlotCount(t) && !TextIsEmpty(*SlotAt(t, slot))) ++slot;
  if (slot >= LongTextSlotCount(t) && GrowPool(t) != 0) {
    t.iLongTextFreeHint = slot;
    return -1;
  }
  CopyText(*SlotAt(t, slot), text);
  t.iLongTextFreeHint = slot + 1;
  return slot;
}

void LongTextClearAll(TableDocument& t) {
  // Slots never written stay untouched (and out of resident memory).
  for (LongTextSlot& slot : t.szLongText) {
    if (slot[0] != '\0') slot[0] = '\0';
  }
  LongTextFreeGrown(t);
  t.iLongTextFreeHint = 0;
}

void LongTextFreeGrown(TableDocument& t) {
  MemoryFree(t.grownLongText);
  t.grownLongText = nullptr;
  t.iGrownLongTextSlots = 0;
}

int LongTextTakeLost(TableDocument& t) {
  const int lost = t.iLongTextLost;
  t.iLongTextLost = 0;
  return lost;
}
