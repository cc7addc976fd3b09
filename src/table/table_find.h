// Finding a text in a table: the first cell whose text contains the find
// text, and with F3 the next one after the last match. A find text of
// ASCII characters only is matched without regard to the case of ASCII
// letters; any other find text is compared byte for byte.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// Whether `text` contains `needle` (ASCII letters folded when `fold`).
bool FindTextIn(std::string_view text, std::string_view needle, bool fold);

// Whether a find text is matched with case folding: all its bytes are ASCII.
bool FindFoldsCase(std::string_view needle);

// The first non-empty, non-numeric cell of the used area (row by row) whose
// text contains szFindText: true with its cell.
bool FindFirstCell(const TableDocument& t, int* row, int* col);

// The next such cell after iFindRow, iFindCol (which it clamps to the used
// extent): true with its cell. Starting after the last column of the last
// used row the search begins again at row 1; otherwise it ends at the last
// used row, and iFindRow, iFindCol return to 1, 0 when nothing was found.
bool FindNextCell(TableDocument& t, int* row, int* col);

// A match becomes the selection (one cell), the top-left visible cell and
// the start of the next search.
void TakeFindMatch(TableRecord& t, int row, int col);

// Search from the first cell; the match is shown (GoToCell), or the message
// "Cannot find string ..." tells that there is none.
void FindFirstText(WindowHandle hwnd);

// Key F3: the next match, or the message; nothing for a numeric or empty
// find text.
void FindNextText(WindowHandle hwnd);

// The "Cannot find string" message text for a find text.
std::string FindNotFoundText(std::string_view needle);

// Key F3 of every table runs FindNextText (set once at start-up).
void InstallFindHooks();
