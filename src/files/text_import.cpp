#include "files/text_import.h"

// Placeholder until the text import lands: nothing is read.
int TextImportOpen(WindowHandle, std::string_view) { return -1; }

int TextImportOpenWith(WindowHandle, std::string_view, const TextImportChoice&) { return -1; }
