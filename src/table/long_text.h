// The long-text pool: every non-numeric cell text lives in one of 5000
// slots and the cell holds "CHAR" and the slot number.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// 1 when the text is "CHAR" followed by a digit, else -1.
int IsLongTextRef(std::string_view text);

// Slot named by a text starting with "CHAR", or -1 (no "CHAR", or a slot
// number outside 0..4999).
int LongTextSlotOf(std::string_view text);

// Replace a long-text reference by its pool text (the empty text for an
// empty slot); -1 and unchanged for any other text.
int LongTextResolve(const TableDocument& t, std::string& text);
int LongTextResolve(WindowHandle hwnd, std::string& text);

// Empty the slot named by a long-text reference; -1 for any other text.
int LongTextRelease(TableDocument& t, std::string_view text);
int LongTextRelease(WindowHandle hwnd, std::string_view text);

// Put a text into the lowest free slot and return the slot, or -1 when the
// pool is full.
int LongTextStore(TableDocument& t, std::string_view text);
