// What the MODAS and stock history imports share around their reads.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window.h"

// Where the text of a file begins: after a UTF-8 byte-order mark.
std::int64_t SourceTextStart(std::string_view head);

// After a read: the title (the path, " (Read only)" for a read-only table,
// after `prefix`), the columns fitted to their first rows, and a failed
// read reported.
void FinishSourceImport(WindowHandle hwnd, int status, std::string_view prefix);
