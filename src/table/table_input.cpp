#include "table/table_input.h"

// Selection and editing arrive with their module; until then input is left
// to the default handling.
bool TableInputMessage(WindowHandle, unsigned, std::uintptr_t, std::intptr_t, std::intptr_t*) { return false; }
