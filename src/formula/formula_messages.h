// Messages of the formula check. Their texts live in the string table with
// %1, %2 and %3 standing for the parts of the formula they name.
#pragma once

#include <string>
#include <string_view>

#include "resources/string_table.h"

// The text of `id` in the current language with its parts filled in.
std::string FormulaMessageText(TextId id, std::string_view p1 = {}, std::string_view p2 = {},
                               std::string_view p3 = {});

// Show a check message: caption `caption`, text `id` with its parts.
void ShowFormulaMessage(TextId caption, TextId id, std::string_view p1 = {}, std::string_view p2 = {},
                        std::string_view p3 = {});
