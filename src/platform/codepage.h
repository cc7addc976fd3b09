// Code pages of files. Texts inside the program are UTF-8; a file that is
// not valid UTF-8 is read as GB18030 in Chinese mode and as Windows-1252 in
// English mode.
#pragma once

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);

// Convert bytes from `codepage` (an iconv name) to UTF-8; bytes that do not
// convert become U+FFFD. Returns false when the code page is unknown.
bool ConvertToUtf8(std::string_view bytes, const char* codepage, std::string* out);

// The text of a file's bytes as UTF-8: unchanged when valid UTF-8 (a UTF-8
// byte-order mark is dropped), else converted from the legacy code page of
// the language.
std::string FileTextToUtf8(std::string_view bytes, bool chinese);
