// Formula texts when whole rows or columns of their table are inserted or
// deleted: every reference follows the cell it names.
#pragma once

#include <string>
#include <string_view>

// The text after `count` lines were inserted (count > 0) before line `at`
// or deleted (count < 0) from line `at` on, in rows (bar 'R') or columns
// ('C'). A reference at or after an insert moves with its cell; after a
// deleted span it moves back; a reference into the span reads "?REF?" in
// place of its number. A range keeps its surviving part: a corner inside
// the span moves to the nearest surviving line inside the range, and a
// range wholly inside the span becomes "?REF?". Other text stays as it is.
std::string ShiftTextForLines(std::string_view text, char bar, int at, int count);
