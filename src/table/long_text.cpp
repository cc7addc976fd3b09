#include "table/long_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "platform/memory.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/table_access.h"

namespace {

using LongTextSlot = std::array<char, LONG_TEXT_BYTES>;

// Text bytes a grown slot keeps in place; a longer text gets a block of
// its own. Most texts of a filled table (names, dates, codes) fit, so a
// chunk costs a tenth of what 5,000 slots of LONG_TEXT_BYTES would.
inline constexpr std::size_t kInPlaceBytes = 38;

// One slot of a grown chunk: a free slot has length 0.
struct GrownSlot {
  char* outside;          // the text when it is longer than kInPlaceBytes, else null
  std::uint16_t length;   // bytes of the text
  std::array<char, kInPlaceBytes> inPlace;
};

}  // namespace

struct LongTextChunk {
  std::array<GrownSlot, LONG_TEXT_SLOTS> slots;
};

namespace {

// Texts a table takes before the rest of its record's slots are readied
// in one go.
constexpr int kFillingSlots = 64;

// The grown slot behind a pool slot past the record's, or null outside the
// pool.
const GrownSlot* GrownSlotAt(const TableDocument& t, int slot) {
  const int chunk = slot / LONG_TEXT_SLOTS - 1;
  if (chunk < 0 || chunk >= t.iGrownLongTextChunks) return nullptr;
  return &t.grownLongText[chunk]->slots[static_cast<std::size_t>(slot % LONG_TEXT_SLOTS)];
}

GrownSlot* GrownSlotAt(TableDocument& t, int slot) {
  return const_cast<GrownSlot*>(GrownSlotAt(static_cast<const TableDocument&>(t), slot));
}

// The text of a slot inside the pool.
std::string_view SlotText(const TableDocument& t, int slot) {
  if (slot < LONG_TEXT_SLOTS) return TextOf(t.szLongText[static_cast<std::size_t>(slot)]);
  const GrownSlot* grown = GrownSlotAt(t, slot);
  return std::string_view(grown->outside ? grown->outside : grown->inPlace.data(), grown->length);
}

// Whether a slot inside the pool holds no text.
bool SlotIsFree(const TableDocument& t, int slot) {
  if (slot < LONG_TEXT_SLOTS) return TextIsEmpty(t.szLongText[static_cast<std::size_t>(slot)]);
  return GrownSlotAt(t, slot)->length == 0;
}

// Empty a grown slot, giving back the block of a long text.
void ClearGrownSlot(GrownSlot& grown) {
  MemoryFree(grown.outside);
  grown.outside = nullptr;
  grown.length = 0;
}

// Empty a slot inside the pool.
void ClearSlot(TableDocument& t, int slot) {
  if (slot < LONG_TEXT_SLOTS) {
    t.szLongText[static_cast<std::size_t>(slot)].fill('\0');
  } else {
    ClearGrownSlot(*GrownSlotAt(t, slot));
  }
}

// Put a text into a free slot inside the pool, kept as a record slot keeps
// it: up to its first zero byte and cut to whole characters within
// LONG_TEXT_BYTES - 1 bytes. -1 when there is no memory for it.
int WriteSlot(TableDocument& t, int slot, std::string_view text) {
  if (slot < LONG_TEXT_SLOTS) {
    CopyText(t.szLongText[static_cast<std::size_t>(slot)], text);
    return 0;
  }
  text = text.substr(0, text.find('\0'));
  text = text.substr(0, TextCutLength(text, LONG_TEXT_BYTES - 1));
  GrownSlot& grown = *GrownSlotAt(t, slot);
  char* bytes = grown.inPlace.data();
  if (text.size() > kInPlaceBytes) {
    bytes = static_cast<char*>(MemoryAllocZeroed(text.size()));
    if (!bytes) return -1;
    grown.outside = bytes;
  }
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  grown.length = static_cast<std::uint16_t>(text.size());
  return 0;
}

// Give the pool one more chunk of free slots. Slots never move. -1 when
// there is no memory or the pool has a slot for every cell already.
int GrowPool(TableDocument& t) {
  const int chunks = t.iGrownLongTextChunks;
  if (chunks + 1 >= LONG_TEXT_CHUNK_LIMIT) return -1;
  auto* chunk = static_cast<LongTextChunk*>(MemoryAllocZeroed(sizeof(LongTextChunk)));
  if (!chunk) return -1;
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

void LongTextWriteRef(std::array<char, CELL_TEXT_BYTES>& cellText, int slot) {
  static_assert(CELL_TEXT_BYTES >= 4 + 11 + 1, "a reference fits a cell");
  std::memcpy(cellText.data(), "CHAR", 4);
  const auto [end, ec] = std::to_chars(cellText.data() + 4, cellText.data() + cellText.size() - 1, slot);
  *(ec == std::errc() ? end : cellText.data() + 4) = '\0';
}

int LongTextSlotCount(const TableDocument& t) { return LONG_TEXT_SLOTS * (1 + t.iGrownLongTextChunks); }

int LongTextSlotOf(const TableDocument& t, std::string_view text) {
  if (text.substr(0, 4) != "CHAR") return -1;
  const int slot = TextToInt(text.substr(4));
  return (slot < 0 || slot >= LongTextSlotCount(t)) ? -1 : slot;
}

std::string_view LongTextAt(const TableDocument& t, int slot) {
  if (slot < 0 || slot >= LongTextSlotCount(t)) return std::string_view();
  return SlotText(t, slot);
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
  ClearSlot(t, slot);
  if (slot < t.iLongTextFreeHint) t.iLongTextFreeHint = slot;
  return 0;
}

int LongTextStore(TableDocument& t, std::string_view text) {
  int slot = t.iLongTextFreeHint < 0 ? 0 : t.iLongTextFreeHint;
  // Slots from the reached one on are free without looking: reading them
  // first would only fault in pages that the text then writes again.
  const int reached = std::min(t.iLongTextReached, LongTextSlotCount(t));
  while (slot < reached && !SlotIsFree(t, slot)) ++slot;
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
  if (WriteSlot(t, slot, text) != 0) {
    t.iLongTextFreeHint = slot;
    return -1;
  }
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
  // Slots from the reached one on never held a text, so they hold no block.
  const int reached = std::min(t.iLongTextReached, LongTextSlotCount(t));
  for (int slot = LONG_TEXT_SLOTS; slot < reached; ++slot) {
    GrownSlot& grown = *GrownSlotAt(t, slot);
    if (grown.outside) ClearGrownSlot(grown);
  }
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
