// The readers of a table file's sections. Each gets the whole file buffer
// (UTF-8) and the byte range [from, to) of its section, and writes into the
// table of the window.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/window.h"

// What reading the cell lines met.
struct CellSectionResult {
  int iUndecodable = 0;  // private fields that were not Base64 (left empty)
};

// The cell lines, stored from the top-left cell of the current selection
// on: TAB moves one column right, a line end one row down. In a private
// file each field is Base64 and only CR LF ends a line. Fields beyond the
// table are dropped.
CellSectionResult ReadCellSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to,
                                  bool isPrivate);

// The password line: ask for the password with the "Private File control"
// dialog. 0 when the typed password is not empty and equals the stored
// one, else -1.
int CheckFilePassword(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to);

// Formula and colour lines (style lines are taken too when they lie in the
// range).
void ReadFormulaColorSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to);
// Display-style lines.
void ReadStyleSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to);
// Row heights, column widths and the scroll origin.
void ReadLayoutSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to);
