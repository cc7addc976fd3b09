#include "table/long_text.h"

#include <algorithm>
#include <cstring>

#include "platform/memory.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/table_access.h"

namespace {

using LongTextSlot = std::array<char, LONG_TEXT_BYTES>;
using LongTextChunk = std::array<LongTextSlot, LONG_TEXT_SLOTS>;

// Texts a table takes before the rest of its record's slots are readied
// in one go.
constexpr int kFillingSlots = 64;

// The slot's storage, or null outside the pool.
const LongTextSlot* SlotAt(const TableDocument& t, int slot) {
  if (slot < 0) return nullptr;
  const int chunk = slot / LONG_TEXT_SLOTS;
  const std::size_t index = static_cast<std::size_t>(slot % LONG_TEXT_SLOTS);
  if (chunk == 0) return &t.szLongText[index];
  return chunk <= t.iGrownLongTextChunks ? &(*t.grownLongText[chunk - 1])[index] : nullptr;
}

LongTextSlot* SlotAt(TableDocument& t, int slot) {
  return const_cast<LongTextSlot*>(SlotAt(static_cast<const TableDocument&>(t), slot));
}

// Give the pool one more chunk of empty slots. Slots never move, and only
// the slots that get texts become resident. -1 when there is no memory or
// the pool has a slot for every cell already.
int GrowPool(TableDocument& t) {
  const int chunks = t.iGrownLongTextChunks;
  if (chunks + 1 >= LONG_TEXT_CHUNK_LIMIT) return -1;
  auto* chunk = static_cast<LongTextChunk*>(MemoryAllocZeroed(sizeof(LongTextChunk)));
  if (!chunk) return -1;
  // A chunk is filled slot after slot before the next one is taken.
  MemoryPrepareForFill(chunk, sizeof(LongTextChunk));
  const std::size_t listBytes = static_cast<std::size_t>(chunks + 1) * sizeof(LongTextChunk*);
  auto** list = static_cast<LongTextChunk**>(MemoryAllocZeroed(listBytes));
  if (!list) {
    MemoryFree(chunk);
    return -1;
  }
  if (chunks > 0) std::memcpy(list, t.grownLongText, static_cast<std::size_t>(chunks) * sizeof(LongTextChunk*));
  list[chunks] = chunk;
  MemoryFree(t.grownLongText);
  t.grownLongText = list;
  t.iGrownLongTextChunks = chunks + 1;
  return 0;
}

}  // namespace

int IsLongTextRef(std::string_view text) {
  if (text.size() < 5 || text.substr(0, 4) != "CHAR") return -1;
  return (text[4] >= '0' && text[4] <= '9') ? 1 : -1;
}

int LongTextSlotCount(const TableDocument& t) { return LONG_TEXT_SLOTS * (1 + t.iGrownLongTextChunks); }

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

int LongTextRelease(TableDocument& t, std::string_view text) {
  const int slot = LongTextSlotOf(t, text);
  if (slot < 0) return -1;
  SlotAt(t, slot)->fill('\0');
  if (slot < t.iLongTextFreeHint) t.iLongTextFreeHint = slot;
  return 0;
}

int LongTextStore(TableDocument& t, std::string_view text) {
  int slot = t.iLongTextFreeHint < 0 ? 0 : t.iLongTextFreeHint;
  // Slots from the reached one on are free without looking: reading them
  // first would only fault in pages that the text then writes again.
  const int reached = std::min(t.iLongTextReached, LongTextSlotCount(t));
  while (slot < reached && !TextIsEmpty(*SlotAt(t, slot))) ++slot;
  if (slot >= LongTextSlotCount(t) && GrowPool(t) != 0) {
    t.iLongTextFreeHint = slot;
    return -1;
  }
  if (slot == kFillingSlots && t.iLongTextReached <= slot) {
    // A table that has taken this many texts is being filled (an import, a
    // paste): the rest of the record's slots are made resident at once.
    MemoryPrepareForFill(&t.szLongText[static_cast<std::size_t>(slot)],
                         sizeof(LongTextSlot) * static_cast<std::size_t>(LONG_TEXT_SLOTS - slot));
  }
  CopyText(*SlotAt(t, slot), text);
  t.iLongTextFreeHint = slot + 1;
  t.iLongTextReached = std::max(t.iLongTextReached, slot + 1);
  return slot;
}

void LongTextClearAll(TableDocument& t) {
  // Slots never written stay untouched (and out of resident memory).
  const int reached = std::clamp(t.iLongTextReached, 0, LONG_TEXT_SLOTS);
  for (int i = 0; i < reached; ++i) {
    LongTextSlot& slot = t.szLongText[static_cast<std::size_t>(i)];
    if (slot[0] != '\0') slot[0] = '\0';
  }
  LongTextFreeGrown(t);
  t.iLongTextFreeHint = 0;
}

void LongTextFreeGrown(TableDocument& t) {
  for (int k = 0; k < t.iGrownLongTextChunks; ++k) MemoryFree(t.grownLongText[k]);
  MemoryFree(t.grownLongText);
  t.grownLongText = nullptr;
  t.iGrownLongTextChunks = 0;
  // Chunks grown again are zeros.
  t.iLongTextReached = std::min(t.iLongTextReached, LONG_TEXT_SLOTS);
}

int LongTextTakeLost(TableDocument& t) {
  const int lost = t.iLongTextLost;
  t.iLongTextLost = 0;
  return lost;
}
