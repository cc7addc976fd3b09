// The clipboard's text (UTF-8).
#pragma once

#include <string>
#include <string_view>

void ClipboardSetText(std::string_view text);
std::string ClipboardGetText();
