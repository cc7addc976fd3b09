// The long-text pool: every non-numeric cell text lives in a pool slot and
// the cell holds "CHAR" and the slot number. The first LONG_TEXT_SLOTS
// slots are part of the record; when they are all taken the pool grows on
// demand, with the same kind of reference, into storage the record owns.
// Every reader and writer of slots goes through these operations.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// 1 when the text is "CHAR" followed by a digit, else -1.
int IsLongTextRef(std::string_view text);

// Write the reference to `slot` ("CHAR" and the slot number) as a cell text.
void LongTextWriteRef(std::array<char, CELL_TEXT_BYTES>& cellText, int slot);

// Slots the table's pool holds now (LONG_TEXT_SLOTS and the grown ones).
int LongTextSlotCount(const TableDocument& t);

// Slot named by a text starting with "CHAR", or -1 (no "CHAR", or a slot
// number outside the pool as it is now).
int LongTextSlotOf(const TableDocument& t, std::string_view text);

// The text in a slot; the empty text for an empty slot or a slot outside
// the pool.
std::string_view LongTextAt(const TableDocument& t, int slot);

// Replace a long-text reference by its pool text (the empty text for an
// empty slot); -1 and unchanged for any other text.
int LongTextResolve(const TableDocument& t, std::string& text);

// Empty the slot named by a long-text reference; -1 for any other text.
int LongTextRelease(TableDocument& t, std::string_view text);

// Put a text into the lowest free slot, growing the pool by a chunk of
// LONG_TEXT_SLOTS slots when every slot is taken, and return the slot; -1
// when the pool cannot grow (no memory, or a slot for every cell already).
int LongTextStore(TableDocument& t, std::string_view text);

// Empty every slot and give back the storage the pool grew into.
void LongTextClearAll(TableDocument& t);

// Give back the storage the pool grew into, without touching the slots in
// the record (the record is being freed).
void LongTextFreeGrown(TableDocument& t);

// Texts that found no slot since the last call (each shows "Memory
// overflow"); the count starts again at 0.
int LongTextTakeLost(TableDocument& t);
