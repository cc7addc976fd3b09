// The readers of a table file's sections. Each reads the byte range
// [from, to) of its section from the file chunk by chunk (so memory stays
// small whatever the file's size) and writes into the table of the window.
// What a reader has to leave out is noted as a drop (files/read_drops.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/text_source.h"
#include "platform/window.h"

// The file as the section readers see it.
struct TableFileBytes {
  const TextSource* pSource = nullptr;
  std::int64_t iEnd = 0;  // nothing at or after this offset is read
  bool bLegacy = false;   // not UTF-8: texts are in the legacy code page of the language
};

// What reading the cell lines met.
struct CellSectionResult {
  bool bReadFailed = false;
};

// The cell lines, stored from the top-left cell of the current selection
// on: TAB moves one column right, a line end one row down. In a private
// file each field is Base64 and only CR LF ends a line. Fields beyond the
// table are dropped (and counted).
CellSectionResult ReadCellSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from,
                                  std::int64_t to, bool isPrivate);

// The password line: ask for the password with the "Private File control"
// dialog. 0 when the typed password is not empty and equals the stored
// one, else -1.
int CheckFilePassword(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to);

// Formula and colour lines (style lines are taken too when they lie in the
// range). False when the file could not be read.
bool ReadFormulaColorSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to);
// Display-style lines.
bool ReadStyleSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to);
// Row heights, column widths and the scroll origin.
bool ReadLayoutSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to);

// A field's bytes as UTF-8: converted from the legacy code page of the
// language when the file is not UTF-8 and the field has such bytes.
std::string_view TableFileFieldText(const TableFileBytes& file, std::string_view raw, std::string* scratch);
